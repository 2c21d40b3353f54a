#include "framework/graphics/icon_codec.h"

#include <algorithm>

#include "framework/core/little_endian.h"
#include "framework/core/stream.h"
#include "framework/graphics/bmp_codec.h"
#include "framework/graphics/dib_reader.h"
#include "framework/graphics/graphics_messages.h"
#include "framework/graphics/pixel_buffer.h"
#include "framework/graphics/png_image.h"

namespace {

constexpr std::size_t kDirectoryHeader = 6;
constexpr std::size_t kDirectoryEntry = 16;

struct DirectoryEntry {
  int height;  // 0 stands for 256
  TPoint hotSpot;
  std::span<const std::uint8_t> data;
};

DirectoryEntry ReadEntry(std::span<const std::uint8_t> bytes, std::size_t at, bool cursor,
                         const std::string& message) {
  DirectoryEntry entry;
  entry.height = bytes[at + 1] == 0 ? 256 : bytes[at + 1];
  if (cursor)
    entry.hotSpot = {ReadLittleEndian16(bytes, at + 4), ReadLittleEndian16(bytes, at + 6)};
  const std::uint64_t size = ReadLittleEndian32(bytes, at + 8);
  const std::uint64_t offset = ReadLittleEndian32(bytes, at + 12);
  if (offset + size > bytes.size()) RaiseInvalid(message, "image data past the end");
  entry.data = bytes.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(size));
  return entry;
}

// The image's own header counts its rows; the directory's height is only a hint. The header
// normally counts the colour rows and the mask rows, twice the image's height. Tolerated: a header
// that counts the image's height only (or an odd number of rows), and data that ends before the
// AND mask; the image is then opaque.
int ImageRows(const TDibInfo& info, int directoryHeight, const std::string& message) {
  if (info.topDown) RaiseInvalid(message, "top-down image rows");
  if (info.height == 2 * directoryHeight) return directoryHeight;
  if (info.height == directoryHeight || info.height % 2 != 0) return info.height;
  return info.height / 2;
}

TBitmapHandle ReadMask(const TDibInfo& colorInfo, int rows, std::span<const std::uint8_t> rest,
                       const std::string& message) {
  TDibInfo maskInfo;
  maskInfo.width = colorInfo.width;
  maskInfo.height = rows;
  maskInfo.bitsPerPixel = 1;
  maskInfo.table = DefaultColorTable(1);
  if (rest.size() >= *pixel_buffer::RowBytes(maskInfo.width, maskInfo.bitsPerPixel) *
                         static_cast<std::size_t>(rows)) {
    return ReadDibPixels(maskInfo, rows, rest, message);
  }
  TBitmapHandle opaque(TBitmapObject::Create(colorInfo.width, rows, 1));
  if (!opaque) RaiseInvalid(message, "dimensions too large");
  return opaque;
}

// A PNG image carries its transparency in its alpha; the mask lets the background through where
// a pixel is fully transparent, for those who draw through the mask.
TIconImage ReadPngEntry(const DirectoryEntry& entry, const std::string& message) {
  TBitmapHandle color = ReadPngImage(entry.data, message);
  TBitmapHandle mask(TBitmapObject::Create(color->Width(), color->Height(), 1));
  for (int y = 0; y < color->Height(); ++y) {
    const std::uint32_t* row = color->Row32(y);
    std::uint8_t* bits = mask->Row(y);
    for (int x = 0; x < color->Width(); ++x) {
      if (row[x] >> 24 == 0) bits[x / 8] |= static_cast<std::uint8_t>(0x80 >> x % 8);
    }
  }
  return TIconImage(std::move(color), std::move(mask), entry.hotSpot);
}

