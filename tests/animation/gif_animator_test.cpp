#include "animation/gif_animator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "animated_gif.h"
#include "animation/threaded_timer.h"
#include "framework/controls/headless_fixture.h"
#include "framework/core/exceptions.h"
#include "framework/core/format.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/device_context.h"
#include "gif/picture/gif_image.h"

namespace {

// A windowless control painting a one-pixel black and white checkerboard: what the animator's
// transparent areas must let through.
class Checkerboard : public TGraphicControl {
 public:
  explicit Checkerboard(TWinControl* parent) : TGraphicControl(nullptr) {
    SetBounds(0, 0, 40, 40);
    SetParent(parent);
  }
  static TColor At(int x, int y) { return (x + y) % 2 == 0 ? clBlack : clWhite; }

 protected:
  void Paint() override {
    for (int y = 0; y < Height(); ++y)
      for (int x = 0; x < Width(); ++x)
        Canvas().SetPixel(x, y, At(x, y));
  }
};

// Indexes 0..15 of a width x height picture, one colour per pixel, row by row.
TestFrame NumberedFrame(int width, int height) {
  std::vector<std::uint8_t> pixels;
  for (int i = 0; i < width * height; ++i)
    pixels.push_back(static_cast<std::uint8_t>(i % 16));
  return PixelFrame(0, 0, width, height, pixels);
}

class GIFAnimatorTest : public HeadlessTest {
 protected:
  GIFAnimatorTest() {
    form_ = NewForm(60, 60);
    form_->SetColor(clSilver);
    animator_ = new TGIFAnimator(form_);
    animator_->SetParent(form_);
    animator_->SetLeft(10);
    animator_->SetTop(10);
    // Ticks come from the window path, on the backend's clock.
    animator_->FrameTimer().SetThreaded(false);
  }

  void Load(const std::vector<std::uint8_t>& gif) {
    const std::unique_ptr<TGIFImage> image = LoadGif(gif);
    animator_->SetImage(image.get());
  }

  // The control's pixel as the window shows it.
  TColor Shown(int x, int y) {
    if (!form_->Visible()) form_->Show();
    application_->ProcessMessages();
    return form_->BackBuffer().Canvas().Pixel(animator_->Left() + x, animator_->Top() + y);
  }

