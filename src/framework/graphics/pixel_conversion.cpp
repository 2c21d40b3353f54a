#include "framework/graphics/pixel_conversion.h"

TPixelConversion::TPixelConversion(const TDeviceContext& source, const TDeviceContext& destination)
    : destination_(destination.Bitmap()) {
  const TBitmapObject& from = source.Bitmap();
  if (from.IsIndexed()) {
    BuildTable(source, destination);
  } else if (destination_.IsMonochrome()) {
    kind_ = Kind::kToMonochrome;
    background_ = source.PhysicalColor(source.Current().backgroundColor) & 0xFFFFFF;
  } else if (destination_.IsIndexed()) {
    kind_ = Kind::kNearest;
  }
}

void TPixelConversion::BuildTable(const TDeviceContext& source, const TDeviceContext& destination) {
  const TBitmapObject& from = source.Bitmap();
  const int count = from.ColorCount();
  const bool sameTable = from.BitsPerPixel() == destination_.BitsPerPixel() &&
                         from.ColorTable() == destination_.ColorTable();
  if (sameTable) return;  // identity: monochrome to monochrome, or equal indexed formats
  kind_ = Kind::kTable;
  if (from.IsMonochrome()) {
    table_[0] = destination.PhysicalColor(destination.Current().textColor);
    table_[1] = destination.PhysicalColor(destination.Current().backgroundColor);
  } else if (destination_.IsMonochrome()) {
    const TColor background = source.NearestColor(source.Current().backgroundColor);
    for (int i = 0; i < count; ++i)
      table_[i] = from.ColorTable()[i] == background ? 1 : 0;
  } else {
    for (int i = 0; i < count; ++i)
      table_[i] = destination_.ValueOf(from.ColorTable()[i]);
  }
}

void TPixelConversion::Convert(std::uint32_t* values, int count) {
  switch (kind_) {
    case Kind::kIdentity:
      return;
    case Kind::kTable:
      for (int i = 0; i < count; ++i)
        values[i] = table_[values[i] & 0xFF];
      return;
    case Kind::kToMonochrome:
      for (int i = 0; i < count; ++i)
        values[i] = (values[i] & 0xFFFFFF) == background_ ? 1 : 0;
      return;
    case Kind::kNearest:
      for (int i = 0; i < count; ++i) {
        const std::uint32_t rgb = values[i] & 0xFFFFFF;
        auto found = nearest_.find(rgb);
        if (found == nearest_.end()) {
          found = nearest_.emplace(rgb, destination_.ValueOf(static_cast<TColor>(SwapRedBlue(rgb))))
                      .first;
        }
        values[i] = found->second;
      }
      return;
  }
}
