#pragma once

#include <string>
#include <vector>

#include "framework/platform/native_window.h"

// A window that exists only in memory: it keeps what the framework set and presented so that a
// test can look at it.
class THeadlessWindow : public TNativeWindow {
 public:
  explicit THeadlessWindow(const TWindowParams& params);

  void SetCaption(const std::string& caption) override { caption_ = caption; }
  void SetIcon(const TArgbImage& icon) override { icon_ = icon; }
  void SetClientSize(int width, int height) override;
  void Show() override { visible_ = true; }
  void Hide() override { visible_ = false; }
  bool Visible() const override { return visible_; }
  void Present(const TPixelView& view) override;
  void SetCursor(HCURSOR cursor) override { cursor_ = cursor; }
  bool BringToFront() override;

  const TWindowParams& Params() const { return params_; }
  const std::string& Caption() const { return caption_; }
  const TArgbImage& Icon() const { return icon_; }
  int ClientWidth() const { return params_.clientWidth; }
  int ClientHeight() const { return params_.clientHeight; }
  HCURSOR Cursor() const { return cursor_; }
  int BringToFrontCount() const { return bringToFrontCount_; }
  int PresentCount() const { return presentCount_; }
  // The client area as last presented (0xFFRRGGBB), the window's size; black before the first
  // Present.
  const TArgbImage& Frame() const { return frame_; }

 private:
  TWindowParams params_;
  std::string caption_;
  TArgbImage icon_;
  bool visible_ = false;
  HCURSOR cursor_ = nullptr;
  int bringToFrontCount_ = 0;
  int presentCount_ = 0;
  TArgbImage frame_;
};
