// The GIF image as a picture: frames decoded into bitmaps on demand, sizes, drawing (keyed on the
// transparent colour or opaque) and the current bitmap and palette.
#include <gtest/gtest.h>

#include "error_message.h"
#include "framework/core/memory_stream.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/gdi.h"
#include "gif/picture/gif_image.h"
#include "gif_builder.h"
#include "test_lzw_encoder.h"

namespace {

TColor Colour(int index) {
  return TripleToColor(TestColor(index));
}

// 4 x 2 pixels of the colours 0..3; colour 1 is transparent.
const std::vector<std::uint8_t> kKeyedPixels = {0, 1, 2, 3, 1, 1, 0, 2};

std::vector<std::uint8_t> TransparentGif() {
  return GifBuilder()
      .Signature()
      .Screen(4, 2, 0x81)
      .Table(4)
      .GraphicControl(0x01, 0, 1)
      .Image(0, 0, 4, 2, 0, EncodeLzw(kKeyedPixels, 2))
      .Trailer()
      .Data();
}

// Frames of 2 x 2 at (0, 0), 3 x 1 at (1, 1) and 1 x 3 at (2, 0), each of one colour.
std::vector<std::uint8_t> ThreeFrameGif() {
  return GifBuilder()
      .Signature()
      .Screen(3, 3, 0x81)
      .Table(4)
      .Image(0, 0, 2, 2, 0, EncodeLzw({1, 1, 1, 1}, 2))
      .Image(1, 1, 3, 1, 0, EncodeLzw({2, 2, 2}, 2))
      .Image(2, 0, 1, 3, 0, EncodeLzw({3, 3, 3}, 2))
      .Trailer()
      .Data();
}

void Read(TGIFImage& image, const std::vector<std::uint8_t>& gif, bool decodeFirst) {
  TMemoryStream stream(gif);
  image.ReadGif(stream.Size(), stream, decodeFirst);
}

// A 32-bit bitmap in a checkerboard of two colours that no test GIF uses.
TColor PatternAt(int x, int y) {
  return (x + y) % 2 != 0 ? clAqua : clMaroon;
}
void Pattern(TBitmap& bitmap, int width, int height) {
  bitmap.SetSize(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      bitmap.Canvas().SetPixel(x, y, PatternAt(x, y));
}

// Checks every pixel of the target: inside rect (one source pixel per scale x scale block), the
// expected colour of the source pixel; outside, the pattern.
void ExpectDrawn(TBitmap& target, const TRect& rect, int scale,
                 const std::function<TColor(int x, int y, TColor pattern)>& expected) {
  for (int y = 0; y < target.Height(); ++y) {
    for (int x = 0; x < target.Width(); ++x) {
      const bool inside = x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
      const TColor want =
          inside ? expected((x - rect.left) / scale, (y - rect.top) / scale, PatternAt(x, y))
                 : PatternAt(x, y);
      ASSERT_EQ(target.Canvas().Pixel(x, y), want) << x << "," << y;
    }
  }
}

// The transparent test GIF: pattern where colour 1 is, the frame's colours elsewhere.
TColor KeyedPixel(int x, int y, TColor pattern) {
  const int index = kKeyedPixels[static_cast<std::size_t>(y * 4 + x)];
  return index == 1 ? pattern : Colour(index);
}

}  // namespace

TEST(GifPicture, FramesDecodeOnDemandOnceAndDrawingDecodesOnlyTheCurrentOne) {
  TGIFImage image;
  Read(image, ThreeFrameGif(), false);
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(image.FrameAt(i)->FrameBitmap(), nullptr);

  TBitmap target;
  Pattern(target, 4, 4);
  image.SetCurrentIndex(2);
  target.Canvas().Draw(0, 0, &image);
  EXPECT_EQ(image.FrameAt(0)->FrameBitmap(), nullptr);
  EXPECT_EQ(image.FrameAt(1)->FrameBitmap(), nullptr);
  const TBitmap* decoded = image.FrameAt(2)->FrameBitmap();
  ASSERT_NE(decoded, nullptr);
  EXPECT_EQ(target.Canvas().Pixel(0, 2), Colour(3));

  target.Canvas().Draw(1, 0, &image);
  EXPECT_EQ(image.FrameAt(2)->FrameBitmap(), decoded) << "decoded once, then cached";
  EXPECT_EQ(&image.FrameAt(2)->DecodedBitmap(), decoded);

  image.RecomputeScreen();
  for (int i = 0; i < 3; ++i)
    EXPECT_NE(image.FrameAt(i)->FrameBitmap(), nullptr);
  EXPECT_EQ(image.LogicalWidth(), 4);
  EXPECT_EQ(image.LogicalHeight(), 3);
}

TEST(GifPicture, AFrameWithoutPixelsLoadsAsAnEmptyBitmap) {
  for (const auto& [width, height] : {std::pair{0, 2}, {2, 0}, {0, 0}}) {
    SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
    TGIFImage image;
    Read(image,
         GifBuilder()
             .Signature()
             .Screen(3, 3, 0x81)
             .Table(4)
             .Image(0, 0, width, height, 0, EncodeLzw({}, 2))
             .Image(1, 1, 2, 2, 0, EncodeLzw({1, 1, 1, 1}, 2))
             .Trailer()
             .Data(),
         true);
    EXPECT_TRUE(image.CurrentBitmap().Empty());
    EXPECT_EQ(image.Width(), 0);
    EXPECT_FALSE(image.FrameAt(0)->Corrupted());
    image.RecomputeScreen();
    EXPECT_EQ(image.LogicalWidth(), 3);
    EXPECT_EQ(image.LogicalHeight(), 3);
  }
}

TEST(GifPicture, RecomputedScreenKeepsEveryStepIn16Bits) {
  // The first frame reaches to 65530 + 10 = 65540, which 16 bits keep as 4; the second to 100.
  TGIFImage image;
  Read(image,
       GifBuilder()
           .Signature()
           .Screen(1, 1, 0x81)
           .Table(4)
           .Image(65530, 0, 10, 1, 0, EncodeLzw(std::vector<std::uint8_t>(10, 1), 2))
           .Image(0, 0, 100, 1, 0, EncodeLzw(std::vector<std::uint8_t>(100, 2), 2))
           .Trailer()
           .Data(),
       false);
  image.RecomputeScreen();
  EXPECT_EQ(image.LogicalWidth(), 100);
  EXPECT_EQ(image.LogicalHeight(), 1);
}

TEST(GifPicture, SizeIsTheCurrentFramesDecodedSizeAndZeroWithoutACurrentFrame) {
  TGIFImage image;
  Read(image, ThreeFrameGif(), true);
  EXPECT_EQ(image.Width(), 2);
  EXPECT_EQ(image.Height(), 2);
  image.SetCurrentIndex(1);
  EXPECT_EQ(image.Width(), 3);
  EXPECT_EQ(image.Height(), 1);
  for (const int index : {-1, 3}) {
    image.SetCurrentIndex(index);
    EXPECT_EQ(image.Width(), 0);
    EXPECT_EQ(image.Height(), 0);
  }
}

TEST(GifPicture, AFreshImageDrawsNothingAndHasNoPalette) {
  TGIFImage image;
  TBitmap target;
  Pattern(target, 3, 3);
  image.Draw(target.Canvas(), Rect(0, 0, 3, 3));
  ExpectDrawn(target, {}, 1, nullptr);
  EXPECT_EQ(image.CurrentPalette(), nullptr);
  EXPECT_EQ(image.FrameCount(), 0) << "asking for the palette makes no frame";
}

TEST(GifPicture, CurrentBitmapOfAnImageWithoutFramesLeavesOneFrameWithAnEmptyBitmap) {
  TGIFImage image;
  int changes = 0;
  image.SetOnChange([&](TObject*) { ++changes; });
  TBitmap& bitmap = image.CurrentBitmap();
  EXPECT_TRUE(bitmap.Empty());
  ASSERT_EQ(image.FrameCount(), 1);
  EXPECT_EQ(image.FrameAt(0)->FrameBitmap(), &bitmap);
  EXPECT_EQ(image.CurrentIndex(), 0);
  EXPECT_EQ(image.GifVersion(), 1);
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(image.Empty()) << "the frame holds a bitmap object, if an empty one";
  EXPECT_EQ(image.Width(), 0);
  TBitmap target;
  Pattern(target, 2, 2);
  image.Draw(target.Canvas(), Rect(0, 0, 2, 2));
  ExpectDrawn(target, {}, 1, nullptr);
}

TEST(GifPicture, AFailedDecodeLeavesAnEmptyBitmapAndTheNextUseTriesAgain) {
  // No colour table anywhere: the frame reads but cannot decode.
  TGIFImage image;
  Read(image,
       GifBuilder()
           .Signature()
           .Screen(2, 2, 0x00)
           .Image(0, 0, 2, 2, 0, EncodeLzw({1, 1, 1, 1}, 2))
           .Trailer()
           .Data(),
       false);
  TGIFFrame& frame = *image.FrameAt(0);
  for (int attempt = 0; attempt < 2; ++attempt) {
    EXPECT_EQ(MessageOf([&] { image.Width(); }), "Wrong number of colors; must be a power of 2");
    ASSERT_NE(frame.FrameBitmap(), nullptr);
    EXPECT_TRUE(frame.FrameBitmap()->Empty());
  }
  frame.SharedPixels()->SetFrameBits(2);
  frame.SharedPixels()->EditFrameColors().count = 4;
  EXPECT_EQ(frame.DecodedBitmap().Width(), 2);
}

TEST(GifPicture, TransparentDrawingLeavesThePatternWhereTheKeyColourIs) {
  TGIFImage image;
  Read(image, TransparentGif(), true);
  TBitmap target;
  Pattern(target, 6, 4);
  target.Canvas().Draw(1, 1, &image);
  ExpectDrawn(target, Rect(1, 1, 5, 3), 1, KeyedPixel);

  Pattern(target, 10, 5);
  target.Canvas().StretchDraw(Rect(1, 0, 9, 4), &image);
  ExpectDrawn(target, Rect(1, 0, 9, 4), 2, KeyedPixel);
}

TEST(GifPicture, OpaqueDrawingShowsTheKeyColour) {
  TGIFImage image;
  Read(image, TransparentGif(), true);
  TBitmap target;
  Pattern(target, 4, 2);
  image.FrameAt(0)->DrawFrame(target.Canvas(), Rect(0, 0, 4, 2), TFrameTransparency::Opaque);
  ExpectDrawn(target, Rect(0, 0, 4, 2), 1, [](int x, int y, TColor) {
    return Colour(kKeyedPixels[static_cast<std::size_t>(y * 4 + x)]);
  });
}

TEST(GifPicture, ABlackAndWhiteFrameIsKeyedOnItsOwnTransparentColour) {
  for (const int key : {0, 1}) {
    const auto gif = GifBuilder()
                         .Signature()
                         .Screen(2, 2, 0x80)
                         .Bytes({0, 0, 0, 255, 255, 255})  // black, white
                         .GraphicControl(0x01, 0, static_cast<std::uint8_t>(key))
                         .Image(0, 0, 2, 2, 0, EncodeLzw({0, 1, 1, 0}, 2))
                         .Trailer()
                         .Data();
    TGIFImage image;
    Read(image, gif, true);
    ASSERT_TRUE(image.CurrentBitmap().Monochrome());
    TBitmap target;
    Pattern(target, 2, 2);
    target.Canvas().Draw(0, 0, &image);
    ExpectDrawn(target, Rect(0, 0, 2, 2), 1, [key](int x, int y, TColor pattern) {
      const int index = (x + y) % 2;
      return index == key ? pattern : (index == 0 ? clBlack : clWhite);
    });
  }
}

TEST(GifPicture, AssignedImagesGetCopiesOfTheBitmapsNotTheBitmapsThemselves) {
  TGIFImage source;
  Read(source, TransparentGif(), true);
  TBitmap& original = *source.FrameAt(0)->FrameBitmap();
  TGIFImage copy;
  copy.Assign(&source);
  TBitmap* copied = copy.FrameAt(0)->FrameBitmap();
  ASSERT_NE(copied, nullptr);
  EXPECT_NE(copied, &original);
  EXPECT_EQ(copied->Canvas().Pixel(3, 0), Colour(3));

  copied->Canvas().SetPixel(3, 0, clBlack);
  EXPECT_EQ(original.Canvas().Pixel(3, 0), Colour(3));
  TBitmap target;
  Pattern(target, 4, 2);
  source.Draw(target.Canvas(), Rect(0, 0, 4, 2));
  EXPECT_EQ(target.Canvas().Pixel(3, 0), Colour(3));
}

TEST(GifPicture, CurrentPaletteIsTheCurrentBitmapsAndHoldsTheFrameColours) {
  TGIFImage image;
  Read(image, TransparentGif(), true);
  HPALETTE palette = image.CurrentPalette();
  ASSERT_NE(palette, nullptr);
  EXPECT_EQ(palette, image.CurrentBitmap().Palette());
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(palette->Colors()[static_cast<std::size_t>(i)], Colour(i));
}
