#include "framework/controls/screen.h"

#include "framework/controls/cursor_loading.h"

#include <gtest/gtest.h>

#include "headless_fixture.h"

namespace {

// A cursor that counts its own destruction.
struct CountedCursor : TCursorObject {
  explicit CountedCursor(int& destroyed) : TCursorObject(TCursorImage{}), destroyed_(destroyed) {}
  ~CountedCursor() override { ++destroyed_; }
  int& destroyed_;
};

class CursorTable : public HeadlessTest {
 protected:
  HCURSOR NewCursor() { return new CountedCursor(destroyed_); }
  int destroyed_ = 0;
};

TEST_F(CursorTable, AMissingNumberReadsAsTheDefaultCursorAndCrNoneAsNull) {
  EXPECT_EQ(Screen->Cursors(100), Screen->Cursors(crDefault));
  EXPECT_NE(Screen->Cursors(crDefault), nullptr);
  EXPECT_EQ(Screen->Cursors(crNone), nullptr);
  EXPECT_NE(Screen->Cursors(crHandPoint), Screen->Cursors(crDefault));
}

TEST_F(CursorTable, WritingReplacesAndDestroysTheOldCursor) {
  HCURSOR first = NewCursor();
  HCURSOR second = NewCursor();
  Screen->SetCursors(100, first);
  EXPECT_EQ(Screen->Cursors(100), first);
  Screen->SetCursors(100, second);
  EXPECT_EQ(Screen->Cursors(100), second);
  EXPECT_EQ(destroyed_, 1);
  Screen->SetCursors(100, nullptr);  // removes: the number reads as the default again
  EXPECT_EQ(destroyed_, 2);
  EXPECT_EQ(Screen->Cursors(100), Screen->Cursors(crDefault));
}

TEST_F(CursorTable, CrNoneIsIgnoredAndZeroReplacesTheDefault) {
  HCURSOR cursor = NewCursor();
  Screen->SetCursors(crNone, cursor);
  EXPECT_EQ(Screen->Cursors(crNone), nullptr);
  Screen->SetCursors(crDefault, cursor);
  EXPECT_EQ(Screen->Cursors(crDefault), cursor);
  EXPECT_EQ(Screen->Cursors(555), cursor);
  Screen->SetCursors(crDefault, nullptr);  // back to the system arrow, and the old one is freed
  EXPECT_EQ(destroyed_, 1);
  EXPECT_TRUE(Screen->Cursors(crDefault)->system);
}

TEST_F(CursorTable, AHandleHeldTwiceIsDestroyedOnceWhenItsLastEntryGoes) {
  HCURSOR cursor = NewCursor();
  Screen->SetCursors(100, cursor);
  Screen->SetCursors(100, cursor);  // the same handle again: nothing is freed
  EXPECT_EQ(destroyed_, 0);
  Screen->SetCursors(101, cursor);
  Screen->SetCursors(100, nullptr);
  EXPECT_EQ(destroyed_, 0);
  EXPECT_EQ(Screen->Cursors(101), cursor);
  Screen->SetCursors(101, nullptr);
  EXPECT_EQ(destroyed_, 1);
}

TEST_F(CursorTable, TheDefaultHandleWrittenUnderANumberIsNotFreedWhenThatNumberIsReused) {
  // "Free" numbers are those reading as the default; one holding the default's own handle is
  // taken over, which must not destroy the default cursor itself.
  HCURSOR defaultCursor = NewCursor();
  Screen->SetCursors(crDefault, defaultCursor);
  Screen->SetCursors(100, defaultCursor);
  Screen->SetCursors(100, NewCursor());
  EXPECT_EQ(destroyed_, 0);
  EXPECT_EQ(Screen->Cursors(crDefault), defaultCursor);
}

TEST_F(CursorTable, TheScreenFreesWhatItHoldsWhenItGoes) {
  Screen->SetCursors(100, NewCursor());
  Screen->SetCursors(101, NewCursor());
  application_.reset();
  EXPECT_EQ(destroyed_, 2);
}

TEST_F(CursorTable, PixelsPerInchComesFromTheBackendUnlessSet) {
  EXPECT_EQ(Screen->PixelsPerInch(), 96);
  backend_.SetScreenPixelsPerInch(120);
  EXPECT_EQ(Screen->PixelsPerInch(), 120);
  Screen->SetPixelsPerInch(144);
  EXPECT_EQ(Screen->PixelsPerInch(), 144);
}

}  // namespace

namespace {

TEST_F(CursorTable, ACursorResourceBecomesAColourCursorWithItsHotSpot) {
  HCURSOR cursor = LoadCursorFromResource("KALDCURSOR");
  ASSERT_NE(cursor, nullptr);
  EXPECT_EQ(cursor->image.image.width, 32);
  EXPECT_EQ(cursor->image.image.height, 32);
  EXPECT_EQ(cursor->image.hotSpotX, 7);
  EXPECT_EQ(cursor->image.hotSpotY, 0);
  Screen->SetCursors(100, cursor);  // the table frees it
  EXPECT_EQ(LoadCursorFromResource("NOSUCHCURSOR"), nullptr);
}

}  // namespace
