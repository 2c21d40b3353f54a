#include "cursors/cursor_registration.h"

#include "cursor_fixture.h"
#include "cursors/animated_cursor_resource.h"
#include "framework/controls/screen.h"
#include "framework/core/exceptions.h"
#include "framework/platform/cursor.h"
#include "support/ani_bytes.h"

namespace {

using CursorRegistrationTest = CursorTest;

bool ShowsDefault(int number) {
  return Screen->Cursors(number) == Screen->Cursors(crDefault);
}

// Takes every number from first to last with one handle (not the default one) under all of them.
void TakeNumbers(int first, int last) {
  const HCURSOR taken = Screen->Cursors(crIBeam);
  for (int number = first; number <= last; ++number)
    Screen->SetCursors(number, taken);
}

TEST_F(CursorRegistrationTest, EachCallTakesTheNextFreeNumberFrom100) {
  const TCursor first = AddCursorFromResource("KALDCURSOR");
  const TCursor second = AddCursorFromResource("KALDCURSOR");
  EXPECT_EQ(first, 100);
  EXPECT_EQ(second, 101);
  EXPECT_NE(Screen->Cursors(100), Screen->Cursors(101)) << "each number holds its own cursor";
  EXPECT_EQ(Screen->Cursors(100)->image.hotSpotX, 7);
  EXPECT_TRUE(ShowsDefault(102));
}

TEST_F(CursorRegistrationTest, ANumberHoldingTheDefaultCursorIsFreeAndTakenOver) {
  Screen->SetCursors(100, Screen->Cursors(crDefault));
  EXPECT_EQ(AddCursorFromResource("KALDCURSOR"), 100);
  EXPECT_FALSE(ShowsDefault(100));
  EXPECT_NE(Screen->Cursors(crDefault), nullptr) << "the default cursor was not destroyed";
}

TEST_F(CursorRegistrationTest, TheFixedNumbersAreSkippedWhileTheyHoldACursor) {
  RegisterFixedCursors();
  EXPECT_FALSE(ShowsDefault(crHandCursor));
  EXPECT_FALSE(ShowsDefault(crDragCursor));
  EXPECT_NE(Screen->Cursors(crHandCursor), Screen->Cursors(crDragCursor));
  TakeNumbers(100, 13999);
  EXPECT_EQ(AddCursorFromResource("KALDCURSOR"), 14002);
}

TEST_F(CursorRegistrationTest, AFixedCursorMissingAtStartUpLeavesItsNumberFree) {
  services_.hiddenResources.insert("LIB_HANDCUR");
  RegisterFixedCursors();
  EXPECT_TRUE(ShowsDefault(crHandCursor));
  EXPECT_FALSE(ShowsDefault(crDragCursor));
  TakeNumbers(100, 13999);
  EXPECT_EQ(AddCursorFromResource("KALDCURSOR"), crHandCursor);
}

TEST_F(CursorRegistrationTest, WithEveryNumberTakenTheCursorIsDestroyedAndOutOfResourcesRaised) {
  TakeNumbers(100, 32767);
  try {
    AddCursorFromResource("KALDCURSOR");
    FAIL() << "no error";
  } catch (const EOutOfResources& error) {
    EXPECT_EQ(error.Message(), "Out of system resources");
  }
  // The loaded cursor is not leaked (the sanitizer build checks) and nothing was replaced.
  EXPECT_EQ(Screen->Cursors(32767), Screen->Cursors(crIBeam));
}

TEST_F(CursorRegistrationTest, AMissingCursorRaisesResourceNotFoundWithItsNameOrNumber) {
  try {
    AddCursorFromResource("NOSUCHCURSOR");
    FAIL() << "no error";
  } catch (const EResNotFound& error) {
    EXPECT_EQ(error.Message(), "Resource NOSUCHCURSOR not found");
  }
  try {
    AddCursorFromResource(TResourceName(std::uint16_t{42}));
    FAIL() << "no error";
  } catch (const EResNotFound& error) {
    EXPECT_EQ(error.Message(), "Resource 42 not found");
  }
  try {
    AddCursorFromResource("#42");
    FAIL() << "no error";
  } catch (const EResNotFound& error) {
    EXPECT_EQ(error.Message(), "Resource #42 not found");
  }
  EXPECT_TRUE(ShowsDefault(100));
}

TEST_F(CursorRegistrationTest, AnAnimatedCursorResourceIsRegisteredThroughATemporaryFile) {
  EXPECT_EQ(AddCursorFromResource("STATICANI"), 100);
  EXPECT_EQ(Screen->Cursors(100)->image.hotSpotX, 13);
  EXPECT_EQ(Screen->Cursors(100)->image.hotSpotY, 16);
  ASSERT_EQ(services_.tempFilesMade.size(), 1u);
  EXPECT_TRUE(TempFiles().empty());
}

TEST_F(CursorRegistrationTest, AnAnimatedCursorResourceGivesAnAnimatedCursor) {
  using namespace ani_test;
  services_.addedResources[{"SPINNER", RT_ANICURSOR}] =
      AniFile({AniHeader(3, 3, 7), Values("rate", {6, 10, 3}),
               FrameList({CursorFile(32, {3, 4}, 1), CursorFile(32, {5, 6}, 2),
                          CursorFile(32, {7, 8}, 3)})});
  const TCursor number = AddCursorFromResource("SPINNER");
  const HCURSOR cursor = Screen->Cursors(number);
  ASSERT_EQ(cursor->steps.size(), 3u);
  EXPECT_EQ(cursor->steps[0].durationMs, 100u);
  EXPECT_EQ(cursor->steps[1].durationMs, 166u);
  EXPECT_EQ(cursor->steps[2].durationMs, 50u);
  EXPECT_EQ(cursor->steps[2].image.hotSpotX, 7);
  EXPECT_EQ(cursor->steps[2].image.hotSpotY, 8);
  EXPECT_TRUE(TempFiles().empty());
  const HCURSOR direct = LoadAnimatedCursorResource("SPINNER");
  ASSERT_NE(direct, nullptr);
  EXPECT_EQ(direct->steps.size(), 3u);
  DestroyCursor(direct);
}

TEST_F(CursorRegistrationTest, DamagedCursorDataGivesNoCursorInsteadOfAnError) {
  std::vector<std::uint8_t> damaged = ani_test::CursorFile(32, {1, 1});
  damaged.resize(40);
  services_.addedResources[{"LIB_HANDCUR", RT_GROUP_CURSOR}] = damaged;
  EXPECT_NO_THROW(RegisterFixedCursors());
  EXPECT_TRUE(ShowsDefault(crHandCursor));
  EXPECT_FALSE(ShowsDefault(crDragCursor));
  services_.addedResources[{"DAMAGED", RT_GROUP_CURSOR}] = damaged;
  EXPECT_THROW(AddCursorFromResource("DAMAGED"), EResNotFound);
}

TEST_F(CursorRegistrationTest, AnAnimatedCursorNoReaderCanMakeIsAMissingResource) {
  try {
    AddCursorFromResource("BROKENANI");
    FAIL() << "no error";
  } catch (const EResNotFound& error) {
    EXPECT_EQ(error.Message(), "Resource BROKENANI not found");
  }
  EXPECT_EQ(services_.tempFilesMade.size(), 1u);
  EXPECT_TRUE(TempFiles().empty()) << "the temporary file is deleted on failure too";
  EXPECT_TRUE(ShowsDefault(100));
}

}  // namespace
