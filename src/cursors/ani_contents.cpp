#include "cursors/ani_contents.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "framework/core/exceptions.h"
#include "framework/core/little_endian.h"
#include "framework/core/messages.h"
#include "framework/graphics/icon_codec.h"

namespace {

constexpr std::size_t kTextLimit = 255;
constexpr std::size_t kIconFileHeader = 6;
constexpr std::size_t kDirectoryEntry = 16;
constexpr std::uint16_t kIconType = 1;
constexpr std::uint16_t kCursorType = 2;

// The whole 32-bit values in data.
std::vector<std::int32_t> ValuesOf(std::span<const std::uint8_t> data) {
  std::vector<std::int32_t> values(data.size() / 4);
  for (std::size_t i = 0; i < values.size(); ++i)
    values[i] = static_cast<std::int32_t>(ReadLittleEndian32(data, 4 * i));
  return values;
}

// The record from as much of it as the chunk holds; the values missing are 0.
TAniHeader HeaderOf(std::span<const std::uint8_t> prefix) {
  std::array<std::uint8_t, TAniHeader::kBytes> record{};
  std::copy(prefix.begin(), prefix.end(), record.begin());
  const std::vector<std::int32_t> v = ValuesOf(record);
  return {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]};
}

// Text up to its first zero byte.
std::string TextOf(std::span<const std::uint8_t> data) {
  const auto end = std::find(data.begin(), data.end(), std::uint8_t{0});
  return std::string(data.begin(), end);
}

// Colours of an image by the bit count at offset 14 of its data: 2, 16 or 256; 0 for other depths
// (and for PNG images, whose bytes there are part of "IHDR").
std::uint16_t ColorsOfBitCount(std::uint16_t bitCount) {
  switch (bitCount) {
    case 1:
      return 2;
    case 4:
      return 16;
    case 8:
      return 256;
    default:
      return 0;
  }
}

class TAniParser {
 public:
  TAniParser(std::span<const std::uint8_t> bytes, TAniContents& contents)
      : reader_(bytes), contents_(contents) {}

  void Parse();

 private:
  bool ReadHeader(const TChunkHeader& chunk);
  bool ReadValues(const TChunkHeader& chunk, std::vector<std::int32_t>& values);
  bool ReadList(const TChunkHeader& chunk);
  void ReadFrameList(std::int64_t remaining);
  void ReadInfoList(std::int64_t remaining);
  std::optional<TAniIcon> ReadIconImage(const TChunkHeader& chunk);
  void CountColors(std::span<const std::uint8_t> file, std::size_t images);

  TRiffReader reader_;
  TAniContents& contents_;
};

void TAniParser::Parse() {
  reader_.Skip(12);  // "RIFF", its size, "ACON"
  TChunkHeader chunk;
  while (reader_.ReadChunkHeader(chunk)) {
    bool read;
    if (chunk.Is("anih")) {
      read = ReadHeader(chunk);
    } else if (chunk.Is("rate")) {
      read = ReadValues(chunk, contents_.rates);
    } else if (chunk.Is("seq ")) {
      read = ReadValues(chunk, contents_.sequence.emplace());
    } else if (chunk.Is("LIST")) {
      read = ReadList(chunk);
    } else {
      read = reader_.SkipChunkData(chunk);
    }
    if (!read) return;
  }
}

bool TAniParser::ReadHeader(const TChunkHeader& chunk) {
  // Never more than the record holds, whatever size the chunk claims.
  const auto prefix = reader_.ReadChunkPrefix(chunk, TAniHeader::kBytes);
  if (!prefix) return false;
  const TAniHeader header = HeaderOf(*prefix);
  if ((header.flags & 1) == 0 || header.stepCount == 0) RaiseRiffError();
  contents_.header = header;
  return true;
}

bool TAniParser::ReadValues(const TChunkHeader& chunk, std::vector<std::int32_t>& values) {
  const auto data = reader_.ReadChunkData(chunk);
  if (!data) return false;
  values = ValuesOf(*data);
  return true;
}

bool TAniParser::ReadList(const TChunkHeader& chunk) {
  std::array<char, 4> type;
  if (!reader_.ReadIdentifier(type)) return false;
  const auto remaining = static_cast<std::int64_t>(PadToEven(chunk.size)) - 4;
  const std::string_view name(type.data(), type.size());
  if (name == "fram") {
    ReadFrameList(remaining);
  } else if (name == "INFO") {
    ReadInfoList(remaining);
  } else {
    return reader_.Skip(static_cast<std::uint64_t>(std::max<std::int64_t>(remaining, 0)));
  }
  return true;
}

