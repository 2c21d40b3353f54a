// PatBlt, BitBlt and StretchBlt: one row-by-row engine for every raster operation, depth and
// scale. Each destination row gathers its source pixels (combining dropped ones when shrinking
// under BLACKONWHITE or WHITEONBLACK), converts them to the destination's pixel values, and
// applies the operation.
#include <algorithm>
#include <memory>
#include <vector>

#include "framework/graphics/device_context.h"
#include "framework/graphics/pixel_conversion.h"
#include "framework/graphics/raster_operation.h"

namespace {

// One side of a rectangle with the platform's sign rule: a negative length extends back from the
// origin, and mirrors that axis. Kept in 64 bits so that extreme arguments cannot overflow.
struct Extent {
  std::int64_t start;
  std::int64_t length;
  bool negative;
};

Extent Normalise(std::int64_t origin, std::int64_t length) {
  if (length < 0) return {origin + length + 1, -length, true};
  return {origin, length, false};
}

enum class Combine { kNone, kAnd, kOr };

// Which source pixels feed each destination pixel along one axis, for the destination pixels
// visible from lo to hi (device coordinates).
struct AxisMap {
  int lo = 0;
  bool unit =
      false;  // one source pixel per destination pixel, same direction: source = position + shift
  int shift = 0;
  std::vector<int> first;  // first source pixel of each visible destination pixel
  std::vector<int> last;   // one past the last
  int from = 0;            // the visible pixels whose source lies inside the source bitmap
  int to = 0;
  int First(int position) const { return first[static_cast<std::size_t>(position - lo)]; }
  int Last(int position) const { return last[static_cast<std::size_t>(position - lo)]; }
};

AxisMap MapAxis(const Extent& destination, const Extent& source, bool combine, int sourceLimit,
                int lo, int hi) {
  AxisMap map;
  map.lo = lo;
  map.from = hi;
  map.to = lo;
  const bool mirror = destination.negative != source.negative;
  map.unit = !mirror && source.length == destination.length;
  map.shift = static_cast<int>(
      std::clamp<std::int64_t>(source.start - destination.start, -(1 << 30), 1 << 30));
  for (int position = lo; position < hi; ++position) {
    const std::int64_t j = position - destination.start;
    const std::int64_t k = mirror ? destination.length - 1 - j : j;
    const std::int64_t first = source.start + k * source.length / destination.length;
    std::int64_t last = source.start + (k + 1) * source.length / destination.length;
    if (!combine || last <= first) last = first + 1;
    const bool inside = first >= 0 && first < sourceLimit;
    map.first.push_back(inside ? static_cast<int>(first) : 0);
    map.last.push_back(inside ? static_cast<int>(std::min<std::int64_t>(last, sourceLimit)) : 0);
    if (inside) {
      map.from = std::min(map.from, position);
      map.to = position + 1;
    }
  }
  return map;
}

// The destination pixels to draw: a device rectangle within the drawable area.
TRect VisibleArea(const TDeviceContext& dc, const Extent& columns, const Extent& rows) {
  const TRect area = dc.DrawableArea();
  if (area.IsEmpty()) return {};
  auto clamp = [](std::int64_t value, int low, int high) {
    return static_cast<int>(std::clamp<std::int64_t>(value, low, high));
  };
  return {clamp(columns.start, area.left, area.right), clamp(rows.start, area.top, area.bottom),
          clamp(columns.start + columns.length, area.left, area.right),
          clamp(rows.start + rows.length, area.top, area.bottom)};
}

std::uint32_t ValueMask(const TBitmapObject& bitmap) {
  if (bitmap.BitsPerPixel() == 32) return 0xFFFFFFFFu;
  if (bitmap.BitsPerPixel() == 24) return 0xFFFFFFu;
  return (1u << bitmap.BitsPerPixel()) - 1;
}

class TBlitter {
 public:
  TBlitter(TDeviceContext& destination, std::uint8_t table, std::uint32_t pattern)
      : destination_(destination), table_(table), pattern_(pattern) {}

