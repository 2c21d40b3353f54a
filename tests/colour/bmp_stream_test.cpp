#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "colour/bmp_stream.h"
#include "colour/reduction_method.h"
#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "framework/core/not_implemented.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/dib_access.h"

namespace {

constexpr TColor kRed = 0x0000FF, kBlue = 0xFF0000;

// A bitmap of that depth; colorAt gives each pixel's plain colour (nearest entry when indexed).
std::unique_ptr<TBitmap> MakeBitmap(int width, int height, int depth,
                                    const std::function<TColor(int x, int y)>& colorAt) {
  HBITMAP handle = TBitmapObject::Create(width, height, depth);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      handle->SetPixel(x, y, handle->ValueOf(colorAt(x, y)));
  }
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetHandle(handle);
  return bitmap;
}

// Red on the top row, blue below: tells up from down.
std::unique_ptr<TBitmap> RedOverBlue(int depth) {
  return MakeBitmap(3, 2, depth, [](int, int y) { return y == 0 ? kRed : kBlue; });
}

struct BmpHeaders {
  std::uint32_t fileSize, pixelOffset;
  BITMAPINFOHEADER info;
};

BmpHeaders HeadersOf(const TMemoryStream& stream) {
  BmpHeaders headers{};
  const std::uint8_t* bytes = stream.Memory();
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  std::memcpy(&headers.fileSize, bytes + 2, 4);
  std::memcpy(&headers.pixelOffset, bytes + 10, 4);
  std::memcpy(&headers.info, bytes + 14, sizeof headers.info);
  return headers;
}

std::unique_ptr<TBitmap> Reload(TMemoryStream& stream) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->LoadFromStream(stream);
  return bitmap;
}

TColor ColorAt(TBitmap& bitmap, int x, int y) {
  return bitmap.Handle()->PixelColor(x, y);
}

TEST(BitmapToBmpStream, EightBitsUnderEachMethod) {
  struct Case {
    TReductionMethod method;
    std::uint32_t colorsUsed;
    TColor top, bottom;  // as the written file shows them
  };
  const Case cases[] = {
      {TReductionMethod::rmPopularity, 0, kRed, kBlue},
      {TReductionMethod::rmMedianCut, 2, RGB(255, 15, 15), RGB(15, 15, 255)},
      {TReductionMethod::rmUniform784, 224, kRed, kBlue},
      {TReductionMethod::rmUniform666, 216, kRed, kBlue},
      {TReductionMethod::rmGrayscale, 0, RGB(76, 76, 76), RGB(28, 28, 28)},
  };
  for (const Case& c : cases) {
    const auto bitmap = RedOverBlue(32);
    const auto stream = BitmapToBmpStream(*bitmap, TColorDepth::cd8Bit, c.method);
    EXPECT_EQ(stream->Position(), 0);
    const BmpHeaders headers = HeadersOf(*stream);
    EXPECT_EQ(headers.pixelOffset, 1078u);
    EXPECT_EQ(headers.fileSize, stream->Size());
    EXPECT_EQ(stream->Size(), 1078 + 2 * 4);
    EXPECT_EQ(headers.info.biBitCount, 8);
    EXPECT_EQ(headers.info.biClrUsed, c.colorsUsed) << static_cast<int>(c.method);
    const auto reloaded = Reload(*stream);
    EXPECT_EQ(ColorAt(*reloaded, 2, 0), c.top) << static_cast<int>(c.method);
    EXPECT_EQ(ColorAt(*reloaded, 2, 1), c.bottom) << static_cast<int>(c.method);
  }
}

TEST(BitmapToBmpStream, ColourCountChoosesTheDepth) {
  const struct {
    int colors;
    int bits;
  } cases[] = {{2, 1}, {16, 4}, {256, 8}, {257, 24}, {0, 1}};
  for (const auto& c : cases) {
    const auto bitmap = RedOverBlue(32);
    const auto stream = BitmapToBmpStreamForColors(*bitmap, c.colors);
    EXPECT_EQ(HeadersOf(*stream).info.biBitCount, c.bits) << c.colors;
    EXPECT_EQ(HeadersOf(*stream).fileSize, stream->Size()) << c.colors;
  }
}

