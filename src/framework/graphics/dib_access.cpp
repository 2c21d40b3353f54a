#include "framework/graphics/dib_access.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "framework/graphics/device_context.h"
#include "framework/graphics/pixel_buffer.h"

int GetObject(HBITMAP bitmap, int size, BITMAP* out) {
  if (bitmap == nullptr || out == nullptr || size < static_cast<int>(sizeof(BITMAP))) return 0;
  *out = BITMAP{};
  out->bmWidth = bitmap->Width();
  out->bmHeight = bitmap->Height();
  out->bmWidthBytes = static_cast<std::int32_t>(bitmap->Stride());
  out->bmPlanes = 1;
  out->bmBitsPixel = static_cast<std::uint16_t>(bitmap->BitsPerPixel());
  out->bmBits = bitmap->Bits();
  return static_cast<int>(sizeof(BITMAP));
}

namespace {

// The colours the requested indexed depth can show, and whether pixel values carry over as they
// are (the bitmap's own table).
struct TargetTable {
  std::vector<TColor> colors;
  bool sameIndexes = false;
};

TargetTable ChooseTable(const TDeviceContext* dc, const TBitmapObject& bitmap, int depth) {
  const std::size_t capacity = std::size_t{1} << depth;
  TargetTable target;
  if (bitmap.IsIndexed() && bitmap.BitsPerPixel() <= depth) {
    const auto& table = bitmap.ColorTable();
    target.colors.assign(table.begin(), table.begin() + bitmap.ColorCount());
    target.sameIndexes = true;
  } else if (dc != nullptr && dc->Current().palette &&
             static_cast<std::size_t>(dc->Current().palette->Count()) <= capacity) {
    target.colors = dc->Current().palette->Colors();
  } else {
    const TColorTable& table = DefaultColorTable(depth);
    target.colors.assign(table.begin(), table.begin() + static_cast<std::ptrdiff_t>(capacity));
  }
  return target;
}

void FillColorTable(BITMAPINFO& info, const TargetTable& target, int depth) {
  const std::size_t capacity = std::size_t{1} << depth;
  for (std::size_t i = 0; i < capacity; ++i) {
    info.bmiColors[i] = i < target.colors.size() ? ColorToQuad(target.colors[i]) : RGBQUAD{};
  }
}

// Turns physical pixel values of the bitmap into values at the requested depth.
class TDibValues {
 public:
  TDibValues(const TBitmapObject& bitmap, const TargetTable& target, int depth)
      : bitmap_(bitmap), target_(target), indexed_(depth <= 8) {}

  std::uint32_t operator()(std::uint32_t value) {
    if (!indexed_) return SwapRedBlue(static_cast<std::uint32_t>(bitmap_.ColorOf(value)));
    if (target_.sameIndexes) return value;
    const TColor rgb = bitmap_.ColorOf(value);
    auto found = cache_.find(rgb);
    if (found == cache_.end()) {
      found =
          cache_.emplace(rgb, static_cast<std::uint32_t>(NearestColorIndex(target_.colors, rgb)))
              .first;
    }
    return found->second;
  }

 private:
  const TBitmapObject& bitmap_;
  const TargetTable& target_;
  bool indexed_;
  std::unordered_map<TColor, std::uint32_t> cache_;
};

void StoreRow(const std::vector<std::uint32_t>& values, int depth, std::uint8_t* out) {
  const std::size_t count = values.size();
  for (std::size_t x = 0; x < count; ++x) {
    const std::uint32_t v = values[x];
    switch (depth) {
      case 32:
        std::memcpy(out + x * 4, &v, 4);
        break;
      case 24:
        out[x * 3] = static_cast<std::uint8_t>(v);
        out[x * 3 + 1] = static_cast<std::uint8_t>(v >> 8);
        out[x * 3 + 2] = static_cast<std::uint8_t>(v >> 16);
        break;
      case 8:
        out[x] = static_cast<std::uint8_t>(v);
        break;
      case 4:
        out[x / 2] = static_cast<std::uint8_t>(out[x / 2] | (v & 0x0F) << ((x & 1) ? 0 : 4));
        break;
      default:
        out[x / 8] = static_cast<std::uint8_t>(out[x / 8] | (v & 1) << (7 - (x & 7)));
        break;
    }
  }
}

bool KnownDibDepth(int depth) {
  return depth == 1 || depth == 4 || depth == 8 || depth == 24 || depth == 32;
}

}  // namespace

int GetDIBits(HDC dc, HBITMAP bitmap, unsigned start, unsigned lines, void* bits, BITMAPINFO* info,
              unsigned) {
  if (bitmap == nullptr || info == nullptr) return 0;
  BITMAPINFOHEADER& header = info->bmiHeader;
  const bool topDown = header.biHeight < 0;
  int depth = header.biBitCount == 0 ? bitmap->BitsPerPixel() : header.biBitCount;
  if (!KnownDibDepth(depth)) return 0;
  const std::size_t stride = *pixel_buffer::RowBytes(bitmap->Width(), depth);
  header.biSize = sizeof(BITMAPINFOHEADER);
  header.biWidth = bitmap->Width();
  header.biHeight = topDown ? -bitmap->Height() : bitmap->Height();
  header.biPlanes = 1;
  header.biBitCount = static_cast<std::uint16_t>(depth);
  header.biCompression = BI_RGB;
  header.biSizeImage =
      static_cast<std::uint32_t>(stride * static_cast<std::size_t>(bitmap->Height()));
  header.biClrUsed = 0;
  header.biClrImportant = 0;

  const TargetTable target = ChooseTable(dc, *bitmap, std::min(depth, 8));
  if (depth <= 8) FillColorTable(*info, target, depth);
  if (bits == nullptr) return bitmap->Height();

  const unsigned height = static_cast<unsigned>(bitmap->Height());
  if (start >= height) return 0;
  const unsigned count = std::min(lines, height - start);
  TDibValues convert(*bitmap, target, depth);
  std::vector<std::uint32_t> values(static_cast<std::size_t>(bitmap->Width()));
  auto* out = static_cast<std::uint8_t*>(bits);
  for (unsigned line = 0; line < count; ++line) {
    // Line 0 of a bottom-up image is the bitmap's last row.
    const unsigned dibRow = start + line;
    const int y =
        topDown ? static_cast<int>(dibRow) : bitmap->Height() - 1 - static_cast<int>(dibRow);
    bitmap->ReadPixels(y, 0, bitmap->Width(), values.data());
    for (auto& value : values)
      value = convert(value);
    std::uint8_t* row = out + stride * line;
    std::memset(row, 0, stride);
    StoreRow(values, depth, row);
  }
  return static_cast<int>(count);
}
