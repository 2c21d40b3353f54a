#include <gdk-pixbuf/gdk-pixbuf.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cursors/animated_cursor_image.h"
#include "support/test_data.h"

// gdk-pixbuf's ANI loader as a second opinion on every corpus file it reads: the same number of
// steps, each shown as long (gdk-pixbuf keeps milliseconds, rate x 1000 / 60).

namespace {

struct Step {
  const void* picture;
  int delayMs;
  bool operator==(const Step&) const = default;
};

// One cycle of the animation as gdk-pixbuf plays it, stepped through by time; none when it
// refuses the file (with its reason).
std::vector<Step> PeerCycle(const std::filesystem::path& file, std::string& refusal) {
  GError* error = nullptr;
  GdkPixbufAnimation* animation = gdk_pixbuf_animation_new_from_file(file.c_str(), &error);
  if (animation == nullptr) {
    refusal = error->message;
    g_error_free(error);
    return {};
  }
  // The iterator only tells the step at a time; enough steps to see the cycle three times.
  std::vector<Step> steps;
  G_GNUC_BEGIN_IGNORE_DEPRECATIONS
  GTimeVal time = {0, 0};
  GdkPixbufAnimationIter* iter = gdk_pixbuf_animation_get_iter(animation, &time);
  for (int i = 0; i < 400; ++i) {
    const int delay = gdk_pixbuf_animation_iter_get_delay_time(iter);
    steps.push_back({gdk_pixbuf_animation_iter_get_pixbuf(iter), delay});
    if (delay <= 0) break;
    const long micros = time.tv_usec + delay * 1000L;
    time.tv_sec += micros / 1000000;
    time.tv_usec = micros % 1000000;
    gdk_pixbuf_animation_iter_advance(iter, &time);
  }
  G_GNUC_END_IGNORE_DEPRECATIONS
  g_object_unref(iter);
  g_object_unref(animation);
  // The shortest period that repeats through everything seen.
  for (std::size_t period = 1; period <= steps.size() / 3; ++period) {
    bool repeats = true;
    for (std::size_t i = period; i < steps.size() && repeats; ++i)
      repeats = steps[i] == steps[i - period];
    if (repeats) return {steps.begin(), steps.begin() + static_cast<std::ptrdiff_t>(period)};
  }
  return steps;
}

}  // namespace

TEST(AniConformance, StepsAndTimesAgreeWithGdkPixbuf) {
  QI_REQUIRE_TESTDATA();
  int compared = 0;
  for (const auto& entry : std::filesystem::directory_iterator(qi_test::TestDataDir() / "ani")) {
    if (entry.path().extension() != ".ani") continue;
    SCOPED_TRACE(entry.path().filename().string());
    std::string refusal;
    const std::vector<Step> peer = PeerCycle(entry.path(), refusal);
    if (peer.empty()) {
      // gdk-pixbuf reads no PNG-compressed frames, nor a header after an INFO list.
      std::cout << entry.path().filename().string() << ": gdk-pixbuf refuses it (" << refusal
                << ")\n";
      continue;
    }
    TAnimatedCursorImage image;
    image.LoadFromFile(entry.path().string());
    ASSERT_EQ(image.FrameCount(), static_cast<int>(peer.size()));
    for (int i = 0; i < image.FrameCount(); ++i) {
      EXPECT_EQ(image.Frame(i)->RateJiffies() * 1000 / 60,
                peer[static_cast<std::size_t>(i)].delayMs)
          << i;
      // Steps that gdk-pixbuf shows with the same picture show the same icon here too.
      for (int j = 0; j < i; ++j) {
        EXPECT_EQ(
            peer[static_cast<std::size_t>(i)].picture == peer[static_cast<std::size_t>(j)].picture,
            image.Frame(i)->IconNumber() == image.Frame(j)->IconNumber())
            << i << " " << j;
      }
    }
    ++compared;
  }
  EXPECT_GE(compared, 6);
}
