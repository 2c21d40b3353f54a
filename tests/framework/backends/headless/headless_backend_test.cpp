#include "framework/backends/headless/headless_backend.h"

#include <gtest/gtest.h>

#include <thread>

#include "framework/backends/headless/frame_bitmap.h"
#include "framework/graphics/bitmap_object.h"
#include "support/test_data.h"

namespace {

TEST(HeadlessBackend, AWaitWithATimeoutLetsThatTimePassAtOnce) {
  THeadlessBackend backend;
  EXPECT_EQ(backend.NowMs(), 0u);
  EXPECT_FALSE(backend.WaitEvent(250));
  EXPECT_EQ(backend.NowMs(), 250u);
  backend.AdvanceTime(50);
  EXPECT_EQ(backend.NowMs(), 300u);
}

TEST(HeadlessBackend, EventsComeOutInOrderBeforeAnyTimePasses) {
  THeadlessBackend backend;
  backend.PressKey(nullptr, 'A');
  auto first = backend.WaitEvent(100);
  auto second = backend.WaitEvent(100);
  ASSERT_TRUE(first && second);
  EXPECT_EQ(first->kind, TInputEventKind::kKeyDown);
  EXPECT_EQ(second->kind, TInputEventKind::kKeyUp);
  EXPECT_EQ(backend.NowMs(), 0u);
}

TEST(HeadlessBackend, OnlyLookingLeavesAWakeUpForTheNextWait) {
  THeadlessBackend backend;
  backend.Wake();
  EXPECT_FALSE(backend.WaitEvent(0));
  // Without the wake-up this wait would block for ever.
  EXPECT_FALSE(backend.WaitEvent(std::nullopt));
  EXPECT_FALSE(backend.WaitEvent(10));
  EXPECT_EQ(backend.NowMs(), 10u);  // the wake-up was used up: this wait took its time
}

// Named for the ThreadSanitizer run, which takes the suites whose names start with "Thread".
TEST(ThreadHeadlessBackend, AWaitWithoutLimitEndsWhenAnotherThreadInjects) {
  THeadlessBackend backend;
  std::thread other([&] { backend.RequestClose(nullptr); });
  const auto event = backend.WaitEvent(std::nullopt);
  other.join();
  ASSERT_TRUE(event);
  EXPECT_EQ(event->kind, TInputEventKind::kCloseRequest);
}

TEST(HeadlessBackend, MessageBoxesAreRecordedAndAnsweredFromTheQueue) {
  THeadlessBackend backend;
  backend.QueueMessageBoxAnswer(IDNO);
  EXPECT_EQ(backend.ShowMessageBox({"Title", "Question?", MB_YESNO}), IDNO);
  EXPECT_EQ(backend.ShowMessageBox({"Title", "Again?", MB_YESNO}), IDYES);
  EXPECT_EQ(backend.ShowMessageBox({"Title", "Note", MB_OK}), IDOK);
  ASSERT_EQ(backend.MessageBoxes().size(), 3u);
  EXPECT_EQ(backend.MessageBoxes()[1].text, "Again?");
}

TEST(HeadlessBackend, WindowsKeepWhatWasPresentedClippedToTheirSize) {
  THeadlessBackend backend;
  auto window = backend.CreateWindow({"W", 0, 0, 3, 2});
  ASSERT_EQ(backend.Windows().size(), 1u);
  const std::uint32_t pixels[] = {0x112233, 0x445566, 0x778899, 0xAABBCC,  //
                                  0x010203, 0x040506, 0x070809, 0x0A0B0C};
  window->Present({pixels, 4, 2, 4});
  const TArgbImage& frame = backend.Windows()[0]->Frame();
  EXPECT_EQ(frame.At(0, 0), 0xFF112233u);
  EXPECT_EQ(frame.At(2, 1), 0xFF070809u);
  window.reset();
  EXPECT_TRUE(backend.Windows().empty());
}

TEST(HeadlessBackend, AFrameSavesAsABmpThatReadsBackTheSame) {
  TArgbImage frame{2, 1, {0xFFFF0000u, 0xFF00FF00u}};
  qi_test::TempDir dir;
  const std::string file = (dir.Path() / "frame.bmp").string();
  SaveFrameAsBmp(frame, file);
  TBitmap bitmap;
  bitmap.LoadFromFile(file);
  ASSERT_EQ(bitmap.Width(), 2);
  EXPECT_EQ(bitmap.Handle()->PixelColor(0, 0), clRed);
  EXPECT_EQ(bitmap.Handle()->PixelColor(1, 0), clLime);
}

}  // namespace
