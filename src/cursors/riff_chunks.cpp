#include "cursors/riff_chunks.h"

#include <algorithm>

#include "framework/core/little_endian.h"

bool TRiffReader::ReadIdentifier(std::array<char, 4>& id) {
  if (Left() < id.size()) return false;
  std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(position_), id.size(), id.begin());
  position_ += id.size();
  return true;
}

bool TRiffReader::ReadChunkHeader(TChunkHeader& header) {
  if (Left() < 8) return false;
  ReadIdentifier(header.id);
  header.size = ReadLittleEndian32(bytes_, position_);
  position_ += 4;
  return true;
}

std::optional<std::span<const std::uint8_t>> TRiffReader::ReadChunkData(
    const TChunkHeader& header) {
  if (Left() < header.size) return std::nullopt;
  const auto data = bytes_.subspan(position_, header.size);
  position_ += header.size;
  // The pad byte of the last chunk may be missing: nothing follows that needs it.
  if (header.size % 2 != 0 && Left() > 0) ++position_;
  return data;
}

std::optional<std::span<const std::uint8_t>> TRiffReader::ReadChunkPrefix(
    const TChunkHeader& header, std::size_t limit) {
  const std::size_t count = std::min<std::size_t>(header.size, limit);
  if (Left() < count) return std::nullopt;
  const auto data = bytes_.subspan(position_, count);
  position_ += count;
  Skip(PadToEven(header.size) - count);
  return data;
}

bool TRiffReader::SkipChunkData(const TChunkHeader& header) {
  return Skip(PadToEven(header.size));
}

bool TRiffReader::Skip(std::uint64_t count) {
  if (count > Left()) {
    position_ = bytes_.size();
    return false;
  }
  position_ += static_cast<std::size_t>(count);
  return true;
}