  void Fill(const TRect& area);
  void Copy(const TRect& area, TDeviceContext& source, const AxisMap& columns, const AxisMap& rows,
            Combine combine);

 private:
  void ApplyRow(int y, int x, int count, const std::uint32_t* source);
  const std::uint32_t* SourceRow(const TBitmapObject& bitmap, int y, int from, int to);
  void GatherRow(const TBitmapObject& bitmap, int y, const TRect& area, const AxisMap& columns,
                 Combine combine, bool firstRow);

  TDeviceContext& destination_;
  std::uint8_t table_;
  std::uint32_t pattern_;
  std::vector<std::uint32_t> sourceRow_;
  std::vector<std::uint32_t> gathered_;
  std::vector<std::uint32_t> destinationRow_;
};

void TBlitter::ApplyRow(int y, int x, int count, const std::uint32_t* source) {
  TBitmapObject& bitmap = destination_.Bitmap();
  const std::uint32_t mask = ValueMask(bitmap);
  if (bitmap.BitsPerPixel() == 32) {
    ApplyRop3(table_, pattern_, source, bitmap.Row32(y) + x, count, mask);
    return;
  }
  destinationRow_.resize(static_cast<std::size_t>(count));
  bitmap.ReadPixels(y, x, count, destinationRow_.data());
  ApplyRop3(table_, pattern_, source, destinationRow_.data(), count, mask);
  bitmap.WritePixels(y, x, count, destinationRow_.data());
}

void TBlitter::Fill(const TRect& area) {
  for (int y = area.top; y < area.bottom; ++y)
    ApplyRow(y, area.left, area.Width(), nullptr);
}

const std::uint32_t* TBlitter::SourceRow(const TBitmapObject& bitmap, int y, int from, int to) {
  if (bitmap.BitsPerPixel() == 32) return bitmap.Row32(y) + from;
  sourceRow_.resize(static_cast<std::size_t>(to - from));
  bitmap.ReadPixels(y, from, to - from, sourceRow_.data());
  return sourceRow_.data();
}

void TBlitter::GatherRow(const TBitmapObject& bitmap, int y, const TRect& area,
                         const AxisMap& columns, Combine combine, bool firstRow) {
  // The columns are monotonic in either direction, so the ends bound the source span.
  const int low = std::min(columns.First(area.left), columns.First(area.right - 1));
  const int high = std::max(columns.Last(area.left), columns.Last(area.right - 1));
  const std::uint32_t* row = SourceRow(bitmap, y, low, high);  // row[0] is column low
  for (int x = area.left; x < area.right; ++x) {
    const int first = columns.First(x) - low;
    std::uint32_t value = row[first];
    for (int sx = first + 1; sx < columns.Last(x) - low; ++sx) {
      value = combine == Combine::kAnd ? value & row[sx] : value | row[sx];
    }
    std::uint32_t& target = gathered_[static_cast<std::size_t>(x - area.left)];
    if (firstRow) {
      target = value;
    } else {
      target = combine == Combine::kAnd ? target & value : target | value;
    }
  }
}

void TBlitter::Copy(const TRect& area, TDeviceContext& source, const AxisMap& columns,
                    const AxisMap& rows, Combine combine) {
  const TBitmapObject& sourceBitmap = source.Bitmap();
  // Copying within one bitmap reads from a snapshot, so overlapping areas come out right.
  std::unique_ptr<TBitmapObject> snapshot;
  if (&sourceBitmap == &destination_.Bitmap()) snapshot.reset(sourceBitmap.Clone());
  const TBitmapObject& reading = snapshot ? *snapshot : sourceBitmap;

  TPixelConversion conversion(source, destination_);
  const int count = area.Width();
  gathered_.resize(static_cast<std::size_t>(count));
  const bool direct = columns.unit && reading.BitsPerPixel() == 32 && conversion.IsIdentity();
  for (int y = area.top; y < area.bottom; ++y) {
    if (direct && rows.unit) {
      // Same size, same format: the source row is the operand as it stands.
      ApplyRow(y, area.left, count, reading.Row32(y + rows.shift) + area.left + columns.shift);
      continue;
    }
    if (columns.unit && rows.Last(y) - rows.First(y) == 1) {
      reading.ReadPixels(rows.First(y), area.left + columns.shift, count, gathered_.data());
    } else {
      for (int sy = rows.First(y); sy < rows.Last(y); ++sy) {
        GatherRow(reading, sy, area, columns, combine, sy == rows.First(y));
      }
    }
    conversion.Convert(gathered_.data(), count);
    ApplyRow(y, area.left, count, gathered_.data());
  }
}

bool PatternValue(const TDeviceContext& dc, std::uint8_t table, std::uint32_t& pattern) {
  pattern = 0;
  if (!RopUsesPattern(table)) return true;
  const TBrushObject* brush = dc.Current().brush.Get();
  if (brush->Style() == BS_NULL) return false;
  pattern = dc.PhysicalColor(brush->Color());
  return true;
}

Combine CombineFor(int stretchMode) {
  if (stretchMode == BLACKONWHITE) return Combine::kAnd;
  if (stretchMode == WHITEONBLACK) return Combine::kOr;
  return Combine::kNone;
}

}  // namespace