TIconImage ReadImage(const DirectoryEntry& entry, const std::string& message) {
  if (IsPngImage(entry.data)) return ReadPngEntry(entry, message);
  const TDibInfo info = ReadDibInfo(entry.data, message);
  const int rows = ImageRows(info, entry.height, message);
  const auto pixels = entry.data.subspan(info.headerBytes);
  TBitmapHandle color = ReadDibPixels(info, rows, pixels, message);
  const std::size_t colorBytes =
      std::min(pixels.size(), *pixel_buffer::RowBytes(info.width, info.bitsPerPixel) *
                                  static_cast<std::size_t>(rows));
  TBitmapHandle mask = ReadMask(info, rows, pixels.subspan(colorBytes), message);
  return TIconImage(std::move(color), std::move(mask), entry.hotSpot);
}

}  // namespace

TIconImage::TIconImage(const TIconImage& other)
    : color(other.color ? other.color->Clone() : nullptr),
      mask(other.mask ? other.mask->Clone() : nullptr),
      hotSpot(other.hotSpot) {}

TIconImage& TIconImage::operator=(const TIconImage& other) {
  TIconImage copy(other);
  *this = std::move(copy);
  return *this;
}

bool TIconImage::HasAlpha() const {
  if (color->BitsPerPixel() != 32) return false;
  for (int y = 0; y < Height(); ++y) {
    const std::uint32_t* row = color->Row32(y);
    for (int x = 0; x < Width(); ++x) {
      if (row[x] >> 24 != 0) return true;
    }
  }
  return false;
}

TIconFile ReadIconFile(std::span<const std::uint8_t> bytes) {
  const std::string message = graphics_messages::kInvalidIcon;
  if (bytes.size() < kDirectoryHeader) RaiseInvalid(message, "header cut short");
  const std::uint16_t type = ReadLittleEndian16(bytes, 2);
  if (ReadLittleEndian16(bytes, 0) != 0 || (type != 1 && type != 2))
    RaiseInvalid(message, "not an icon or cursor");
  const std::size_t count = ReadLittleEndian16(bytes, 4);
  if (count == 0) RaiseInvalid(message, "no images");
  if (kDirectoryHeader + count * kDirectoryEntry > bytes.size())
    RaiseInvalid(message, "directory past the end");
  TIconFile file;
  file.cursor = type == 2;
  for (std::size_t i = 0; i < count; ++i) {
    const DirectoryEntry entry =
        ReadEntry(bytes, kDirectoryHeader + i * kDirectoryEntry, file.cursor, message);
    file.images.push_back(ReadImage(entry, message));
  }
  return file;
}

void WriteIconFile(TStream& stream, const TIconFile& file) {
  stream.WriteUInt16(0);
  stream.WriteUInt16(file.cursor ? 2 : 1);
  stream.WriteUInt16(static_cast<std::uint16_t>(file.images.size()));
  std::uint32_t offset =
      static_cast<std::uint32_t>(kDirectoryHeader + kDirectoryEntry * file.images.size());
  for (const TIconImage& image : file.images) {
    const TBitmapObject& color = *image.color;
    const std::uint32_t size = static_cast<std::uint32_t>(
        DibHeaderBytes(color) + color.ImageSize() + image.mask->ImageSize());
    const int depth = color.BitsPerPixel();
    stream.WriteByte(static_cast<std::uint8_t>(color.Width() >= 256 ? 0 : color.Width()));
    stream.WriteByte(static_cast<std::uint8_t>(color.Height() >= 256 ? 0 : color.Height()));
    stream.WriteByte(static_cast<std::uint8_t>(depth < 8 ? 1 << depth : 0));
    stream.WriteByte(0);
    stream.WriteUInt16(static_cast<std::uint16_t>(file.cursor ? image.hotSpot.x : 1));
    stream.WriteUInt16(static_cast<std::uint16_t>(file.cursor ? image.hotSpot.y : depth));
    stream.WriteUInt32(size);
    stream.WriteUInt32(offset);
    offset += size;
  }
  for (const TIconImage& image : file.images) {
    const std::uint32_t imageSize =
        static_cast<std::uint32_t>(image.color->ImageSize() + image.mask->ImageSize());
    WriteDibHeader(stream, DibHeaderOf(*image.color, 2 * image.color->Height(), imageSize),
                   DibColorTableOf(*image.color));
    WriteDibRows(stream, *image.color);
    WriteDibRows(stream, *image.mask);
  }
}
