#include "framework/backends/win32/win32_backend.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <thread>

#include "cursors/cursor_registration.h"
#include "framework/backends/win32/gdi_font_rasterizer.h"
#include "framework/backends/win32/win32_input.h"
#include "framework/backends/win32/win32_services.h"
#include "framework/backends/win32/win32_window.h"
#include "framework/controls/application.h"
#include "framework/controls/screen.h"
#include "framework/controls/window_handles.h"
#include "framework/controls/window_timers.h"
#include "framework/core/exceptions.h"
#include "native_checks.h"

namespace {

class Win32BackendTest : public ::testing::Test {
 protected:
  Win32BackendTest() : platformScope_(services_), backendScope_(backend_) {}

  TWin32Services services_;
  TScopedPlatform platformScope_;
  TWin32Backend backend_;
  TScopedWindowBackend backendScope_;
};

TEST_F(Win32BackendTest, AWakeUpFromAnotherThreadEndsAWaitAndALookNeverUsesItUp) {
  std::thread waker([this] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    backend_.Wake();
  });
  EXPECT_EQ(backend_.WaitEvent(std::nullopt), std::nullopt);
  waker.join();

  backend_.Wake();
  EXPECT_EQ(backend_.WaitEvent(0), std::nullopt);
  EXPECT_EQ(backend_.WaitEvent(0), std::nullopt);
  EXPECT_EQ(backend_.WaitEvent(std::nullopt), std::nullopt) << "the wake-up was kept";
}

// Tests named "OnADesktop" show windows; CTest runs them again in a virtual X display.
TEST_F(Win32BackendTest, OnADesktopTheProgramsWindowIsAFixedToolWindowOnTopAndCentred) {
  if (!native_checks::HasDesktop()) GTEST_SKIP() << "no desktop to show windows on";
  TWindowParams params;
  params.caption = "Intro 1/6";
  params.clientWidth = 466;
  params.clientHeight = 334;
  params.toolWindow = true;
  params.stayOnTop = true;
  params.centred = true;
  const auto window = backend_.CreateWindow(params);
  auto* native = dynamic_cast<TWin32Window*>(window.get());
  ASSERT_NE(native, nullptr);
  native_checks::TWindowFacts facts = native_checks::WindowFactsOf(native->Handle());
  EXPECT_EQ(facts.caption, "Intro 1/6");
  EXPECT_FALSE(facts.visible) << "made hidden";
  EXPECT_TRUE(facts.toolWindow);
  EXPECT_TRUE(facts.topmost);
  EXPECT_FALSE(facts.sizable);
  EXPECT_EQ(std::pair(facts.clientWidth, facts.clientHeight), std::pair(466, 334));
  EXPECT_NEAR(facts.centreX, facts.screenWidth / 2, 1);
  EXPECT_NEAR(facts.centreY, facts.screenHeight / 2, 1);

  window->SetCaption("Intro 2/6");
  window->SetClientSize(200, 100);
  window->SetIcon(TArgbImage{16, 16, std::vector<std::uint32_t>(16 * 16, 0xFF0000FF)});
  window->Show();
  facts = native_checks::WindowFactsOf(native->Handle());
  EXPECT_EQ(facts.caption, "Intro 2/6");
  EXPECT_TRUE(facts.visible);
  EXPECT_TRUE(facts.hasIcon);
  EXPECT_EQ(std::pair(facts.clientWidth, facts.clientHeight), std::pair(200, 100));
}

TEST_F(Win32BackendTest, WindowTimersRunOnThePlatformUntilKilled) {
  int ticks = 0;
  HWND window = AllocateHWnd([&](TMessage& message) {
    if (message.Msg == WM_TIMER && message.WParam == 7) ++ticks;
  });
  ASSERT_EQ(SetTimer(window, 7, 20), 7u);
  EXPECT_EQ(window_timers::NextDue(), std::nullopt) << "timed by the platform, not here";
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (ticks < 3 && std::chrono::steady_clock::now() < deadline) {
    const auto event = backend_.WaitEvent(100);
    if (event && event->kind == TInputEventKind::kTimer) {
      window_timers::DeliverPlatformTimer(event->timer);
    }
  }
  EXPECT_EQ(ticks, 3);
  ASSERT_TRUE(KillTimer(window, 7));
  std::this_thread::sleep_for(std::chrono::milliseconds(60));
  while (const auto event = backend_.WaitEvent(0)) {
    // An expiry already queued when the timer went finds no timer.
    if (event->kind == TInputEventKind::kTimer) window_timers::DeliverPlatformTimer(event->timer);
  }
  EXPECT_EQ(ticks, 3);
  DeallocateHWnd(window);
}

class Win32CursorTest : public Win32BackendTest {
 protected:
  Win32CursorTest() : application_(std::make_unique<TApplication>()) {}

  static int AniFilesIn(const std::string& folder) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
      if (entry.path().filename().string().rfind("ANI", 0) == 0) ++count;
    return count;
  }

  std::unique_ptr<TApplication> application_;
};

TEST_F(Win32CursorTest, CursorGroupsAndAnimatedCursorsAreLoadedByThePlatform) {
  const int aniFilesBefore = AniFilesIn(services_.TempPath());
  const TCursor first = AddCursorFromResource("KALDCURSOR");
  EXPECT_EQ(first, 100);
  EXPECT_EQ(AddCursorFromResource("KALDCURSOR"), 101);
  EXPECT_NE(NativeCursorOf(Screen->Cursors(first)), nullptr);
  // Through a temporary file and LoadCursorFromFile, which is deleted afterwards.
  const TCursor animated = AddCursorFromResource("STATICANI");
  EXPECT_NE(NativeCursorOf(Screen->Cursors(animated)), nullptr);
  EXPECT_EQ(AniFilesIn(services_.TempPath()), aniFilesBefore);
}

