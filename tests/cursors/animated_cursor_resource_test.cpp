#include "cursors/animated_cursor_resource.h"

#include "cursor_fixture.h"
#include "framework/core/exceptions.h"
#include "framework/platform/cursor.h"

namespace {

using AnimatedCursorResourceTest = CursorTest;

TEST_F(AnimatedCursorResourceTest, WithoutAnAnimatedCursorResourceNoFileIsMade) {
  EXPECT_EQ(LoadAnimatedCursorResource("KALDCURSOR"), nullptr) << "a cursor group is not one";
  EXPECT_EQ(LoadAnimatedCursorResource("NOSUCHCURSOR"), nullptr);
  EXPECT_TRUE(services_.tempFilesMade.empty());
}

TEST_F(AnimatedCursorResourceTest, TheDataGoesThroughAnAniFileThatIsDeletedAfterwards) {
  const HCURSOR cursor = LoadAnimatedCursorResource("STATICANI");
  ASSERT_NE(cursor, nullptr);
  EXPECT_EQ(cursor->image.image.width, 32);
  DestroyCursor(cursor);
  ASSERT_EQ(services_.tempFilesMade.size(), 1u);
  const std::filesystem::path made = services_.tempFilesMade[0];
  EXPECT_EQ(made.parent_path(), tempFolder_.Path());
  EXPECT_EQ(made.filename().string().rfind("ANI", 0), 0u);
  EXPECT_TRUE(TempFiles().empty());
}

TEST_F(AnimatedCursorResourceTest, DataNoReaderCanMakeGivesNoCursorAndLeavesNoFile) {
  EXPECT_EQ(LoadAnimatedCursorResource("BROKENANI"), nullptr);
  EXPECT_EQ(services_.tempFilesMade.size(), 1u);
  EXPECT_TRUE(TempFiles().empty());
}

TEST_F(AnimatedCursorResourceTest, ATemporaryFileThatCantBeMadeRaisesTheSystemError) {
  services_.failTempFiles = true;
  try {
    LoadAnimatedCursorResource("STATICANI");
    FAIL() << "no error";
  } catch (const Exception& error) {
    EXPECT_EQ(error.Message(), services_.SysErrorMessage(28) + " (28)");
  }
}

TEST_F(AnimatedCursorResourceTest, ATemporaryFileThatCantBeWrittenRaisesTheStreamError) {
  services_.unwritableTempFile = (tempFolder_.Path() / "missing" / "ANI1").string();
  try {
    LoadAnimatedCursorResource("STATICANI");
    FAIL() << "no error";
  } catch (const EFCreateError& error) {
    EXPECT_EQ(error.Message(), "Cannot create file " + services_.unwritableTempFile);
  }
  EXPECT_TRUE(TempFiles().empty());
}

}  // namespace
