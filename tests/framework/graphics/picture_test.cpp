#include "framework/graphics/picture.h"

#include <gtest/gtest.h>

#include <fstream>

#include "framework/core/exceptions.h"
#include "framework/core/filer.h"
#include "framework/core/memory_stream.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/icon.h"
#include "framework/graphics/metafile.h"
#include "support/test_data.h"

namespace {

// Plays the form reader and writer for one object's binary properties.
class RecordingFiler : public TFiler {
 public:
  explicit RecordingFiler(const TPersistent* ancestor = nullptr) : TFiler(ancestor) {}
  void DefineBinaryProperty(std::string_view propertyName, const TStreamProc& readData,
                            const TStreamProc& writeData, bool written) override {
    name = propertyName;
    read = readData;
    write = writeData;
    hasData = written;
  }
  std::string name;
  TStreamProc read;
  TStreamProc write;
  bool hasData = false;
};

// A graphic class that fails to load, to see what a picture keeps.
class TBrokenGraphic : public TBitmap {
 public:
  const char* ClassName() const override { return "TBrokenGraphic"; }
  void LoadFromStream(TStream&) override { throw EInvalidGraphic("broken"); }
};

}  // namespace

TEST(Picture, StoresItsGraphicWithTheClassNameFirst) {
  TPicture picture;
  picture.Bitmap().SetSize(2, 1);
  RecordingFiler writer;
  picture.DefineProperties(writer);
  EXPECT_EQ(writer.name, "Data");
  EXPECT_TRUE(writer.hasData);
  TMemoryStream data;
  writer.write(data);
  ASSERT_GT(data.Size(), 8);
  EXPECT_EQ(data.Bytes()[0], 7);
  EXPECT_EQ(std::string(data.Bytes().begin() + 1, data.Bytes().begin() + 8), "TBitmap");

  TPicture read;
  RecordingFiler reader;
  read.DefineProperties(reader);
  EXPECT_FALSE(reader.hasData);  // no graphic yet
  data.SetPosition(0);
  int changes = 0;
  read.SetOnChange([&](TObject*) { ++changes; });
  reader.read(data);
  ASSERT_NE(dynamic_cast<TBitmap*>(read.Graphic()), nullptr);
  EXPECT_EQ(read.Width(), 2);
  EXPECT_GE(changes, 1);

  // Against an ancestor holding an equal graphic nothing is written.
  RecordingFiler againstAncestor(&picture);
  read.DefineProperties(againstAncestor);
  EXPECT_FALSE(againstAncestor.hasData);

  TMemoryStream unknown;
  unknown.WriteByte(5);
  unknown.WriteBuffer("TNope", 5);
  unknown.SetPosition(0);
  EXPECT_THROW(reader.read(unknown), EInvalidGraphic);
}

TEST(Picture, LoadsFilesByExtensionIgnoringCase) {
  qi_test::TempDir dir;
  TBitmap bitmap;
  bitmap.SetSize(3, 3);
  const std::string name = (dir.Path() / "Picture.BMP").string();
  bitmap.SaveToFile(name);
  TPicture picture;
  picture.LoadFromFile(name);
  EXPECT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
  EXPECT_EQ(picture.Height(), 3);

  try {
    picture.LoadFromFile((dir.Path() / "x.xyz").string());
    ADD_FAILURE();
  } catch (const EInvalidGraphic& error) {
    EXPECT_EQ(error.Message(), "Unknown picture file extension (.xyz)");
  }

  TPicture::RegisterFileFormat("brk", "Broken", TGraphicClass::Of<TBrokenGraphic>());
  std::ofstream(dir.Path() / "a.brk") << "x";
  EXPECT_THROW(picture.LoadFromFile((dir.Path() / "a.brk").string()), EInvalidGraphic);
  EXPECT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);  // the old graphic stays
  TPicture::UnregisterGraphicClass("TBrokenGraphic");
  EXPECT_THROW(picture.LoadFromFile((dir.Path() / "a.brk").string()), EInvalidGraphic);
}

TEST(Picture, RegistersClipboardFormatsAndCopiesGraphics) {
  EXPECT_FALSE(TPicture::SupportsClipboardFormat(0xC123));
  TPicture::RegisterClipboardFormat(0xC123, TGraphicClass::Of<TMetafile>());
  EXPECT_TRUE(TPicture::SupportsClipboardFormat(0xC123));
  TPicture::UnregisterGraphicClass("TMetafile");
  EXPECT_FALSE(TPicture::SupportsClipboardFormat(0xC123));

  TBitmap bitmap;
  bitmap.SetSize(4, 4);
  TPicture picture;
  picture.Assign(&bitmap);
  ASSERT_NE(picture.Graphic(), &bitmap);
  EXPECT_EQ(picture.Width(), 4);
  TPicture other;
  other.Assign(&picture);
  EXPECT_EQ(other.Height(), 4);
  TIcon& icon = other.Icon();  // a graphic of another class is replaced
  EXPECT_TRUE(icon.Empty());
  other.Assign(nullptr);
  EXPECT_EQ(other.Graphic(), nullptr);
}
