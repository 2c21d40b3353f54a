// GIF files saved from pictures made of bitmaps of every depth, icons and metafiles, read back by
// the peers: giflib must find exactly the colour indexes that were encoded (the bitmap's own, or
// those of its reduction to 256 colours), and ImageMagick exactly the colours.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "colour/bmp_stream.h"
#include "dib_pixels.h"
#include "framework/core/memory_stream.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/icon.h"
#include "framework/graphics/metafile.h"
#include "gif/picture/gif_image.h"
#include "giflib_oracle.h"
#include "support/test_data.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// What a saved frame must read back as: colour indexes (top row first) and their colours.
struct Expected {
  Bytes indexes;
  std::vector<TColor> colours;
};

Expected FromIndexedBitmap(TBitmap& bitmap) {
  Expected expected;
  const TBitmapObject& bits = *bitmap.Handle();
  for (int y = 0; y < bits.Height(); ++y) {
    for (int x = 0; x < bits.Width(); ++x) {
      expected.indexes.push_back(static_cast<std::uint8_t>(bits.Pixel(x, y)));
      expected.colours.push_back(bits.PixelColor(x, y));
    }
  }
  return expected;
}

Expected FromBitmapFileImage(const TMemoryStream& image) {
  const DibPixels dib = ReadDibPixels(image);
  Expected expected{dib.indexes, {}};
  for (const std::uint8_t index : dib.indexes)
    expected.colours.push_back(QuadToColor(dib.palette[index]));
  return expected;
}

// 40 x 30 pixels of 1, 4 or 8 bits over a palette of distinct colours.
void IndexedBitmap(TBitmap& bitmap, int bitCount) {
  TColorTable table{};
  for (int i = 0; i < 1 << bitCount; ++i)
    table[static_cast<std::size_t>(i)] = RGB(static_cast<std::uint8_t>(i), 255, 0);
  HBITMAP handle = TBitmapObject::Create(40, 30, bitCount, table);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 40; ++x)
      handle->SetPixel(x, y, static_cast<std::uint32_t>((x * y + x / 3) % (1 << bitCount)));
  }
  bitmap.SetHandle(handle);
}

// 64 x 48 pixels of 24 bits and far more than 256 colours.
void TrueColourBitmap(TBitmap& bitmap) {
  bitmap.SetPixelFormat(TPixelFormat::pf24bit);
  bitmap.SetSize(64, 48);
  for (int y = 0; y < 48; ++y) {
    for (int x = 0; x < 64; ++x) {
      bitmap.Canvas().SetPixel(
          x, y,
          RGB(static_cast<std::uint8_t>(x * 4), static_cast<std::uint8_t>(y * 5),
              static_cast<std::uint8_t>((x + y) * 2)));
    }
  }
}

void SmallIcon(TIcon& icon) {
  TBitmapHandle color(TBitmapObject::Create(16, 16, 24));
  TBitmapHandle mask(TBitmapObject::Create(16, 16, 1));
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      color->SetPixel(x, y, color->ValueOf(RGB(static_cast<std::uint8_t>(x * 16), 0, 200)));
      mask->SetPixel(x, y, x + y < 8 ? 1 : 0);
    }
  }
  TIconFile file;
  file.images.emplace_back(std::move(color), std::move(mask));
  icon.SetImages(std::move(file));
}

// The colours ImageMagick reads from a GIF file: 8-bit red, green and blue per pixel.
std::vector<TColor> ColoursByImageMagick(const fs::path& file) {
  const std::string command = "convert '" + file.string() + "' -depth 8 rgb:- 2>/dev/null";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::vector<TColor> colours;
  std::uint8_t rgb[3];
  while (pipe && std::fread(rgb, 1, 3, pipe.get()) == 3)
    colours.push_back(RGB(rgb[0], rgb[1], rgb[2]));
  return colours;
}

bool HaveImageMagick() {
  return std::system("convert -version >/dev/null 2>&1") == 0;
}

}  // namespace

TEST(GifSavingConformance, GiflibAndImageMagickReadBackWhatPicturesOfEveryKindSave) {
  QI_REQUIRE_TESTDATA();  // the peers belong with the shared corpus
  const bool imageMagick = HaveImageMagick();
  if (!imageMagick) std::cout << "ImageMagick (convert) not found: giflib alone checks\n";
  qi_test::TempDir dir;
  const fs::path file = dir.Path() / "saved.gif";

  struct Case {
    std::string what;
    std::unique_ptr<TGraphic> source;
  };
  std::vector<Case> cases;
  for (const int bitCount : {1, 4, 8}) {
    auto bitmap = std::make_unique<TBitmap>();
    IndexedBitmap(*bitmap, bitCount);
    cases.push_back({std::to_string(bitCount) + "-bit bitmap", std::move(bitmap)});
  }
  auto trueColour = std::make_unique<TBitmap>();
  TrueColourBitmap(*trueColour);
  cases.push_back({"24-bit bitmap", std::move(trueColour)});
  auto icon = std::make_unique<TIcon>();
  SmallIcon(*icon);
  cases.push_back({"icon", std::move(icon)});
  auto metafile = std::make_unique<TMetafile>();
  metafile->SetWidth(20);
  metafile->SetHeight(10);
  metafile->Record(TMetafile::FillStep{Rect(2, 2, 15, 8), clNavy});
  metafile->Record(TMetafile::LineStep{{0, 9}, {19, 0}, clYellow});
  cases.push_back({"metafile", std::move(metafile)});

  for (Case& c : cases) {
    SCOPED_TRACE(c.what);
    TGIFImage image;
    image.AppendFrame(c.source.get());
    image.SaveToFile(file.string());
    // What was encoded: the frame's bitmap itself when it has a palette, else its reduction.
    TBitmap& bitmap = *image.FrameAt(0)->FrameBitmap();
    const Expected expected = bitmap.PixelFormat() == TPixelFormat::pf1bit ||
                                      bitmap.PixelFormat() == TPixelFormat::pf4bit ||
                                      bitmap.PixelFormat() == TPixelFormat::pf8bit
                                  ? FromIndexedBitmap(bitmap)
                                  : FromBitmapFileImage(*BitmapToBmpStream(
                                        bitmap, TColorDepth::cd8Bit, DefaultReductionMethod));

    const GiflibImage decoded = DecodeWithGiflib(file);
    ASSERT_TRUE(decoded.complete);
    ASSERT_EQ(decoded.frames.size(), 1u);
    EXPECT_EQ(decoded.frames[0].indexes, expected.indexes);
    if (imageMagick) {
      EXPECT_EQ(ColoursByImageMagick(file), expected.colours);
    }
  }
}
