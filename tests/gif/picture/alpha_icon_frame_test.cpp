// GIF frames of icons whose images carry alpha: one transparent colour, no partial cover.
#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/icon.h"
#include "gif/picture/gif_image.h"

TEST(AlphaIconFrame, PixelsAtLeastHalfCoveredKeepTheirColourTheOthersBecomeTransparent) {
  struct Case {
    std::uint32_t alpha;
    std::uint32_t rgb;  // as stored: red in the high byte
    TColor expected;
  };
  const Case cases[] = {
      {255, 0xFF0000, clRed},     {128, 0x00FF00, clLime},  // whole, not blended with fuchsia
      {127, 0x0000FF, clFuchsia}, {1, 0xFFFFFF, clFuchsia}, {0, 0xFFFFFF, clFuchsia},
  };
  const int count = static_cast<int>(std::size(cases));
  TBitmapHandle color(TBitmapObject::Create(count, 1, 32));
  TBitmapHandle mask(TBitmapObject::Create(count, 1, 1));
  for (int x = 0; x < count; ++x)
    color->SetPixel(x, 0, cases[x].alpha << 24 | cases[x].rgb);
  TIconFile file;
  file.images.emplace_back(std::move(color), std::move(mask));
  TIcon icon;
  icon.SetImages(std::move(file));

  TGIFImage image;
  image.AppendFrame(&icon);
  TGIFFrame& frame = *image.FrameAt(0);
  EXPECT_EQ(frame.TransparentColor(), clFuchsia);
  for (int x = 0; x < count; ++x)
    EXPECT_EQ(frame.DecodedBitmap().Canvas().Pixel(x, 0), cases[x].expected)
        << "alpha " << cases[x].alpha;
}
