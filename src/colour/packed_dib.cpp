#include "colour/packed_dib.h"

#include <span>

#include "colour/dib_conversion.h"
#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "framework/graphics/dib_format.h"
#include "framework/graphics/graphics_messages.h"

std::unique_ptr<TMemoryStream> BitmapToPackedDib(HBITMAP bitmap, HPALETTE palette,
                                                 TColorDepth depth) {
  if (bitmap == nullptr) throw EInvalidGraphic(graphics_messages::kInvalidBitmap);
  const TDibSizes sizes = GetDibSizes(bitmap, depth);
  const std::size_t rowsAt = kBmpFileHeaderBytes + sizes.headerBytes;
  auto file = std::make_unique<TMemoryStream>();
  file->SetSize(static_cast<std::int64_t>(rowsAt + sizes.imageBytes));
  BITMAPINFO info{};
  // Tolerated as the platform has it: a bitmap that can't be read gives zero rows.
  ReadDibBits(bitmap, palette, info, file->Memory() + rowsAt, depth);
  const std::size_t colors = (sizes.headerBytes - sizeof(BITMAPINFOHEADER)) / sizeof(RGBQUAD);
  WriteBmpHeaders(*file, info.bmiHeader, std::span(info.bmiColors, colors));
  file->SetPosition(0);
  return file;
}
