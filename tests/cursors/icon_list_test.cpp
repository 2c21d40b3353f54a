#include "cursors/icon_list.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "cursor_fixture.h"
#include "framework/core/component.h"
#include "framework/core/exceptions.h"
#include "framework/core/filer.h"
#include "framework/core/form_reader.h"
#include "framework/core/form_writer.h"
#include "framework/core/memory_stream.h"
#include "framework/core/property_table.h"
#include "framework/graphics/picture.h"
#include "support/ani_bytes.h"

namespace {

// A component that stores an icon list in form data, as "Icons.Icons".
class TIconHolder : public TComponent {
 public:
  using TComponent::TComponent;
  const char* ClassName() const override { return "TIconHolder"; }
  const TPropertyTable& Properties() const override {
    static const TPropertyTable table =
        TPropertyTable(&TComponent::Properties()).Object("Icons", &TIconHolder::Icons);
    return table;
  }
  TIconList& Icons() { return icons_; }

 private:
  TIconList icons_;
};

std::unique_ptr<TIcon> IconOfShade(int shade, int size = 4) {
  TMemoryStream stream(ani_test::IconFile(size, shade));
  auto icon = std::make_unique<TIcon>();
  icon->LoadFromStream(stream);
  return icon;
}

int ShadeOf(const TIcon* icon) {
  return static_cast<int>(icon->Image(0).color->Pixel(0, 0));
}

std::vector<std::uint8_t> Stored(TIconHolder& holder, const TComponent* ancestor = nullptr) {
  TMemoryStream stream;
  WriteRootComponent(stream, holder, ancestor);
  return stream.Bytes();
}

std::vector<std::uint8_t> StoredIcons(TIconList& list) {
  std::vector<std::uint8_t> bytes;
  struct TCapture : TFiler {
    std::vector<std::uint8_t>* out;
    void DefineBinaryProperty(std::string_view, const TStreamProc&, const TStreamProc& write,
                              bool) override {
      TMemoryStream stream;
      write(stream);
      *out = stream.Bytes();
    }
  } capture;
  capture.out = &bytes;
  list.DefineProperties(capture);
  return bytes;
}

void ReadStoredIcons(TIconList& list, const std::vector<std::uint8_t>& bytes) {
  struct TFeed : TFiler {
    const std::vector<std::uint8_t>* in;
    void DefineBinaryProperty(std::string_view, const TStreamProc& read, const TStreamProc&,
                              bool) override {
      TMemoryStream stream(*in);
      read(stream);
    }
  } feed;
  feed.in = &bytes;
  list.DefineProperties(feed);
}

}  // namespace

TEST(IconList, HoldsCopiesAndNotifiesOncePerChange) {
  TIconList list;
  int changes = 0;
  list.SetOnChange([&](TObject* sender) {
    EXPECT_EQ(sender, &list);
    ++changes;
  });
  auto caller = IconOfShade(1);
  EXPECT_EQ(list.Add(caller.get()), 0);
  EXPECT_EQ(changes, 1);
  EXPECT_NE(list.GetIcon(0), caller.get());
  caller->Assign(IconOfShade(2).get());
  EXPECT_EQ(ShadeOf(list.GetIcon(0)), 1);  // the caller's icon changed, not the list's copy
  EXPECT_EQ(changes, 1);
  list.GetIcon(0)->Assign(IconOfShade(3).get());
  EXPECT_EQ(changes, 2);  // a change of an icon in the list is a change of the list

  list.BeginChanges();
  for (int i = 0; i < 10; ++i)
    list.Add(nullptr);
  list.BeginChanges();
  list.Delete(3);
  list.EndChanges();
  EXPECT_EQ(changes, 2);
  list.EndChanges();
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(list.GetCount(), 10);
  EXPECT_TRUE(list.GetIcon(9)->Empty());

  list.PutIcon(10, IconOfShade(4).get());  // at the count: appends
  EXPECT_EQ(changes, 4);
  EXPECT_EQ(ShadeOf(list.GetIcon(10)), 4);
  list.Exchange(0, 10);
  list.MoveIcon(10, 1);
  EXPECT_EQ(ShadeOf(list.GetIcon(0)), 4);
  EXPECT_EQ(ShadeOf(list.GetIcon(1)), 3);
  EXPECT_EQ(list.IndexOf(list.GetIcon(1)), 1);
  EXPECT_EQ(list.IndexOf(caller.get()), -1);
  list.Insert(0, IconOfShade(5).get());
  EXPECT_EQ(ShadeOf(list.GetIcon(0)), 5);
  EXPECT_EQ(changes, 7);

  list.Clear();
  EXPECT_EQ(changes, 8);
  list.Clear();  // also when there was nothing
  EXPECT_EQ(changes, 9);
}

TEST(IconList, RefusesIndexesOutsideTheList) {
  TIconList list;
  list.Add(nullptr);
  const auto icon = IconOfShade(1);
  const std::vector<std::function<void()>> calls = {
      [&] { list.GetIcon(1); },
      [&] { list.GetIcon(-1); },
      [&] { list.Delete(1); },
      [&] { list.PutIcon(2, icon.get()); },
      [&] { list.Exchange(0, 1); },
      [&] { list.MoveIcon(1, 0); },
      [&] { list.Insert(2, icon.get()); },
  };
  for (std::size_t i = 0; i < calls.size(); ++i) {
    try {
      calls[i]();
      ADD_FAILURE() << i;
    } catch (const EListError& error) {
      EXPECT_EQ(error.Message(), "List index out of bounds");
    }
  }
  EXPECT_EQ(list.GetCount(), 1);
}

