// The GIF image as the framework meets it after registration: created by class name, loaded by
// pictures from .gif files, read from stored form data in both layouts, and numbered as a
// clipboard format.
#include "gif/picture/gif_registration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "error_message.h"
#include "framework/backends/posix/posix_services.h"
#include "framework/core/class_registry.h"
#include "framework/core/form_compiler.h"
#include "framework/core/form_reader.h"
#include "framework/core/form_writer.h"
#include "framework/core/memory_stream.h"
#include "framework/core/property_table.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/picture.h"
#include "framework/platform/global_memory.h"
#include "gif/picture/gif_image.h"
#include "gif_builder.h"
#include "support/test_data.h"
#include "test_lzw_encoder.h"

namespace {

// Stand-ins for the controls that hold pictures in form data: one with a picture property (as an
// image control has) and one with a GIF image property (as the animator has).
class TPictureHolder : public TComponent {
 public:
  using TComponent::TComponent;
  const char* ClassName() const override { return "TPictureHolder"; }
  const TPropertyTable& Properties() const override {
    static const TPropertyTable table =
        TPropertyTable().Object("Picture", &TPictureHolder::Picture);
    return table;
  }
  TPicture& Picture() { return picture_; }

 private:
  TPicture picture_;
};

class TGifImageHolder : public TComponent {
 public:
  using TComponent::TComponent;
  const char* ClassName() const override { return "TGifImageHolder"; }
  const TPropertyTable& Properties() const override {
    static const TPropertyTable table = TPropertyTable().Object("Image", &TGifImageHolder::Image);
    return table;
  }
  TGIFImage& Image() { return image_; }

 private:
  TGIFImage image_;
};

// Two frames: 3 x 2 at (0, 0), then 1 x 1 at (2, 2).
std::vector<std::uint8_t> TwoFrameGif() {
  return GifBuilder()
      .Signature()
      .Screen(3, 3, 0x81)
      .Table(4)
      .Image(0, 0, 3, 2, 0, EncodeLzw({0, 1, 2, 3, 2, 1}, 2))
      .Image(2, 2, 1, 1, 0, EncodeLzw({3}, 2))
      .Trailer()
      .Data();
}

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
  WriteFile(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

class GifRegistration : public testing::Test {
 protected:
  void SetUp() override {
    RegisterGifImage();
    RegisterClass<TPictureHolder>("TPictureHolder");
    RegisterClass<TGifImageHolder>("TGifImageHolder");
  }

  // Compiles a form source (with picture.gif beside it) and reads it into root.
  void ReadForm(TComponent& root, const std::string& source) {
    WriteFile(dir_.Path() / "picture.gif", TwoFrameGif());
    WriteFile(dir_.Path() / "form.qform", source);
    TMemoryStream data(CompileFormFile((dir_.Path() / "form.qform").string()).data);
    ReadRootComponent(root, data);
  }

  qi_test::TempDir dir_;
  TPosixServices services_{{dir_.Path() / "registry", {10, 0}}};
  TScopedPlatform platform_{services_};
};

}  // namespace

TEST_F(GifRegistration, ClassesFileFormatAndClipboardFormatAreKnownOnceEach) {
  RegisterGifImage();  // a second time
  EXPECT_TRUE(class_registry::IsRegistered("TGIFFrame"));
  std::unique_ptr<TPersistent> made(class_registry::Create("TGIFImage", nullptr));
  EXPECT_NE(dynamic_cast<TGIFImage*>(made.get()), nullptr);

  const auto formats = TPicture::FileFormats();
  EXPECT_EQ(std::count_if(formats.begin(), formats.end(),
                          [](const TPictureFileFormat& format) {
                            return format.extension == "gif" &&
                                   format.description == "CompuServe GIF Image" &&
                                   format.graphicClass.name == "TGIFImage";
                          }),
            1);

  EXPECT_GE(CF_GIF, kFirstRegisteredClipboardFormat);
  EXPECT_EQ(CF_GIF, Platform().RegisterClipboardFormat("gif image"));
  EXPECT_TRUE(TPicture::SupportsClipboardFormat(CF_GIF));
  TMemoryStream gif;
  gif.WriteUInt32(static_cast<std::uint32_t>(TwoFrameGif().size()));
  gif.WriteBuffer(TwoFrameGif().data(), static_cast<std::int64_t>(TwoFrameGif().size()));
  Platform().SetClipboardData(CF_GIF, GlobalBlockOf(gif.Bytes()));
  TPicture picture;
  picture.LoadFromClipboardFormat(CF_GIF, nullptr, nullptr);
  auto* image = dynamic_cast<TGIFImage*>(picture.Graphic());
  ASSERT_NE(image, nullptr) << "GIF clipboard data goes to a GIF image";
  EXPECT_EQ(image->FrameCount(), 2);
}

TEST_F(GifRegistration, APictureLoadsAGifFileThroughAGifImage) {
  WriteFile(dir_.Path() / "two.GIF", TwoFrameGif());
  TPicture picture;
  picture.LoadFromFile((dir_.Path() / "two.GIF").string());
  auto* image = dynamic_cast<TGIFImage*>(picture.Graphic());
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->FrameCount(), 2);
  EXPECT_EQ(picture.Width(), 3);
  EXPECT_EQ(picture.Height(), 2);