// Below 8 bits the standard palettes take the nearest colours; at 24 bits colours stay.
TEST(BitmapToBmpStream, OtherDepthsKeepThePicture) {
  const struct {
    TColorDepth depth;
    int sourceBits;
    TColor top, bottom;
  } cases[] = {
      {TColorDepth::cd1Bit, 32, RGB(0, 0, 0), RGB(0, 0, 0)},
      {TColorDepth::cd4Bit, 32, kRed, kBlue},
      {TColorDepth::cd24Bit, 8, kRed, kBlue},
      {TColorDepth::cd24Bit, 32, kRed, kBlue},
  };
  for (const auto& c : cases) {
    const auto bitmap = RedOverBlue(c.sourceBits);
    const auto stream = BitmapToBmpStream(*bitmap, c.depth, TReductionMethod::rmGrayscale);
    const BmpHeaders headers = HeadersOf(*stream);
    EXPECT_EQ(headers.info.biBitCount, BitsOfDepth(c.depth));
    EXPECT_EQ(headers.fileSize, stream->Size());
    const auto reloaded = Reload(*stream);
    EXPECT_EQ(ColorAt(*reloaded, 0, 0), c.top) << BitsOfDepth(c.depth);
    EXPECT_EQ(ColorAt(*reloaded, 0, 1), c.bottom) << BitsOfDepth(c.depth);
  }
}

TEST(BitmapToBmpStream, BitmapAtTheDepthAskedForIsWrittenAsItIs) {
  const struct {
    int bits;
    TColorDepth depth;
    TReductionMethod method;
    bool asItIs;
  } cases[] = {
      {8, TColorDepth::cd8Bit, TReductionMethod::rmMedianCut, true},
      {8, TColorDepth::cd8Bit, TReductionMethod::rmGrayscale, false},
      {24, TColorDepth::cd24Bit, TReductionMethod::rmPopularity, true},
      {4, TColorDepth::cd4Bit, TReductionMethod::rmTriplet, true},
      {32, TColorDepth::cdDevice, TReductionMethod::rmPopularity, true},
  };
  for (const auto& c : cases) {
    const auto bitmap = RedOverBlue(c.bits);
    TMemoryStream own;
    bitmap->SaveToStream(own);
    const auto stream = BitmapToBmpStream(*bitmap, c.depth, c.method);
    EXPECT_EQ(stream->Bytes() == own.Bytes(), c.asItIs) << c.bits;
  }
}

TEST(BitmapToBmpStream, DeviceDepthOtherwiseIsNotImplemented) {
  int reports = 0;
  const auto previous = SetNotImplementedReport([&reports] { ++reports; });
  const struct {
    int bits;
    TReductionMethod method;
  } cases[] = {{8, TReductionMethod::rmPopularity}, {32, TReductionMethod::rmGrayscale}};
  for (const auto& c : cases) {
    const auto bitmap = RedOverBlue(c.bits);
    EXPECT_THROW(BitmapToBmpStream(*bitmap, TColorDepth::cdDevice, c.method), EAbort);
  }
  SetNotImplementedReport(previous);
  EXPECT_EQ(reports, 2);
}

TEST(BitmapToBmpStream, BitmapWithoutHandleIsNotValid) {
  TBitmap empty;
  try {
    BitmapToBmpStream(empty, TColorDepth::cd8Bit, TReductionMethod::rmPopularity);
    FAIL() << "no exception";
  } catch (const EInvalidGraphic& error) {
    EXPECT_EQ(error.Message(), "Bitmap image is not valid");
  }
}

}  // namespace