TEST(IconList, AssignsFromListsAndIconsOnly) {
  TIconList source;
  source.Add(IconOfShade(1).get());
  source.Add(IconOfShade(2).get());
  TIconList list;
  int changes = 0;
  list.SetOnChange([&](TObject*) { ++changes; });
  list.Assign(&source);
  EXPECT_EQ(changes, 1);
  ASSERT_EQ(list.GetCount(), 2);
  EXPECT_EQ(ShadeOf(list.GetIcon(1)), 2);
  EXPECT_NE(list.GetIcon(1), source.GetIcon(1));
  list.Assign(&list);
  EXPECT_EQ(list.GetCount(), 2);
  list.Assign(IconOfShade(3).get());
  ASSERT_EQ(list.GetCount(), 1);
  EXPECT_EQ(ShadeOf(list.GetIcon(0)), 3);
  list.Assign(nullptr);
  EXPECT_EQ(list.GetCount(), 0);
  TPicture picture;
  try {
    list.Assign(&picture);
    ADD_FAILURE();
  } catch (const EConvertError& error) {
    EXPECT_EQ(error.Message(), "Cannot assign a TPicture to a TIconList");
  }
}

TEST(IconList, RoundTripsThroughStoredFormData) {
  TIconHolder holder(nullptr);
  holder.Icons().Add(IconOfShade(1, 8).get());
  holder.Icons().Add(nullptr);
  holder.Icons().PutIcon(1, nullptr);  // empty: stored with size 0
  holder.Icons().Add(IconOfShade(2, 16).get());
  const auto data = Stored(holder);

  TIconHolder read(nullptr);
  TMemoryStream stream(data);
  ReadRootComponent(read, stream);
  ASSERT_EQ(read.Icons().GetCount(), 3);
  EXPECT_EQ(ShadeOf(read.Icons().GetIcon(0)), 1);
  EXPECT_EQ(read.Icons().GetIcon(1), nullptr);  // an empty icon comes back as no icon
  EXPECT_EQ(read.Icons().GetIcon(2)->Width(), 16);
  EXPECT_EQ(StoredIcons(read.Icons()), StoredIcons(holder.Icons()));

  // A null entry is stored as size 0 again; PutIcon gives it an icon.
  read.Icons().PutIcon(1, IconOfShade(7).get());
  EXPECT_EQ(ShadeOf(read.Icons().GetIcon(1)), 7);
}

TEST(IconList, IsStoredByTheAncestorRule) {
  TIconHolder empty(nullptr);
  TIconHolder ancestor(nullptr);
  TIconHolder holder(nullptr);
  const auto without = Stored(empty);
  holder.Icons().Add(nullptr);
  EXPECT_GT(Stored(holder).size(), without.size());
  EXPECT_EQ(Stored(empty, &ancestor), without);  // nothing to store, whatever the ancestor
  // Same count as the ancestor: written, since the entries are other icon objects.
  ancestor.Icons().Add(nullptr);
  EXPECT_GT(Stored(holder, &ancestor).size(), without.size());
  // An ancestor with entries and a list without: not written.
  EXPECT_EQ(Stored(empty, &ancestor), without);
}

TEST(IconList, StoredDataThatDoesNotReadKeepsTheEntriesBefore) {
  TIconList list;
  list.Add(IconOfShade(1).get());
  std::vector<std::uint8_t> bytes = StoredIcons(list);
  bytes[0] = 3;  // three entries announced
  std::vector<std::uint8_t> badIcon = bytes;
  badIcon.insert(badIcon.end(), {4, 0, 0, 0, 1, 2, 3, 4});
  std::vector<std::uint8_t> pastTheData = bytes;
  pastTheData.insert(pastTheData.end(), {0xFF, 0xFF, 0xFF, 0x7F});
  TIconList read;
  EXPECT_THROW(ReadStoredIcons(read, badIcon), EInvalidGraphic);
  EXPECT_EQ(read.GetCount(), 1);
  EXPECT_THROW(ReadStoredIcons(read, pastTheData), EReadError);
  EXPECT_EQ(read.GetCount(), 1);
  EXPECT_THROW(ReadStoredIcons(read, {1, 0}), EReadError);
  EXPECT_EQ(read.GetCount(), 0);
}

TEST_F(CursorTest, IconListsLoadTheProgramsIconsAndTravelThroughTheClipboard) {
  TIconList list;
  EXPECT_EQ(list.AddFromResource("NOSUCHICON"), 0);
  EXPECT_TRUE(list.GetIcon(0)->Empty());
  list.InsertFromResource(0, "MAINICON");
  EXPECT_FALSE(list.GetIcon(0)->Empty());

  RegisterIconClipboardFormat();
  EXPECT_EQ(CF_ICON, services_.RegisterClipboardFormat("Morvel Icon"));
  RegisterIconClipboardFormat();  // a second start-up leaves one registration
  EXPECT_TRUE(TPicture::SupportsClipboardFormat(CF_ICON));
  TPicture picture;
  picture.Icon().Assign(list.GetIcon(0));
  std::uint16_t format = 0;
  HGLOBAL data = nullptr;
  HPALETTE palette = nullptr;
  picture.SaveToClipboardFormat(format, data, palette);
  EXPECT_EQ(format, CF_ICON);
  TPicture pasted;
  pasted.LoadFromClipboardFormat(format, data, palette);
  services_.GlobalFree(data);
  ASSERT_NE(dynamic_cast<TIcon*>(pasted.Graphic()), nullptr);
  EXPECT_EQ(pasted.Width(), list.GetIcon(0)->Width());
}
