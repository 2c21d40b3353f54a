#include "framework/backends/headless/headless_window.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

TArgbImage BlackImage(int width, int height) {
  TArgbImage image;
  image.width = std::max(width, 0);
  image.height = std::max(height, 0);
  image.pixels.assign(static_cast<std::size_t>(image.width) * image.height, kOpaque);
  return image;
}

}  // namespace

THeadlessWindow::THeadlessWindow(const TWindowParams& params)
    : params_(params), caption_(params.caption) {
  frame_ = BlackImage(params.clientWidth, params.clientHeight);
}

void THeadlessWindow::SetClientSize(int width, int height) {
  params_.clientWidth = width;
  params_.clientHeight = height;
  frame_ = BlackImage(width, height);
}

void THeadlessWindow::Present(const TPixelView& view) {
  ++presentCount_;
  const int width = std::min(view.width, frame_.width);
  const int height = std::min(view.height, frame_.height);
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* row = view.pixels + static_cast<std::ptrdiff_t>(y) * view.stride;
    std::uint32_t* out = frame_.pixels.data() + static_cast<std::ptrdiff_t>(y) * frame_.width;
    for (int x = 0; x < width; ++x)
      out[x] = row[x] | kOpaque;
  }
}

bool THeadlessWindow::BringToFront() {
  ++bringToFrontCount_;
  return true;
}
