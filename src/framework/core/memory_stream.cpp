#include "framework/core/memory_stream.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>

#include "framework/core/exceptions.h"
#include "framework/core/file_stream.h"
#include "framework/core/messages.h"

namespace {

// Runs allocate, which grows the bytes; running out of memory raises EOutOfMemory.
template <typename Allocate>
void GuardAllocation(const Allocate& allocate) {
  try {
    allocate();
  } catch (const std::bad_alloc&) {
    throw EOutOfMemory(messages::kOutOfMemory);
  } catch (const std::length_error&) {
    throw EOutOfMemory(messages::kOutOfMemory);
  }
}

}  // namespace

std::int64_t TMemoryStream::Read(void* buffer, std::int64_t count) {
  const std::int64_t available = Size() - position_;
  if (count <= 0 || available <= 0) return 0;
  const std::int64_t n = std::min(count, available);
  std::memcpy(buffer, data_.data() + position_, static_cast<std::size_t>(n));
  position_ += n;
  return n;
}

std::int64_t TMemoryStream::Write(const void* buffer, std::int64_t count) {
  if (count <= 0) return 0;
  if (position_ == Size()) {
    // Appending, the usual case: the bytes go straight to the end, without filling it first.
    const auto* bytes = static_cast<const std::uint8_t*>(buffer);
    GuardAllocation([&] { data_.insert(data_.end(), bytes, bytes + count); });
  } else {
    if (position_ + count > Size()) SetSize(position_ + count);
    std::memcpy(data_.data() + position_, buffer, static_cast<std::size_t>(count));
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
  GuardAllocation([&] { data_.resize(static_cast<std::size_t>(size)); });
  position_ = std::min(position_, size);
}

void TMemoryStream::SetCapacity(std::int64_t bytes) {
  if (bytes > 0) GuardAllocation([&] { data_.reserve(static_cast<std::size_t>(bytes)); });
}

void TMemoryStream::Clear() {
  data_.clear();
  position_ = 0;
}

void TMemoryStream::LoadFromStream(TStream& source) {
  source.SetPosition(0);
  const std::int64_t size = source.Size();
  SetSize(size);
  source.ReadBuffer(data_.data(), size);
  position_ = 0;
}

void TMemoryStream::SaveToStream(TStream& destination) const {
  destination.WriteBuffer(data_.data(), static_cast<std::int64_t>(data_.size()));
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
  TFileStream file(fileName, TFileStream::fmOpenRead);
  LoadFromStream(file);
}

void TMemoryStream::SaveToFile(const std::string& fileName) const {
  TFileStream file(fileName, TFileStream::fmCreate);
  SaveToStream(file);
}
