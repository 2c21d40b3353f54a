#include "colour/reduction_rows.h"

#include "framework/graphics/pixel_buffer.h"

TReductionRows TReductionRows::Of(const BITMAPINFOHEADER& header) {
  if (header.biWidth <= 0 || header.biHeight <= 0) return {};
  pixel_buffer::RequireSize(header.biWidth, header.biHeight, 24, "Bitmap");
  return {header.biWidth, header.biHeight, *pixel_buffer::RowBytes(header.biWidth, 24),
          *pixel_buffer::RowBytes(header.biWidth, 8)};
}
