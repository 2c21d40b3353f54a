#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// The chunks of a RIFF file: a 4-character identifier, a 32-bit little-endian size and that many
// data bytes, followed by one pad byte when the size is odd.
//
// Sizes are unsigned: a size of 0x80000000 or more is a size past any data here, never a step
// backwards.

struct TChunkHeader {
  std::array<char, 4> id{};
  std::uint32_t size = 0;

  // Exact, case-sensitive comparison ("seq " with its blank).
  bool Is(std::string_view name) const { return std::string_view(id.data(), id.size()) == name; }
};

// n + (n mod 2): a chunk's size with its pad byte.
constexpr std::uint64_t PadToEven(std::uint64_t size) {
  return size + size % 2;
}

// Reads chunks from bytes held in memory. No routine raises or reads outside the bytes: one that
// fails answers false (or none) and may leave the position anywhere up to the end.
class TRiffReader {
 public:
  explicit TRiffReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  // The next 8 bytes as a chunk header; fails when fewer are left.
  bool ReadChunkHeader(TChunkHeader& header);
  // A 4-character identifier (a form or list type); fails when fewer than 4 bytes are left.
  bool ReadIdentifier(std::array<char, 4>& id);
  // Exactly the chunk's size bytes, then past the pad byte of an odd size; none when they are not
  // all there.
  std::optional<std::span<const std::uint8_t>> ReadChunkData(const TChunkHeader& header);
  // The first min(size, limit) bytes, then forward to the end of the padded chunk; none when the
  // prefix is not all there.
  std::optional<std::span<const std::uint8_t>> ReadChunkPrefix(const TChunkHeader& header,
                                                               std::size_t limit);
  // Past the padded chunk; fails when that lies past the end of the bytes.
  bool SkipChunkData(const TChunkHeader& header);
  // Forward by count bytes; fails when that lies past the end.
  bool Skip(std::uint64_t count);

  std::size_t Position() const { return position_; }

 private:
  std::size_t Left() const { return bytes_.size() - position_; }

  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
};
