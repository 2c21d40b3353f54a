// GIF pictures saved to streams and files and exchanged through the clipboard.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "colour/reduction_method.h"
#include "error_message.h"
#include "framework/backends/posix/posix_services.h"
#include "framework/core/little_endian.h"
#include "framework/core/memory_stream.h"
#include "framework/graphics/bitmap.h"
#include "framework/platform/global_memory.h"
#include "gif/picture/gif_image.h"
#include "gif/picture/gif_registration.h"
#include "gif_builder.h"
#include "picture_test_gifs.h"
#include "support/test_data.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Bytes Saved(TGIFImage& image) {
  TMemoryStream out;
  image.SaveToStream(out);
  return out.Bytes();
}

// A width x height bitmap of bitCount bits whose palette entry i is TestColor(i) and whose pixel
// (x, y) has index (x + 3y) mod 2^bitCount.
void IndexedBitmap(TBitmap& bitmap, int width, int height, int bitCount) {
  TColorTable table{};
  for (int i = 0; i < 1 << bitCount; ++i)
    table[static_cast<std::size_t>(i)] = TripleToColor(TestColor(i));
  HBITMAP handle = TBitmapObject::Create(width, height, bitCount, table);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      handle->SetPixel(x, y, static_cast<std::uint32_t>((x + 3 * y) % (1 << bitCount)));
  }
  bitmap.SetHandle(handle);
}

std::vector<TColor> Colours(TBitmap& bitmap) {
  std::vector<TColor> colours;
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x)
      colours.push_back(bitmap.Canvas().Pixel(x, y));
  }
  return colours;
}

Bytes FileBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

TEST(GifSaving, SaveToStreamWritesTheGifAndWriteDataPutsItsLengthFirst) {
  TGIFImage image;
  LoadGif(image, SimpleTwoFrameGif());
  const Bytes gif = Saved(image);
  TMemoryStream data;
  image.WriteData(data);
  ASSERT_EQ(data.Size(), static_cast<std::int64_t>(gif.size()) + 4);
  EXPECT_EQ(ReadLittleEndian32(data.Bytes()), gif.size());
  EXPECT_TRUE(std::equal(gif.begin(), gif.end(), data.Bytes().begin() + 4));

  TGIFImage read;
  data.SetPosition(0);
  read.ReadData(data);
  ASSERT_EQ(read.FrameCount(), 2);
  EXPECT_EQ(Colours(read.FrameAt(1)->DecodedBitmap()), Colours(image.FrameAt(1)->DecodedBitmap()));
}

TEST(GifSaving, PicturesMadeFromIndexedBitmapsLoadBackWithTheirColours) {
  for (const int bitCount : {1, 4, 8}) {
    SCOPED_TRACE(std::to_string(bitCount) + " bits");
    TBitmap first;
    IndexedBitmap(first, 7, 5, bitCount);
    TBitmap second;
    IndexedBitmap(second, 3, 9, bitCount);
    TGIFImage image;
    image.Assign(&first);
    image.AppendFrame(&second);
    image.FrameAt(1)->SetDelayMs(250);
    TGIFImage read;
    LoadGif(read, Saved(image));
    ASSERT_EQ(read.FrameCount(), 2);
    EXPECT_EQ(Colours(read.FrameAt(0)->DecodedBitmap()), Colours(first));
    EXPECT_EQ(Colours(read.FrameAt(1)->DecodedBitmap()), Colours(second));
    EXPECT_EQ(read.FrameAt(1)->DelayMs(), 250);
    EXPECT_EQ(read.LogicalWidth(), 7);
    EXPECT_EQ(read.LogicalHeight(), 9);
  }
}

TEST(GifSaving, TrueColourFramesAreReducedByTheDefaultMethodOrToGreys) {
  // 3 x 2 pixels of six colours, at 24 bits.
  TBitmap bitmap;
  bitmap.SetPixelFormat(TPixelFormat::pf24bit);
  bitmap.SetSize(3, 2);
  const std::vector<TColor> colours = {clRed, clLime, clBlue, clWhite, clBlack, RGB(200, 100, 50)};
  for (int i = 0; i < 6; ++i)
    bitmap.Canvas().SetPixel(i % 3, i / 3, colours[static_cast<std::size_t>(i)]);
  const auto greys = [](const std::vector<TColor>& read) {
    return std::all_of(read.begin(), read.end(), [](TColor colour) {
      return GetRValue(colour) == GetGValue(colour) && GetGValue(colour) == GetBValue(colour);
    });
  };
  struct Case {
    const char* what;
    bool grayscale;
    TReductionMethod method;
  };
  const TReductionMethod original = DefaultReductionMethod;
  for (const Case& c : {Case{"popularity keeps few colours", false, TReductionMethod::rmPopularity},
                        Case{"a grayscale frame", true, TReductionMethod::rmPopularity},
                        Case{"grayscale by default", false, TReductionMethod::rmGrayscale}}) {
    SCOPED_TRACE(c.what);
    DefaultReductionMethod = c.method;
    TGIFImage image;
    image.Assign(&bitmap);
    image.FrameAt(0)->SetGrayscale(c.grayscale);
    TGIFImage read;
    LoadGif(read, Saved(image));
    const std::vector<TColor> written = Colours(read.CurrentBitmap());
    EXPECT_EQ(image.FrameAt(0)->Grayscale(),
              c.grayscale || c.method == TReductionMethod::rmGrayscale);
    if (image.FrameAt(0)->Grayscale()) {
      EXPECT_TRUE(greys(written));
    } else {
      EXPECT_EQ(written, colours);
    }
  }
  DefaultReductionMethod = original;
}