bool PatBlt(HDC dc, int x, int y, int width, int height, std::uint32_t rop) {
  if (dc == nullptr) return false;
  const std::uint8_t table = RopTable(rop);
  std::uint32_t pattern;
  if (!PatternValue(*dc, table, pattern)) return true;
  const TPoint origin = dc->Current().viewportOrigin;
  const TRect area = VisibleArea(*dc, Normalise(std::int64_t{x} + origin.x, width),
                                 Normalise(std::int64_t{y} + origin.y, height));
  if (!area.IsEmpty()) TBlitter(*dc, table, pattern).Fill(area);
  return true;
}

bool BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY,
            std::uint32_t rop) {
  return StretchBlt(dst, x, y, width, height, src, srcX, srcY, width, height, rop);
}

bool StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                int srcWidth, int srcHeight, std::uint32_t rop) {
  const std::uint8_t table = RopTable(rop);
  if (!RopUsesSource(table)) return PatBlt(dst, x, y, width, height, rop);
  if (dst == nullptr || src == nullptr) return false;
  if (width == 0 || height == 0 || srcWidth == 0 || srcHeight == 0) return true;
  std::uint32_t pattern;
  if (!PatternValue(*dst, table, pattern)) return true;

  const TPoint dstOrigin = dst->Current().viewportOrigin;
  const TPoint srcOrigin = src->Current().viewportOrigin;
  const Extent dstColumns = Normalise(std::int64_t{x} + dstOrigin.x, width);
  const Extent dstRows = Normalise(std::int64_t{y} + dstOrigin.y, height);
  const Extent srcColumns = Normalise(std::int64_t{srcX} + srcOrigin.x, srcWidth);
  const Extent srcRows = Normalise(std::int64_t{srcY} + srcOrigin.y, srcHeight);

  const TRect visible = VisibleArea(*dst, dstColumns, dstRows);
  if (visible.IsEmpty()) return true;
  const Combine combine = CombineFor(dst->Current().stretchMode);
  const TBitmapObject& sourceBitmap = src->Bitmap();
  const AxisMap columns = MapAxis(
      dstColumns, srcColumns, combine != Combine::kNone && srcColumns.length > dstColumns.length,
      sourceBitmap.Width(), visible.left, visible.right);
  const AxisMap rows =
      MapAxis(dstRows, srcRows, combine != Combine::kNone && srcRows.length > dstRows.length,
              sourceBitmap.Height(), visible.top, visible.bottom);
  const TRect area{columns.from, rows.from, columns.to, rows.to};
  if (!area.IsEmpty()) TBlitter(*dst, table, pattern).Copy(area, *src, columns, rows, combine);
  return true;
}
