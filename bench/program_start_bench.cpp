// The whole program, from the start of its process to its first painted frame in a virtual X
// display, the most memory the process holds by then (its peak resident set) and the processor
// time it used (user and system, to 100 ms after that frame). Peer in the
// same run: a plain SDL program that opens a window of the same size and presents one white
// frame, given the same presentation as ours (SDL_FRAMEBUFFER_ACCELERATION=0); and for comparison
// that plain program with SDL's defaults, which probe OpenGL first, as the program did before.
//
//   build/bench/program_start_bench [EARLIER-BUILD-OF-quick-intro]
//
// An earlier build named on the command line is measured in the same run, for a before and after
// on the same machine at the same load.
//
// Every process runs under libfaketime on a day in June, so that the program shows its still
// first page whatever the date (in December an animation opens the tour). A frame counts as
// painted when the window shows exactly the picture it settles on, taken once from a run before
// the measured ones.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "support/fake_day.h"
#include "support/scoped_environment.h"
#include "support/spawned_program.h"
#include "support/xvfb_display.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// The program window's size at 96 pixels per inch.
constexpr int kWidth = 466;
constexpr int kHeight = 334;

int IgnoreErrors(Display*, XErrorEvent*) {
  return 0;  // a window that goes while it is looked at
}

// A client of the virtual display that looks at the programs' windows.
class Observer {
 public:
  Observer() : display_(XOpenDisplay(nullptr)) { XSetErrorHandler(IgnoreErrors); }
  ~Observer() {
    if (display_ != nullptr) XCloseDisplay(display_);
  }
  Observer(const Observer&) = delete;
  Observer& operator=(const Observer&) = delete;
  bool Connected() const { return display_ != nullptr; }

  // The pixels of the shown top-level window of the benchmark's size; none while there is none.
  std::optional<std::vector<std::uint32_t>> ShownPixels() {
    const Window window = ShownWindow();
    if (window == 0) return std::nullopt;
    XImage* image = XGetImage(display_, window, 0, 0, kWidth, kHeight, AllPlanes, ZPixmap);
    if (image == nullptr) return std::nullopt;
    std::vector<std::uint32_t> pixels;
    pixels.reserve(kWidth * kHeight);
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x)
        pixels.push_back(static_cast<std::uint32_t>(XGetPixel(image, x, y)));
    XDestroyImage(image);
    return pixels;
  }

 private:
  Window ShownWindow() {
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count) == 0)
      return 0;
    Window found = 0;
    for (unsigned i = 0; i < count && found == 0; ++i) {
      XWindowAttributes attributes{};
      if (XGetWindowAttributes(display_, children[i], &attributes) != 0 &&
          attributes.map_state == IsViewable && attributes.width == kWidth &&
          attributes.height == kHeight) {
        found = children[i];
      }
    }
    if (children != nullptr) XFree(children);
    return found;
  }

  Display* display_;
};

// Starts the program on 15 June, with SDL_FRAMEBUFFER_ACCELERATION set to acceleration (unset
// when none: SDL's defaults).
std::unique_ptr<TSpawnedProgram> Start(const std::vector<std::string>& command,
                                       const char* acceleration) {
  const TFakeDay june("2026-06-15");
  const ScopedEnvironment driver("SDL_VIDEODRIVER", "x11");
  const ScopedEnvironment presentation(
      "SDL_FRAMEBUFFER_ACCELERATION",
      acceleration != nullptr ? std::optional<std::string>(acceleration) : std::nullopt);
  return std::make_unique<TSpawnedProgram>(command);
}

// Polls the display until the window shows the picture (any picture when none is given); false
// when it does not within a few seconds.
bool WaitUntilShown(Observer& observer, const std::vector<std::uint32_t>* picture) {
  const auto until = Clock::now() + 10s;
  while (Clock::now() < until) {
    const auto shown = observer.ShownPixels();
    if (shown && (picture == nullptr || *shown == *picture)) return true;
    std::this_thread::sleep_for(1ms);
  }
  return false;
}

void BM_StartToFirstPaintedFrame(benchmark::State& state, std::vector<std::string> command,
                                 const char* acceleration) {
  if (!TFakeDay::Available()) {
    state.SkipWithError(TFakeDay::Problem());
    return;
  }
  TXvfbDisplay display;
  if (!display.Started()) {
    state.SkipWithError(display.Problem().c_str());
    return;
  }
  Observer observer;
  if (!observer.Connected()) {
    state.SkipWithError("cannot watch the virtual display");
    return;
  }
  std::vector<std::uint32_t> settled;
  {
    auto program = Start(command, acceleration);
    if (!WaitUntilShown(observer, nullptr)) {
      state.SkipWithError("the window did not appear");
      return;
    }
    std::this_thread::sleep_for(1s);
    settled = observer.ShownPixels().value_or(settled);
  }
  double peakKilobytes = 0;
  double cpuSeconds = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    auto program = Start(command, acceleration);
    if (!WaitUntilShown(observer, &settled)) {
      state.SkipWithError("the window never showed its settled picture");
      return;
    }
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    std::this_thread::sleep_for(100ms);  // what it holds once it stands, not only at first sight
    const auto usage = program->KillAndReportUsage();
    if (!usage) {
      state.SkipWithError("the program ended by itself");
      return;
    }
    peakKilobytes += static_cast<double>(usage->peakKilobytes);
    cpuSeconds += usage->cpuSeconds;
  }
  state.counters["peak_MiB"] =
      benchmark::Counter(peakKilobytes / 1024, benchmark::Counter::kAvgIterations);
  // Less at the mercy of a busy machine than the time to the first frame.
  state.counters["cpu_ms"] =
      benchmark::Counter(cpuSeconds * 1000, benchmark::Counter::kAvgIterations);
}

const std::vector<std::string> kProgram = {QI_PROGRAM};
const std::vector<std::string> kPlainWindow = {QI_PLAIN_SDL_WINDOW, std::to_string(kWidth),
                                               std::to_string(kHeight)};

// Start-up times on a shared machine vary widely from one start to the next: each row is the
// median of many single starts.
void Starts(benchmark::internal::Benchmark* benchmark) {
  benchmark->UseManualTime()->Iterations(1)->Repetitions(15)->ReportAggregatesOnly(true)->Unit(
      benchmark::kMillisecond);
}

BENCHMARK_CAPTURE(BM_StartToFirstPaintedFrame, quick_intro, kProgram, nullptr)->Apply(Starts);
BENCHMARK_CAPTURE(BM_StartToFirstPaintedFrame, plain_sdl_window_peer, kPlainWindow, "0")
    ->Apply(Starts);
BENCHMARK_CAPTURE(BM_StartToFirstPaintedFrame, plain_sdl_window_sdl_defaults, kPlainWindow, nullptr)
    ->Apply(Starts);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (argc > 1) {
    const std::vector<std::string> earlier = {argv[1]};
    benchmark::RegisterBenchmark("BM_StartToFirstPaintedFrame/quick_intro_earlier_build",
                                 [earlier](benchmark::State& state) {
                                   BM_StartToFirstPaintedFrame(state, earlier, nullptr);
                                 })
        ->Apply(Starts);
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
