// Feeds arbitrary bytes to the icon and cursor reader. Accepted files must survive writing and
// reading back with the same images, and draw; rejected ones must raise EInvalidGraphic.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/icon.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TIconFile file;
  try {
    file = ReadIconFile(std::span<const std::uint8_t>(data, size));
  } catch (const EInvalidGraphic&) {
    return 0;
  }
  TMemoryStream saved;
  WriteIconFile(saved, file);
  const TIconFile again = ReadIconFile(saved.Bytes());
  if (again.images.size() != file.images.size() || again.cursor != file.cursor) std::abort();
  for (std::size_t i = 0; i < file.images.size(); ++i) {
    if (again.images[i].Width() != file.images[i].Width() ||
        again.images[i].Height() != file.images[i].Height())
      std::abort();
  }
  TIcon icon;
  icon.SetImages(std::move(file));
  TBitmap target;
  target.SetSize(24, 24);
  target.Canvas().StretchDraw(Rect(0, 0, 24, 24), &icon);
  return 0;
}
