#include "framework/core/stream.h"

#include <algorithm>

#include "framework/core/exceptions.h"
#include "framework/core/little_endian.h"
#include "framework/core/messages.h"

std::int64_t TStream::Size() {
  const std::int64_t position = Position();
  const std::int64_t size = Seek(0, TSeekOrigin::soEnd);
  Seek(position, TSeekOrigin::soBeginning);
  return size;
}

void TStream::ReadBuffer(void* buffer, std::int64_t count) {
  if (count < 0 || (count > 0 && Read(buffer, count) != count))
    throw EReadError(messages::kReadError);
}

void TStream::WriteBuffer(const void* buffer, std::int64_t count) {
  if (count < 0 || (count > 0 && Write(buffer, count) != count))
    throw EWriteError(messages::kWriteError);
}

std::uint8_t TStream::ReadByte() {
  std::uint8_t value;
  ReadBuffer(&value, 1);
  return value;
}

std::uint16_t TStream::ReadUInt16() {
  std::uint8_t bytes[2];
  ReadBuffer(bytes, 2);
  return ReadLittleEndian16(bytes);
}

std::uint32_t TStream::ReadUInt32() {
  std::uint8_t bytes[4];
  ReadBuffer(bytes, 4);
  return ReadLittleEndian32(bytes);
}

void TStream::WriteUInt16(std::uint16_t value) {
  const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(value),
                                 static_cast<std::uint8_t>(value >> 8)};
  WriteBuffer(bytes, 2);
}

void TStream::WriteUInt32(std::uint32_t value) {
  const std::uint8_t bytes[4] = {
      static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
      static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
  WriteBuffer(bytes, 4);
}

std::int64_t TStream::CopyFrom(TStream& source, std::int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  constexpr std::int64_t kChunk = 64 * 1024;
  std::uint8_t buffer[kChunk];
  std::int64_t left = count;
  while (left > 0) {
    const std::int64_t n = std::min(left, kChunk);
    source.ReadBuffer(buffer, n);
    WriteBuffer(buffer, n);
    left -= n;
  }
  return count;
}