  // The worker path: runs the UI thread's messages in real time until done() holds or the time is
  // up.
  template <typename Done>
  void PumpUntil(Done done, std::chrono::milliseconds limit) {
    const auto until = std::chrono::steady_clock::now() + limit;
    while (!done() && std::chrono::steady_clock::now() < until) {
      application_->ProcessMessages();
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }

  void RunFor(int milliseconds) {
    for (int i = 0; i < milliseconds; ++i) {
      backend_.AdvanceTime(1);
      application_->ProcessMessages();
    }
  }

  // Logs each of the animator's events with the state it sees.
  void LogEvents() {
    animator_->SetOnChange([this](TObject*) {
      log_.push_back(Format("change %dx%d frame %d interval %d",
                            {animator_->Width(), animator_->Height(), animator_->FrameIndex(),
                             static_cast<int>(animator_->FrameTimer().Interval())}));
    });
    animator_->SetOnFrameChanged([this](TObject*) {
      log_.push_back(
          Format("frame %d interval %d",
                 {animator_->FrameIndex(), static_cast<int>(animator_->FrameTimer().Interval())}));
    });
    animator_->SetOnStart([this](TObject*) { log_.push_back("start"); });
    animator_->SetOnStop([this](TObject*) { log_.push_back("stop"); });
  }

  // Three 6 x 5 frames of indexes 1, 2 and 3 shown 200, 300 and 400 ms.
  static std::vector<std::uint8_t> ThreeFrames() {
    std::vector<TestFrame> frames;
    for (int i = 0; i < 3; ++i) {
      frames.push_back(SolidFrame(0, 0, 6, 5, static_cast<std::uint8_t>(i + 1)));
      frames.back().delay = 20 + 10 * i;
    }
    return AnimatedGif(6, 5, frames);
  }

  TForm* form_;
  TGIFAnimator* animator_;
  std::vector<std::string> log_;
};

TEST_F(GIFAnimatorTest, StartsStoppedWithItsDefaultsAndAnEmptyImage) {
  TGIFAnimator animator(nullptr);
  EXPECT_EQ(animator.State(), TAnimatorState::Stopped);
  EXPECT_FALSE(animator.Animate());
  EXPECT_TRUE(animator.AutoSize());
  EXPECT_FALSE(animator.Center());
  EXPECT_EQ(animator.FrameIndex(), 0);
  EXPECT_TRUE(animator.Loop());
  EXPECT_FALSE(animator.Stretch());
  EXPECT_TRUE(animator.Transparent());
  ASSERT_NE(animator.Image(), nullptr);
  EXPECT_TRUE(animator.Image()->Empty());
  EXPECT_EQ(animator.PaletteGraphic(), animator.Image());
  EXPECT_EQ(animator.ControlPalette(), nullptr);
  EXPECT_EQ(animator.Width(), 105);
  EXPECT_EQ(animator.FrameTimer().Interval(), 1000u);
  EXPECT_TRUE(animator.FrameTimer().Threaded());
  EXPECT_EQ(animator.FrameTimer().Owner(), &animator);
}

TEST_F(GIFAnimatorTest, LoadingSizesTakesTheFrameAndIntervalThenFiresOnChange) {
  LogEvents();
  application_->ProcessMessages();
  Load(ThreeFrames());
  EXPECT_EQ(log_, (std::vector<std::string>{"change 6x5 frame 0 interval 200"}));
  EXPECT_TRUE(form_->PaintIsPending());
}

TEST_F(GIFAnimatorTest, FrameIndexSetsTheIntervalThenFiresAndIgnoresWhatIsOutOfRange) {
  Load(ThreeFrames());
  LogEvents();
  form_->Show();
  application_->ProcessMessages();
  animator_->SetFrameIndex(-1);
  animator_->SetFrameIndex(3);
  animator_->SetFrameIndex(0);
  EXPECT_TRUE(log_.empty());
  EXPECT_FALSE(form_->PaintIsPending());
  animator_->SetFrameIndex(2);
  EXPECT_EQ(log_, (std::vector<std::string>{"frame 2 interval 400"}));
  EXPECT_TRUE(form_->PaintIsPending());
  EXPECT_EQ(Shown(0, 0), IndexColor(3));
}

TEST_F(GIFAnimatorTest, ATickAdvancesFiresRepaintsAtOnceThenSetsTheInterval) {
  Load(ThreeFrames());
  form_->Show();
  application_->ProcessMessages();
  LogEvents();
  animator_->SetAnimate(true);
  EXPECT_EQ(log_, (std::vector<std::string>{"start"}));
  EXPECT_FALSE(form_->PaintIsPending());  // starting changes nothing on screen

  animator_->FrameTimer().Tick();
  EXPECT_EQ(log_.back(), "frame 1 interval 200");  // the event comes before the new interval
  EXPECT_EQ(animator_->FrameTimer().Interval(), 300u);
  EXPECT_FALSE(form_->PaintIsPending());  // painted at once, not scheduled
  EXPECT_EQ(form_->BackBuffer().Canvas().Pixel(10, 10), IndexColor(2));
}

TEST_F(GIFAnimatorTest, EachFrameStaysForItsOwnDelay) {
  Load(ThreeFrames());
  LogEvents();
  animator_->SetAnimate(true);
  RunFor(199);
  EXPECT_EQ(animator_->FrameIndex(), 0);
  RunFor(1);
  EXPECT_EQ(animator_->FrameIndex(), 1);
  RunFor(299);
  EXPECT_EQ(animator_->FrameIndex(), 1);
  RunFor(1);
  EXPECT_EQ(animator_->FrameIndex(), 2);
  RunFor(400);
  EXPECT_EQ(animator_->FrameIndex(), 0);
  EXPECT_TRUE(animator_->Animate());
}

TEST_F(GIFAnimatorTest, WithoutLoopARunEndsShowingFrameZeroWithOnStop) {
  Load(ThreeFrames());
  animator_->SetLoop(false);
  LogEvents();
  animator_->SetAnimate(true);
  RunFor(2000);
  EXPECT_EQ(log_, (std::vector<std::string>{"start", "frame 1 interval 200", "frame 2 interval 300",
                                            "frame 0 interval 400", "stop"}));
  EXPECT_FALSE(animator_->Animate());
  EXPECT_EQ(animator_->FrameIndex(), 0);
  EXPECT_EQ(Shown(0, 0), IndexColor(1));
}

TEST_F(GIFAnimatorTest, ASingleFrameNeverTicksAndADelayOfZeroLastsOneMillisecond) {
  Load(AnimatedGif(2, 2, {SolidFrame(0, 0, 2, 2, 1)}));
  EXPECT_EQ(animator_->CurrentFrameDelay(), 0);
  EXPECT_EQ(animator_->FrameTimer().Interval(), 0u);
  LogEvents();
  animator_->SetAnimate(true);
  RunFor(2000);
  EXPECT_EQ(log_, (std::vector<std::string>{"start"}));
  EXPECT_EQ(Shown(1, 1), IndexColor(1));

  TestFrame quick = SolidFrame(0, 0, 2, 2, 2);
  quick.delay = 0;
  Load(AnimatedGif(2, 2, {quick, quick}));
  EXPECT_EQ(animator_->CurrentFrameDelay(), 1);
  EXPECT_EQ(animator_->FrameTimer().Interval(), 1u);
  RunFor(100);  // window timers tick at most every 10 ms
  EXPECT_GE(log_.size(), 5u);
}

TEST_F(GIFAnimatorTest, AHiddenAnimatorKeepsItsFrameWhileTicksGoOn) {
  Load(ThreeFrames());
  animator_->SetAnimate(true);
  animator_->Hide();
  RunFor(1000);
  EXPECT_EQ(animator_->FrameIndex(), 0);
  EXPECT_TRUE(animator_->Animate());
}

TEST_F(GIFAnimatorTest, AnimateOffFiresOnStopAndSchedulesARepaint) {
  Load(ThreeFrames());
  form_->Show();
  animator_->SetAnimate(true);
  application_->ProcessMessages();
  LogEvents();
  animator_->SetAnimate(true);  // the value it has: nothing
  EXPECT_TRUE(log_.empty());
  animator_->SetAnimate(false);
  EXPECT_EQ(log_, (std::vector<std::string>{"stop"}));
  EXPECT_TRUE(form_->PaintIsPending());
  EXPECT_FALSE(animator_->FrameTimer().Enabled());
  EXPECT_FALSE(animator_->FrameTimer().OnTimer());
}

TEST_F(GIFAnimatorTest, AutoSizeFollowsTheLogicalScreen) {
  Load(ThreeFrames());
  animator_->SetBounds(10, 10, 30, 30);
  EXPECT_EQ(animator_->BoundsRect(), Rect(10, 10, 16, 15));  // snapped back after WM_SIZE
  animator_->SetAutoSize(false);
  animator_->SetBounds(10, 10, 30, 30);
  EXPECT_EQ(animator_->Width(), 30);
  animator_->SetAutoSize(true);
  EXPECT_EQ(animator_->Width(), 6);
}

TEST_F(GIFAnimatorTest, DisplaySettingsRepaintAtOnceOnlyWhileAnimating) {
  Load(ThreeFrames());
  form_->Show();
  application_->ProcessMessages();
  animator_->SetCenter(true);
  EXPECT_TRUE(form_->PaintIsPending());
  application_->ProcessMessages();
  animator_->SetAnimate(true);
  application_->ProcessMessages();
  animator_->SetStretch(true);
  EXPECT_FALSE(form_->PaintIsPending());
}

// Composition, on pictures of a few pixels: each row a string of colour indexes, '.' for the fill.
class GIFAnimatorComposition : public GIFAnimatorTest {
 protected:
  void ExpectComposed(int index, const std::vector<std::string>& rows, TColor fill) {
    TColor key = clNone;
    const std::unique_ptr<TBitmap> bitmap = animator_->ComposeFrame(index, key);
    ASSERT_EQ(bitmap->Height(), static_cast<int>(rows.size()));
    for (int y = 0; y < bitmap->Height(); ++y) {
      const std::string& row = rows[static_cast<std::size_t>(y)];
      ASSERT_EQ(bitmap->Width(), static_cast<int>(row.size()));
      for (int x = 0; x < bitmap->Width(); ++x) {
        const char c = row[static_cast<std::size_t>(x)];
        const TColor expected = c == '.' ? fill : IndexColor(std::stoi(std::string(1, c), 0, 16));
        EXPECT_EQ(bitmap->Canvas().Pixel(x, y), expected)
            << "frame " << index << " at " << x << ", " << y;
      }
    }
  }
  static TestFrame Disposed(TestFrame frame, int disposal) {
    frame.disposal = disposal;
    return frame;
  }
  const TColor window_ = ColorToPlainRGB(clWindow);
};

TEST_F(GIFAnimatorComposition, Disposal0And1KeepEarlierFramesUnderLaterOnes) {
  Load(AnimatedGif(4, 4,
                   {SolidFrame(0, 0, 4, 4, 1), Disposed(SolidFrame(1, 1, 2, 2, 2), 1),
                    SolidFrame(0, 0, 1, 1, 3)}));
  ExpectComposed(0, {"1111", "1111", "1111", "1111"}, window_);
  ExpectComposed(1, {"1111", "1221", "1221", "1111"}, window_);
  ExpectComposed(2, {"3111", "1221", "1221", "1111"}, window_);
  ExpectComposed(7, {"3111", "1221", "1221", "1111"}, window_);  // past the end: the last
}

TEST_F(GIFAnimatorComposition, Disposal2ClearsItsRectangleOnceItWasShown) {
  Load(AnimatedGif(4, 4,
                   {SolidFrame(0, 0, 4, 4, 1), Disposed(SolidFrame(1, 1, 2, 2, 2), 2),
                    SolidFrame(3, 3, 1, 1, 3)}));
  ExpectComposed(1, {"1111", "1221", "1221", "1111"}, window_);
  ExpectComposed(2, {"1111", "1..1", "1..1", "1113"}, window_);
}

TEST_F(GIFAnimatorComposition, Disposal3AndTheUndefinedOnesLeaveTheFrameOut) {
  Load(AnimatedGif(4, 4,
                   {SolidFrame(0, 0, 4, 4, 1), Disposed(SolidFrame(1, 1, 2, 2, 2), 3),
                    Disposed(SolidFrame(0, 0, 1, 1, 4), 6), SolidFrame(3, 3, 1, 1, 3)}));
  ExpectComposed(3, {"1111", "1111", "1111", "1113"}, window_);
  // A first frame restoring the previous (or the background) leaves the plain fill.
  Load(AnimatedGif(4, 2, {Disposed(SolidFrame(0, 0, 2, 2, 1), 3), SolidFrame(2, 0, 2, 2, 2)}));
  ExpectComposed(1, {"..22", "..22"}, window_);
  Load(AnimatedGif(4, 2, {Disposed(SolidFrame(0, 0, 2, 2, 1), 2), SolidFrame(2, 0, 2, 2, 2)}));
  ExpectComposed(1, {"..22", "..22"}, window_);
}

TEST_F(GIFAnimatorComposition, AFullScreenDisposal2FrameRestartsFromThePlainFill) {
  Load(AnimatedGif(4, 4,
                   {SolidFrame(0, 0, 4, 4, 1), Disposed(SolidFrame(0, 0, 4, 4, 2), 2),
                    Disposed(SolidFrame(0, 0, 2, 2, 3), 1), SolidFrame(3, 3, 1, 1, 4)}));
  ExpectComposed(3, {"33..", "33..", "....", "...4"}, window_);
  // Not full-screen: composed from frame 0, the frame's rectangle cleared.
  Load(AnimatedGif(4, 4,
                   {SolidFrame(0, 0, 4, 4, 1), Disposed(SolidFrame(0, 0, 4, 3, 2), 2),
                    SolidFrame(0, 0, 1, 1, 3)}));
  ExpectComposed(2, {"3...", "....", "....", "1111"}, window_);
}

TEST_F(GIFAnimatorComposition, TransparentPixelsKeepWhatIsBelowAndTheKeyIsTheFill) {
  TestFrame first = PixelFrame(0, 0, 4, 1, {5, 1, 1, 5});
  first.transparent = 5;
  TestFrame second = PixelFrame(0, 0, 4, 1, {2, 5, 2, 5});
  second.transparent = 5;
  Load(AnimatedGif(4, 1, {first, second}));
  ExpectComposed(1, {"2125"}, IndexColor(5));
  TColor key = clNone;
  animator_->ComposeFrame(1, key);
  EXPECT_EQ(key, IndexColor(5));
}

TEST_F(GIFAnimatorComposition, AnOpaqueFirstFrameFillsWithTheBackgroundWhenAnyFrameIsTransparent) {
  TestFrame keyed = SolidFrame(2, 0, 1, 1, 5);
  keyed.transparent = 5;
  Load(AnimatedGif(4, 1, {SolidFrame(0, 0, 2, 1, 1), keyed}, 7));
  ExpectComposed(0, {"11.."}, IndexColor(7));
  TColor key = clNone;
  animator_->ComposeFrame(1, key);
  EXPECT_EQ(key, clNone);
  // No transparent frame at all: the window colour.
  Load(AnimatedGif(4, 1, {SolidFrame(0, 0, 2, 1, 1)}, 7));
  ExpectComposed(0, {"11.."}, window_);
}

TEST_F(GIFAnimatorTest, TransparentAreasShowThePatternBelowOrTheKeyColour) {
  new Checkerboard(form_);
  animator_->BringToFront();
  TestFrame frame = PixelFrame(0, 0, 3, 1, {1, 5, 2});
  frame.transparent = 5;
  Load(AnimatedGif(4, 2, {frame}));  // the screen is larger than the frame
  for (int x = 0; x < 4; ++x) {
    SCOPED_TRACE(x);
    const TColor pattern = Checkerboard::At(10 + x, 11);
    EXPECT_EQ(Shown(x, 1), pattern);  // uncovered by any frame
  }
  EXPECT_EQ(Shown(0, 0), IndexColor(1));
  EXPECT_EQ(Shown(1, 0), Checkerboard::At(11, 10));
  EXPECT_EQ(Shown(2, 0), IndexColor(2));

  animator_->SetTransparent(false);
  EXPECT_EQ(Shown(1, 0), IndexColor(5));
  EXPECT_EQ(Shown(3, 1), IndexColor(5));
}

// The window's back buffer has the screen's depth. Painted on a surface with a colour table, the
// picture keeps its colours all the same: the fill of what no frame covers too, which is made
// palette-relative to the picture's own palette only while composing at the screen's depth.
TEST_F(GIFAnimatorTest, OnASurfaceWithAColourTableThePictureKeepsItsColours) {
  Load(AnimatedGif(3, 1, {PixelFrame(0, 0, 2, 1, {1, 2})}));
  TBitmap surface;
  surface.SetPixelFormat(TPixelFormat::pf8bit);
  surface.SetSize(form_->Width(), form_->Height());
  TCanvas& canvas = surface.Canvas();
  form_->PaintTo(canvas.Handle());
  EXPECT_EQ(canvas.Pixel(10, 10), GetNearestColor(canvas.Handle(), IndexColor(1)));
  EXPECT_EQ(canvas.Pixel(11, 10), GetNearestColor(canvas.Handle(), IndexColor(2)));
  EXPECT_EQ(canvas.Pixel(12, 10), GetNearestColor(canvas.Handle(), clWindow));
}

TEST_F(GIFAnimatorTest, StretchWinsOverCenterAndCenterOffsetsTruncateTowardZero) {
  animator_->SetAutoSize(false);
  Load(AnimatedGif(5, 5, {NumberedFrame(5, 5)}));
  animator_->SetBounds(10, 10, 2, 2);
  EXPECT_EQ(Shown(0, 0), IndexColor(0));
  animator_->SetCenter(true);  // (2 - 5) / 2 = -1, not -2
  EXPECT_EQ(Shown(0, 0), IndexColor(6));
  EXPECT_EQ(Shown(1, 1), IndexColor(12));
  animator_->SetBounds(10, 10, 10, 10);  // each picture pixel stretched to 2 x 2
  animator_->SetStretch(true);
  EXPECT_EQ(Shown(1, 1), IndexColor(0));
  EXPECT_EQ(Shown(9, 9), IndexColor(24 % 16));
  animator_->SetStretch(false);  // centred at (2, 2)
  EXPECT_EQ(Shown(2, 2), IndexColor(0));
  EXPECT_EQ(Shown(1, 1), clSilver);
}

TEST_F(GIFAnimatorTest, WithoutAPictureTheControlShowsWhatLiesBehindIt) {
  new Checkerboard(form_);
  animator_->BringToFront();
  animator_->SetBounds(10, 10, 3, 3);
  EXPECT_EQ(Shown(0, 0), Checkerboard::At(10, 10));
  EXPECT_EQ(Shown(1, 0), Checkerboard::At(11, 10));
}

TEST_F(GIFAnimatorTest, AFrameThatCannotBeDecodedShowsTheBackgroundAndIsReportedOnce) {
  new Checkerboard(form_);
  animator_->BringToFront();
  std::vector<std::uint8_t> gif =
      AnimatedGif(2, 2, {SolidFrame(0, 0, 2, 2, 1), SolidFrame(0, 0, 2, 2, 2)});
  // Frame 1's minimum code size, right after its image descriptor, made out of range.
  const std::vector<std::uint8_t> descriptor = {0x2C, 0, 0, 0, 0, 2, 0, 2, 0, 0};
  const auto found = std::find_end(gif.begin(), gif.end(), descriptor.begin(), descriptor.end());
  ASSERT_NE(found, gif.end());
  *(found + 10) = 12;
  Load(gif);
  ASSERT_EQ(animator_->Image()->FrameCount(), 2);
  animator_->SetTransparent(false);
  animator_->SetFrameIndex(1);
  EXPECT_EQ(Shown(0, 0), clSilver);  // the control's own colour: the picture is opaque
  animator_->Invalidate();
  EXPECT_EQ(Shown(1, 1), clSilver);
  EXPECT_EQ(backend_.MessageBoxes().size(), 1u);
  animator_->SetAnimate(true);
  RunFor(500);
  EXPECT_TRUE(animator_->Animate());
  EXPECT_EQ(backend_.MessageBoxes().size(), 1u);
}

// A failure of every step of a run, and whether the application shows it.
struct TickFailure {
  const char* name;
  std::function<void()> raise;
  bool shown;
};

const TickFailure kTickFailures[] = {
    {"an exception", [] { throw EInvalidGraphic("Frame is broken"); }, true},
    {"the silent abort", [] { throw EAbort(""); }, false},
};

// What a run whose every step fails went through.
struct FailingRun {
  int steps = 0;
  int stops = 0;
  std::size_t shownBefore = 0;
};

void FailEveryStep(TGIFAnimator& animator, const TickFailure& failure, FailingRun& run) {
  animator.SetOnFrameChanged([&](TObject*) {
    ++run.steps;
    failure.raise();
  });
  animator.SetOnStop([&](TObject*) { ++run.stops; });
}

// The window path is these tests' default.
TEST_F(GIFAnimatorTest, OnTheWindowPathEveryFailingTickIsShownAndTheRunGoesOn) {
  Load(ThreeFrames());
  for (const TickFailure& failure : kTickFailures) {
    SCOPED_TRACE(failure.name);
    FailingRun run{0, 0, backend_.MessageBoxes().size()};
    FailEveryStep(*animator_, failure, run);
    animator_->SetAnimate(true);
    RunFor(2000);
    EXPECT_TRUE(animator_->Animate());
    EXPECT_EQ(run.stops, 0);
    EXPECT_GE(run.steps, 5);
    // Each new frame still stays for its own delay.
    EXPECT_EQ(animator_->FrameTimer().Interval(), 200u + 100u * animator_->FrameIndex());
    EXPECT_EQ(backend_.MessageBoxes().size() - run.shownBefore, failure.shown ? run.steps : 0u);
    animator_->SetAnimate(false);
  }
}

TEST_F(GIFAnimatorTest, DestroyingARunningAnimatorLeavesNoTicks) {
  Load(ThreeFrames());
  animator_->SetAnimate(true);
  int changes = 0;
  animator_->SetOnFrameChanged([&](TObject*) { ++changes; });
  RunFor(250);
  EXPECT_EQ(changes, 1);
  delete animator_;
  RunFor(1000);
  EXPECT_EQ(changes, 1);
}

// The animator on its timer's default worker path: ticks come from a thread.
class ThreadedAnimator : public GIFAnimatorTest {
 protected:
  ThreadedAnimator() {
    animator_->FrameTimer().SetThreaded(true);
    TestFrame quick = SolidFrame(0, 0, 2, 2, 1);
    quick.delay = 1;
    Load(AnimatedGif(2, 2, {quick, quick, quick}));
    form_->Show();
  }
};

TEST_F(ThreadedAnimator, AdvancesOnTheWorkerPathAndGoesWhileTicking) {
  int changes = 0;
  animator_->SetOnFrameChanged([&](TObject*) { ++changes; });
  animator_->SetAnimate(true);
  PumpUntil([&] { return changes >= 5; }, std::chrono::seconds(5));
  EXPECT_GE(changes, 5);
  delete animator_;
  application_->ProcessMessages();
}

TEST_F(ThreadedAnimator, OnTheWorkerPathAFailingTickIsShownOnceAndEndsTheRun) {
  for (const TickFailure& failure : kTickFailures) {
    SCOPED_TRACE(failure.name);
    FailingRun run{0, 0, backend_.MessageBoxes().size()};
    FailEveryStep(*animator_, failure, run);
    animator_->SetAnimate(true);
    PumpUntil([&] { return run.steps >= 5 || run.stops > 0; }, std::chrono::seconds(5));
    PumpUntil([] { return false; }, std::chrono::milliseconds(100));
    // An abort ends its step only; anything else is shown once, and the run ends with the timer.
    EXPECT_EQ(animator_->Animate(), !failure.shown);
    EXPECT_EQ(run.stops, failure.shown ? 1 : 0);
    EXPECT_TRUE(failure.shown ? run.steps == 1 : run.steps >= 5) << run.steps << " steps";
    EXPECT_EQ(backend_.MessageBoxes().size() - run.shownBefore, failure.shown ? 1u : 0u);
    animator_->SetAnimate(false);
  }
}

}  // namespace
