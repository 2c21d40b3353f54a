#include "support/ani_bytes.h"

#include "framework/core/memory_stream.h"
#include "framework/graphics/icon_codec.h"

namespace ani_test {

void AppendU16(Bytes& bytes, unsigned value) {
  bytes.push_back(static_cast<std::uint8_t>(value));
  bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void AppendU32(Bytes& bytes, std::uint32_t value) {
  AppendU16(bytes, value & 0xFFFF);
  AppendU16(bytes, value >> 16);
}

namespace {

void AppendId(Bytes& bytes, std::string_view id) {
  bytes.insert(bytes.end(), id.begin(), id.end());
}

Bytes Joined(const std::vector<Bytes>& parts) {
  Bytes joined;
  for (const Bytes& part : parts)
    joined.insert(joined.end(), part.begin(), part.end());
  return joined;
}

Bytes ImageFile(bool cursor, int size, TPoint hotSpot, int shade) {
  TBitmapHandle color(TBitmapObject::Create(size, size, 4));
  color->Fill(static_cast<std::uint32_t>(shade));
  TIconFile file;
  file.cursor = cursor;
  file.images.emplace_back(std::move(color), TBitmapHandle(TBitmapObject::Create(size, size, 1)),
                           hotSpot);
  TMemoryStream stream;
  WriteIconFile(stream, file);
  return stream.Bytes();
}

}  // namespace

Bytes Chunk(std::string_view id, const Bytes& data, std::int64_t size) {
  Bytes chunk;
  AppendId(chunk, id);
  AppendU32(chunk,
            static_cast<std::uint32_t>(size < 0 ? static_cast<std::int64_t>(data.size()) : size));
  chunk.insert(chunk.end(), data.begin(), data.end());
  if (data.size() % 2 != 0) chunk.push_back(0);
  return chunk;
}

Bytes List(std::string_view type, const std::vector<Bytes>& chunks) {
  Bytes data;
  AppendId(data, type);
  const Bytes joined = Joined(chunks);
  data.insert(data.end(), joined.begin(), joined.end());
  return Chunk("LIST", data);
}

Bytes AniFile(const std::vector<Bytes>& chunks) {
  const Bytes body = Joined(chunks);
  Bytes file;
  AppendId(file, "RIFF");
  AppendU32(file, static_cast<std::uint32_t>(body.size() + 4));
  AppendId(file, "ACON");
  file.insert(file.end(), body.begin(), body.end());
  return file;
}

Bytes AniHeader(std::int32_t frames, std::int32_t steps, std::int32_t rate, std::int32_t flags) {
  Bytes data;
  for (const std::int32_t value : {36, frames, steps, 0, 0, 0, 0, rate, flags})
    AppendU32(data, static_cast<std::uint32_t>(value));
  return Chunk("anih", data);
}

Bytes Values(std::string_view id, const std::vector<std::int32_t>& values) {
  Bytes data;
  for (const std::int32_t value : values)
    AppendU32(data, static_cast<std::uint32_t>(value));
  return Chunk(id, data);
}

Bytes FrameList(const std::vector<Bytes>& files) {
  std::vector<Bytes> icons;
  for (const Bytes& file : files)
    icons.push_back(Chunk("icon", file));
  return List("fram", icons);
}

Bytes CursorFile(int size, TPoint hotSpot, int shade) {
  return ImageFile(true, size, hotSpot, shade);
}

Bytes IconFile(int size, int shade) {
  return ImageFile(false, size, {}, shade);
}

}  // namespace ani_test
