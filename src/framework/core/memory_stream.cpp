#include "framework/core/memory_stream.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>

#include "framework/core/exceptions.h"
#include "framework/core/file_stream.h"
#include "framework/core/messages.h"

namespace {

// Growing the bytes may run out of memory, reported as the framework's out-of-memory error.
template <typename Action>
void Allocating(const Action& action) {
  try {
    action();
  } catch (const std::bad_alloc&) {
    throw EOutOfMemory(messages::kOutOfMemory);
  } catch (const std::length_error&) {
    throw EOutOfMemory(messages::kOutOfMemory);
  }
}

}  // namespace

TMemoryStream::TMemoryStream(std::vector<std::uint8_t> bytes)
    : data_(std::make_shared<std::vector<std::uint8_t>>(std::move(bytes))) {}

const std::vector<std::uint8_t>& TMemoryStream::Bytes() const {
  static const std::vector<std::uint8_t> kNone;
  return data_ ? *data_ : kNone;
}

std::vector<std::uint8_t>& TMemoryStream::OwnBytes() {
  if (!data_) {
    data_ = std::make_shared<std::vector<std::uint8_t>>();
  } else if (data_.use_count() > 1) {
    Allocating([this] { data_ = std::make_shared<std::vector<std::uint8_t>>(*data_); });
  }
  return *data_;
}

std::uint8_t* TMemoryStream::Memory() {
  return OwnBytes().data();
}

TSharedBytes TMemoryStream::ShareBytes(std::int64_t offset, std::int64_t count) {
  if (!data_) data_ = std::make_shared<std::vector<std::uint8_t>>();
  return TSharedBytes(std::shared_ptr<const std::vector<std::uint8_t>>(data_))
      .Slice(static_cast<std::size_t>(offset), static_cast<std::size_t>(count));
}

std::int64_t TMemoryStream::Read(void* buffer, std::int64_t count) {
  const std::int64_t available = Size() - position_;
  if (count <= 0 || available <= 0) return 0;
  const std::int64_t n = std::min(count, available);
  std::memcpy(buffer, Bytes().data() + position_, static_cast<std::size_t>(n));
  position_ += n;
  return n;
}

std::int64_t TMemoryStream::Write(const void* buffer, std::int64_t count) {
  if (count <= 0) return 0;
  if (position_ == Size()) {
    // Appending, the usual case: the bytes go straight to the end, without filling it first.
    const auto* bytes = static_cast<const std::uint8_t*>(buffer);
    std::vector<std::uint8_t>& own = OwnBytes();
    Allocating([&] { own.insert(own.end(), bytes, bytes + count); });
  } else {
    if (position_ + count > Size()) SetSize(position_ + count);
    std::memcpy(Memory() + position_, buffer, static_cast<std::size_t>(count));
  }
  position_ += count;
  return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  std::int64_t base = 0;
  if (origin == TSeekOrigin::soCurrent) base = position_;
  if (origin == TSeekOrigin::soEnd) base = Size();
  if (offset < -base) throw EStreamError(messages::kSeekError);
  position_ = base + offset;
  return position_;
}

void TMemoryStream::SetSize(std::int64_t size) {
  if (size < 0) throw EStreamError(messages::kSeekError);
  Allocating([&] { OwnBytes().resize(static_cast<std::size_t>(size)); });
  position_ = std::min(position_, size);
}

void TMemoryStream::SetCapacity(std::int64_t bytes) {
  if (bytes > 0) Allocating([&] { OwnBytes().reserve(static_cast<std::size_t>(bytes)); });
}

void TMemoryStream::Clear() {
  // Bytes of its own are kept allocated, for a stream that is filled again.
  if (data_ && data_.use_count() == 1) {
    data_->clear();
  } else {
    data_.reset();
  }
  position_ = 0;
}

void TMemoryStream::LoadFromStream(TStream& source) {
  source.SetPosition(0);
  const std::int64_t size = source.Size();
  Clear();
  SetSize(size);
  source.ReadBuffer(Memory(), size);
  position_ = 0;
}

void TMemoryStream::SaveToStream(TStream& destination) const {
  destination.WriteBuffer(Bytes().data(), static_cast<std::int64_t>(Bytes().size()));
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
  TFileStream file(fileName, TFileStream::fmOpenRead);
  LoadFromStream(file);
}

void TMemoryStream::SaveToFile(const std::string& fileName) const {
  TFileStream file(fileName, TFileStream::fmCreate);
  SaveToStream(file);
}