TEST_F(Win32CursorTest, ANameWithoutACursorTheSystemCanLoadIsNotFound) {
  for (const char* name : {"NOSUCHCURSOR", "BROKENANI"}) {
    try {
      AddCursorFromResource(name);
      ADD_FAILURE() << name << ": no error";
    } catch (const EResNotFound& error) {
      EXPECT_EQ(error.Message(), std::string("Resource ") + name + " not found");
    }
  }
}

TEST(Win32Input, MessagesBecomeTheInputEventsTheyMean) {
  TNativeWindow* const window = reinterpret_cast<TNativeWindow*>(0x1000);
  const void* const handle = reinterpret_cast<const void*>(0x2000);
  constexpr unsigned kPaletteChanged = 0x0311;
  constexpr unsigned kMiddleButtonUp = 0x0208;
  constexpr std::uintptr_t kLeftButtonHeld = 0x0001;
  const win32::TModifierKeys none{};
  const win32::TModifierKeys shift{true, false, false};
  const win32::TModifierKeys alt{false, false, true};
  const struct {
    unsigned message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
    win32::TModifierKeys held;
    std::optional<TInputEvent> expected;
  } cases[] = {
      {WM_MOUSEMOVE, kLeftButtonHeld, MakeLParam(12, -3), shift,
       TInputEvent{TInputEventKind::kMouseMove, window, 12, -3, TMouseButton::mbLeft, 0,
                   ssShift | ssLeft}},
      {WM_RBUTTONDOWN, 0, MakeLParam(5, 6), none,
       TInputEvent{TInputEventKind::kMouseDown, window, 5, 6, TMouseButton::mbRight}},
      {kMiddleButtonUp, 0, MakeLParam(1, 2), none,
       TInputEvent{TInputEventKind::kMouseUp, window, 1, 2, TMouseButton::mbMiddle}},
      {WM_SYSKEYDOWN, VK_F4, 0, alt,
       TInputEvent{TInputEventKind::kKeyDown, window, 0, 0, TMouseButton::mbLeft, VK_F4, ssAlt}},
      {WM_KEYUP, VK_RETURN, 0, none,
       TInputEvent{TInputEventKind::kKeyUp, window, 0, 0, TMouseButton::mbLeft, VK_RETURN}},
      {WM_CLOSE, 0, 0, none, TInputEvent{TInputEventKind::kCloseRequest, window}},
      {WM_ACTIVATE, WA_ACTIVE, 0, none, TInputEvent{TInputEventKind::kActivated, window}},
      {WM_ACTIVATE, WA_INACTIVE, 0, none, TInputEvent{TInputEventKind::kDeactivated, window}},
      {WM_QUERYNEWPALETTE, 0, 0, none, TInputEvent{TInputEventKind::kPaletteQuery, window}},
      {kPaletteChanged, 0x3000, 0, none, TInputEvent{TInputEventKind::kPaletteQuery, window}},
      {kPaletteChanged, 0x2000, 0, none, std::nullopt},  // its own change
      {WM_PAINT, 0, 0, none, std::nullopt},
  };
  for (const auto& [message, wParam, lParam, held, expected] : cases) {
    SCOPED_TRACE(message);
    const auto event = InputEventOf(window, handle, message, wParam, lParam, held);
    ASSERT_EQ(event.has_value(), expected.has_value());
    if (!event) continue;
    EXPECT_EQ(event->kind, expected->kind);
    EXPECT_EQ(event->window, window);
    EXPECT_EQ(std::tie(event->x, event->y, event->button, event->key, event->shift),
              std::tie(expected->x, expected->y, expected->button, expected->key, expected->shift));
  }
}

TEST(GdiFontRasterizer, GlyphsSitOnTheBaselineOfTheSystemsFace) {
  const auto rasterizer = CreateGdiFontRasterizer();
  const auto face = rasterizer->Face({"Verdana", -13, false, false});
  ASSERT_NE(face, nullptr);
  EXPECT_EQ(rasterizer->Face({"VERDANA", -13, false, false}), face);
  const TFontMetrics& metrics = face->Metrics();
  EXPECT_GE(metrics.ascent + metrics.descent, 13);
  EXPECT_FALSE(metrics.familyName.empty());

  const TGlyph& capital = face->Glyph('H');
  EXPECT_GT(capital.advance, 0);
  EXPECT_GT(capital.height, 6);
  EXPECT_EQ(capital.top, capital.height) << "stands on the baseline";
  const TGlyph& descender = face->Glyph('g');
  EXPECT_LT(descender.top - descender.height, 0) << "reaches below the baseline";
  const TGlyph& space = face->Glyph(' ');
  EXPECT_GT(space.advance, 0);
  EXPECT_TRUE(space.coverage.empty());

  const auto count = rasterizer->RasterizedGlyphCount();
  face->Glyph('H');
  EXPECT_EQ(rasterizer->RasterizedGlyphCount(), count);
  const auto bold = rasterizer->Face({"Verdana", -13, true, false});
  EXPECT_GT(bold->Glyph('H').advance, capital.advance);
}

}  // namespace
