#include "input_picture.h"

#include <vector>

#include "cursors/animated_cursor_image.h"
#include "framework/core/little_endian.h"
#include "framework/core/memory_stream.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/icon.h"

namespace {

// An icon or cursor file starts with a reserved 0 and the type 1 or 2.
bool IsIconFile(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 4 || ReadLittleEndian16(bytes, 0) != 0) return false;
  const std::uint16_t type = ReadLittleEndian16(bytes, 2);
  return type == 1 || type == 2;
}

void DrawIcon(TMemoryStream& stream, TBitmap& bitmap) {
  TIcon icon;
  icon.LoadFromStream(stream);
  bitmap.Canvas().Brush().SetColor(clWhite);
  bitmap.SetSize(icon.Width(), icon.Height());
  bitmap.Canvas().Draw(0, 0, &icon);
}

}  // namespace

void LoadInputPicture(std::span<const std::uint8_t> bytes, TBitmap& bitmap) {
  TMemoryStream stream(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
  if (IsAniFile(bytes)) {
    TAnimatedCursorImage animation;
    animation.LoadFromStream(stream);
    bitmap.Canvas().Brush().SetColor(clWhite);
    bitmap.Assign(&animation);
  } else if (IsIconFile(bytes)) {
    DrawIcon(stream, bitmap);
  } else {
    bitmap.LoadFromStream(stream);
  }
}