void TAniParser::ReadFrameList(std::int64_t remaining) {
  TChunkHeader chunk;
  while (remaining >= 8) {
    if (!reader_.ReadChunkHeader(chunk)) return;
    remaining -= 8;
    if (chunk.Is("icon")) {
      std::optional<TAniIcon> icon = ReadIconImage(chunk);
      if (!icon) return;
      contents_.icons.push_back(std::move(*icon));
    } else if (!reader_.SkipChunkData(chunk)) {
      return;
    }
    remaining -= static_cast<std::int64_t>(PadToEven(chunk.size));
  }
  if (remaining > 0) reader_.Skip(static_cast<std::uint64_t>(remaining));
}

void TAniParser::ReadInfoList(std::int64_t remaining) {
  TChunkHeader chunk;
  while (remaining >= 8) {
    if (!reader_.ReadChunkHeader(chunk)) return;
    remaining -= 8;
    std::string* text = chunk.Is("INAM")   ? &contents_.title
                        : chunk.Is("IART") ? &contents_.author
                                           : nullptr;
    if (text != nullptr) {
      if (remaining < static_cast<std::int64_t>(chunk.size)) return;
      const auto prefix = reader_.ReadChunkPrefix(chunk, kTextLimit);
      if (!prefix) return;
      *text = TextOf(*prefix);
    } else if (!reader_.SkipChunkData(chunk)) {
      return;
    }
    remaining -= static_cast<std::int64_t>(PadToEven(chunk.size));
  }
  if (remaining > 0) reader_.Skip(static_cast<std::uint64_t>(remaining));
}

std::optional<TAniIcon> TAniParser::ReadIconImage(const TChunkHeader& chunk) {
  const auto data = reader_.ReadChunkData(chunk);
  if (!data) RaiseRiffError();
  if (data->size() < kIconFileHeader) return std::nullopt;
  const std::span<const std::uint8_t> file = *data;
  const std::uint16_t type = ReadLittleEndian16(file, 2);
  if (type != kIconType && type != kCursorType) return std::nullopt;
  TAniIcon result;
  result.fromIcon = type == kIconType;
  result.chunkHeader = chunk;
  const std::size_t images = ReadLittleEndian16(file, 4);
  // Every directory read stays inside the sub-chunk, whatever the directory claims.
  const std::size_t entries = std::min(images, (file.size() - kIconFileHeader) / kDirectoryEntry);
  if (entries > 0) {
    const std::size_t last = kIconFileHeader + (entries - 1) * kDirectoryEntry;
    result.hotSpot = {ReadLittleEndian16(file, last + 4), ReadLittleEndian16(file, last + 6)};
  }
  CountColors(file, entries);
  result.icon = std::make_unique<TIcon>();
  try {
    result.icon->SetImages(ReadIconFile(file));
  } catch (const Exception&) {
    return std::nullopt;
  }
  if (result.fromIcon) result.hotSpot = {result.icon->Width() / 2, result.icon->Height() / 2};
  return result;
}

void TAniParser::CountColors(std::span<const std::uint8_t> file, std::size_t images) {
  for (std::size_t i = 0; i < images; ++i) {
    const std::uint64_t offset =
        ReadLittleEndian32(file, kIconFileHeader + i * kDirectoryEntry + 12);
    if (offset + 16 > file.size()) continue;
    const std::uint16_t bitCount = ReadLittleEndian16(file, static_cast<std::size_t>(offset) + 14);
    contents_.sourceColors = std::max(contents_.sourceColors, ColorsOfBitCount(bitCount));
  }
}

}  // namespace

bool IsAniFile(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= 12 && std::memcmp(bytes.data(), "RIFF", 4) == 0 &&
         std::memcmp(bytes.data() + 8, "ACON", 4) == 0;
}

void RaiseRiffError() {
  throw EReadError(messages::kReadError);
}

void ParseAni(std::span<const std::uint8_t> bytes, TAniContents& contents) {
  if (!IsAniFile(bytes)) RaiseRiffError();
  TAniParser(bytes, contents).Parse();
}