TEST(GifSaving, SaveToFileReplacesTheFileWholeOrLeavesItAsItWas) {
  qi_test::TempDir dir;
  const fs::path file = dir.Path() / "picture.gif";
  std::ofstream(file) << "old";
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

  TGIFImage empty;
  EXPECT_EQ(MessageOf([&] { empty.SaveToFile(file.string()); }), "No GIF Data to write");
  EXPECT_EQ(FileBytes(file), (Bytes{'o', 'l', 'd'}));

  TGIFImage image;
  LoadGif(image, SimpleTwoFrameGif());
  image.SaveToFile(file.string());
  EXPECT_EQ(FileBytes(file), Saved(image));
  EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1)
      << "nothing else left in the folder";

  const fs::path nowhere = dir.Path() / "missing" / "picture.gif";
  EXPECT_EQ(MessageOf([&] { image.SaveToFile(nowhere.string()); }),
            "Cannot create file " + nowhere.string());
}

class GifClipboard : public testing::Test {
 protected:
  void SetUp() override { RegisterGifImage(); }

  // What an image puts on the clipboard: its bitmap (placed here, as the caller does) and its GIF
  // data (placed by the image).
  void Copy(TGIFImage& image) {
    std::uint16_t format = 0;
    HGLOBAL data = nullptr;
    HPALETTE palette = nullptr;
    image.SaveToClipboardFormat(format, data, palette);
    if (data != nullptr) Platform().SetClipboardData(format, data);
  }

  qi_test::TempDir dir_;
  TPosixServices services_{{dir_.Path() / "registry", {10, 0}}};
  TScopedPlatform platform_{services_};
};

TEST_F(GifClipboard, AnImageOfEncodedFramesGoesThereAsGifDataBesideTheFirstFramesBitmap) {
  TGIFImage image;
  LoadGif(image, SimpleTwoFrameGif());
  Copy(image);
  const Bytes gifData = GlobalBlockBytes(Platform().GetClipboardData(CF_GIF));
  ASSERT_GE(gifData.size(), 4u);
  EXPECT_EQ(ReadLittleEndian32(gifData), gifData.size() - 4);
  EXPECT_EQ(Bytes(gifData.begin() + 4, gifData.end()), Saved(image));

  TGIFImage pasted;
  pasted.LoadFromClipboardFormat(CF_BITMAP, Platform().GetClipboardData(CF_BITMAP), nullptr);
  ASSERT_EQ(pasted.FrameCount(), 2);
  EXPECT_EQ(pasted.CurrentIndex(), 0);
  EXPECT_EQ(Colours(pasted.FrameAt(1)->DecodedBitmap()),
            Colours(image.FrameAt(1)->DecodedBitmap()));
}

TEST_F(GifClipboard, FrameZeroShowsTheClipboardsBitmapAndTheOthersTheGifData) {
  TGIFImage image;
  LoadGif(image, SimpleTwoFrameGif());
  Copy(image);
  TBitmap other;
  IndexedBitmap(other, 5, 1, 8);
  std::uint16_t format = 0;
  HGLOBAL data = nullptr;
  HPALETTE palette = nullptr;
  other.SaveToClipboardFormat(format, data, palette);
  Platform().SetClipboardData(format, data);

  TGIFImage pasted;
  pasted.LoadFromClipboardFormat(CF_GIF, nullptr, nullptr);
  ASSERT_EQ(pasted.FrameCount(), 2);
  EXPECT_EQ(Colours(pasted.FrameAt(0)->DecodedBitmap()), Colours(other));
  EXPECT_EQ(Colours(pasted.FrameAt(1)->DecodedBitmap()),
            Colours(image.FrameAt(1)->DecodedBitmap()));
}

TEST_F(GifClipboard, AnImageMadeFromABitmapGoesThereAsTheBitmapAlone) {
  TBitmap bitmap;
  IndexedBitmap(bitmap, 4, 2, 4);
  TGIFImage image;
  image.Assign(&bitmap);
  Copy(image);
  EXPECT_FALSE(Platform().IsClipboardFormatAvailable(CF_GIF));

  // Without GIF data, pasting takes the bitmap.
  TGIFImage pasted;
  pasted.LoadFromClipboardFormat(CF_BITMAP, Platform().GetClipboardData(CF_BITMAP), nullptr);
  ASSERT_EQ(pasted.FrameCount(), 1);
  EXPECT_EQ(Colours(pasted.CurrentBitmap()), Colours(bitmap));
  EXPECT_EQ(MessageOf([&] { pasted.LoadFromClipboardFormat(CF_GIF, nullptr, nullptr); }),
            "Unsupported clipboard format");

  TGIFImage empty;
  std::uint16_t format = 0;
  HGLOBAL data = nullptr;
  HPALETTE palette = nullptr;
  empty.SaveToClipboardFormat(format, data, palette);
  EXPECT_EQ(data, nullptr);
}