  // A file that only has the name keeps the picture as it was.
  WriteFile(dir_.Path() / "not.gif", std::string("BM not a GIF at all"));
  EXPECT_EQ(MessageOf<EInvalidGraphicOperation>(
                [&] { picture.LoadFromFile((dir_.Path() / "not.gif").string()); }),
            "Unknown GIF version");
  EXPECT_EQ(picture.Graphic(), image);
}

TEST_F(GifRegistration, FormDataReadsBothStoredLayouts) {
  TComponent root(nullptr);
  ReadForm(root, R"(
    TComponent Root {
      TPictureHolder Still {
        Picture.Data = { length8("TGIFImage") length32(file "picture.gif") }
      }
      TGifImageHolder Moving {
        Image.Data = { length32(file "picture.gif") }
      }
    })");
  auto& still = dynamic_cast<TPictureHolder&>(*root.FindComponent("Still"));
  auto* stillImage = dynamic_cast<TGIFImage*>(still.Picture().Graphic());
  ASSERT_NE(stillImage, nullptr);
  EXPECT_EQ(stillImage->FrameCount(), 2);
  EXPECT_EQ(still.Picture().Width(), 3);

  auto& moving = dynamic_cast<TGifImageHolder&>(*root.FindComponent("Moving"));
  EXPECT_EQ(moving.Image().FrameCount(), 2);
  EXPECT_EQ(moving.Image().LogicalHeight(), 3);
  ASSERT_NE(moving.Image().FrameAt(0)->FrameBitmap(), nullptr) << "frame 0 decoded on reading";
  EXPECT_EQ(moving.Image().FrameAt(1)->FrameBitmap(), nullptr) << "the others when first used";
}

TEST_F(GifRegistration, StoredDataShorterThanItsLengthIsAReadError) {
  TComponent root(nullptr);
  EXPECT_EQ(MessageOf<EReadError>([&] {
              ReadForm(root, R"(
                TComponent Root {
                  TGifImageHolder Moving {
                    Image.Data = { hex "FF000000" file "picture.gif" }
                  }
                })");
            }),
            "Error reading Moving.Image.Data: Stream read error");
}

TEST_F(GifRegistration, FormDataWrittenHoldsBothLayoutsAndReadsBack) {
  TComponent root(nullptr);
  ReadForm(root, R"(
    TComponent Root {
      TPictureHolder Still {
        Picture.Data = { length8("TGIFImage") length32(file "picture.gif") }
      }
      TGifImageHolder Moving {
        Image.Data = { length32(file "picture.gif") }
      }
    })");
  TMemoryStream out;
  WriteRootComponent(out, root);
  TMemoryStream gif;
  dynamic_cast<TGifImageHolder&>(*root.FindComponent("Moving")).Image().SaveToStream(gif);
  const std::vector<std::uint8_t>& bytes = out.Bytes();
  std::vector<std::uint8_t> stored{9, 'T', 'G', 'I', 'F', 'I', 'm', 'a', 'g', 'e'};
  for (int i = 0; i < 4; ++i)
    stored.push_back(static_cast<std::uint8_t>(gif.Size() >> (8 * i)));
  stored.insert(stored.end(), gif.Bytes().begin(), gif.Bytes().end());
  EXPECT_NE(std::search(bytes.begin(), bytes.end(), stored.begin(), stored.end()), bytes.end())
      << "Picture.Data: the class name, the length, the GIF";

  TComponent again(nullptr);
  out.SetPosition(0);
  ReadRootComponent(again, out);
  auto& still = dynamic_cast<TPictureHolder&>(*again.FindComponent("Still"));
  auto* stillImage = dynamic_cast<TGIFImage*>(still.Picture().Graphic());
  ASSERT_NE(stillImage, nullptr);
  EXPECT_EQ(stillImage->FrameCount(), 2);
  EXPECT_EQ(dynamic_cast<TGifImageHolder&>(*again.FindComponent("Moving")).Image().FrameCount(), 2);
}
