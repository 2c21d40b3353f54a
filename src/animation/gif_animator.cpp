#include "animation/gif_animator.h"

#include <algorithm>

#include "animation/paint_parent_background.h"
#include "animation/threaded_timer.h"
#include "framework/controls/application.h"
#include "framework/core/exceptions.h"
#include "framework/core/property_table.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/draw_bitmap_keyed.h"
#include "framework/graphics/gdi.h"
#include "framework/graphics/palette_relative.h"
#include "gif/picture/gif_image.h"

TGIFAnimator::TGIFAnimator(TComponent* owner)
    : TImageControl(owner), frameTimer_(new TThreadedTimer(this)) {
  image_ = std::make_unique<TGIFImage>();
  SetPaletteGraphic(image_.get());
  image_->SetOnChange([this](TObject*) { HandleImageChange(); });
}

TGIFAnimator::~TGIFAnimator() {
  Destroying();
  onChange_ = nullptr;
  onFrameChanged_ = nullptr;
  onStart_ = nullptr;
  onStop_ = nullptr;
  SetAnimate(false);
  image_->SetOnChange(nullptr);
  SetPaletteGraphic(nullptr);
  image_.reset();
}

void TGIFAnimator::SetAnimate(bool value) {
  if (value == Animate()) return;
  if (value) {
    Start();
  } else {
    Stop();
  }
}

void TGIFAnimator::Start() {
  // The shown frame stays; the first step comes after the interval last given to the timer.
  frameTimer_->SetOnTimer([this](TObject*) { AdvanceFrame(); });
  frameTimer_->SetEnabled(true);
  state_ = frameTimer_->Enabled() ? TAnimatorState::Running : TAnimatorState::Stopped;
  NotifyStart();
}

void TGIFAnimator::Stop() {
  frameTimer_->SetEnabled(false);
  frameTimer_->SetOnTimer(nullptr);
  state_ = TAnimatorState::Stopped;
  NotifyStop();
  ContentChanged();
}

void TGIFAnimator::SetAutoSize(bool value) {
  if (autoSize_ == value) return;
  autoSize_ = value;
  ApplyAutoSize();
  ContentChanged();
}

void TGIFAnimator::SetCenter(bool value) {
  if (center_ == value) return;
  center_ = value;
  DisplayChanged();
}

void TGIFAnimator::SetStretch(bool value) {
  if (stretch_ == value) return;
  stretch_ = value;
  DisplayChanged();
}

void TGIFAnimator::SetTransparent(bool value) {
  if (transparent_ == value) return;
  transparent_ = value;
  DisplayChanged();
}

void TGIFAnimator::DisplayChanged() {
  ContentChanged();
  if (Animate()) Repaint();
}

void TGIFAnimator::SetFrameIndex(int value) {
  if (value == frameIndex_ || value < 0 || value >= image_->FrameCount()) return;
  frameIndex_ = value;
  frameTimer_->SetInterval(CurrentFrameDelay());
  NotifyFrameChanged();
  ContentChanged();
}

void TGIFAnimator::SetImage(const TGraphic* value) {
  image_->Assign(value);  // the image's change notification does the rest
}

void TGIFAnimator::HandleImageChange() {
  failureShown_ = false;
  ApplyAutoSize();
  frameIndex_ = image_->CurrentIndex();
  if (frameIndex_ >= 0 && image_->FrameCount() > 0) frameTimer_->SetInterval(CurrentFrameDelay());
  NotifyChange();
  ContentChanged();
}

void TGIFAnimator::ApplyAutoSize() {
  // While form data is read the stored size stands.
  if (InState(csReading) || !autoSize_ || image_->Empty()) return;
  SetBounds(Left(), Top(), image_->LogicalWidth(), image_->LogicalHeight());
}

void TGIFAnimator::WndProc(TMessage& message) {
  TImageControl::WndProc(message);
  if (message.Msg == WM_SIZE) ApplyAutoSize();
}

std::uint16_t TGIFAnimator::CurrentFrameDelay() const {
  const int count = image_->FrameCount();
  if (frameIndex_ < 0 || frameIndex_ >= count || count < 2) return 0;
  const std::uint16_t delay = image_->FrameAt(frameIndex_)->DelayMs();
  return delay > 0 ? delay : 1;
}

HPALETTE TGIFAnimator::ControlPalette() {
  if (image_->Empty()) return nullptr;
  try {
    return image_->CurrentPalette();
  } catch (const Exception&) {
    return nullptr;  // a frame that cannot be decoded has no palette to show
  }
}

void TGIFAnimator::AdvanceFrame() {
  const int count = image_->FrameCount();
  if (!Visible() || count < 2) return;
  frameIndex_ = frameIndex_ < count - 1 ? frameIndex_ + 1 : 0;
  try {
    NotifyFrameChanged();
    Repaint();
  } catch (const EAbort&) {
    EndStep();  // it ends this step only
    throw;
  } catch (...) {
    EndStep();
    // The timer reports the failure; where it then gives up, the run ends with it, so that
    // Animate keeps telling whether frames move.
    if (frameTimer_->StopsOnTickFailure()) SetAnimate(false);
    throw;
  }
  EndStep();
}

void TGIFAnimator::EndStep() {
  // The new frame stays for its own delay, also when showing it failed.
  if (frameIndex_ >= 0 && frameIndex_ < image_->FrameCount()) {
    frameTimer_->SetInterval(CurrentFrameDelay());
  }
  if (!loop_ && frameIndex_ == 0) SetAnimate(false);
}

void TGIFAnimator::Paint() {
  PaintContent();
}

bool TGIFAnimator::CanCompose() const {
  const int current = image_->CurrentIndex();
  return !image_->Empty() && image_->LogicalWidth() > 0 && image_->LogicalHeight() > 0 &&
         frameIndex_ >= 0 && current >= 0 && current < image_->FrameCount();
}

TRect TGIFAnimator::DestinationRect(int width, int height) const {
  if (stretch_) return ClientRect();
  if (!center_) return Bounds(0, 0, width, height);
  // Truncated toward zero: negative when the picture is larger than the control.
  return Bounds((ClientWidth() - width) / 2, (ClientHeight() - height) / 2, width, height);
}

namespace {

// Whether drawing straight on the canvas gives the very pixels that drawing on a new bitmap, of the
// screen's 32 bits per pixel, and copying that there would. A surface with a colour table reduces
// the colours of every step to its table, palette-relative fills through the picture's palette
// first, where the copy reduces the finished picture once.
bool HasTheScreensDepth(TCanvas& canvas) {
  return canvas.Handle()->Bitmap().BitsPerPixel() == 32;
}

}  // namespace

void TGIFAnimator::RenderContent() {
  // The framework paints controls into their window's back buffer and shows it whole once
  // painted, so a frame step cannot flicker there: the control renders into it directly, and
  // into a buffer of its own only on a surface of another kind.
  TCanvas& target = Canvas();
  if (HasTheScreensDepth(target)) {
    Render(target);
    return;
  }
  TBitmap buffer;
  buffer.SetSize(ClientWidth(), ClientHeight());
  Render(buffer.Canvas());
  target.Draw(0, 0, &buffer);
}

void TGIFAnimator::Render(TCanvas& canvas) {
  PaintBackground(canvas);
  if (!CanCompose()) return;
  try {
    DrawComposedFrame(canvas);
  } catch (const Exception&) {
    PaintBackground(canvas);  // over whatever composing drew before it failed
    CompositionFailed();
  }
}

void TGIFAnimator::PaintBackground(TCanvas& canvas) {
  canvas.Brush().SetColor(Color());
  canvas.FillRect(ClientRect());
  if (image_->HasTransparentFrame() || image_->Empty()) PaintParentBackground(*this, canvas);
}

void TGIFAnimator::DrawComposedFrame(TCanvas& canvas) {
  const int width = image_->LogicalWidth();
  const int height = image_->LogicalHeight();
  const TRect destination = DestinationRect(width, height);
  const bool keyed =
      transparent_ && image_->FrameAt(image_->CurrentIndex())->TransparentColor() != clNone;
  if (!keyed && destination.Width() == width && destination.Height() == height) {
    // Copied unscaled and opaque, the composed frame would show just what composing it in place
    // shows, without a bitmap of the whole logical screen.
    HDC dc = canvas.Handle();
    TSavedDCState saved(dc);
    if (OffsetViewportAndClip(dc, destination.left, destination.top, width, height) == NULLREGION)
      return;
    TColor key = clNone;
    Compose(canvas, frameIndex_, key);
    return;
  }
  TColor key = clNone;
  const std::unique_ptr<TBitmap> frame = ComposeFrame(frameIndex_, key);
  if (key != clNone && transparent_) {
    DrawBitmapRectKeyed(canvas, destination.left, destination.top, destination.Width(),
                        destination.Height(), Rect(0, 0, width, height), *frame, key);
  } else {
    canvas.StretchDraw(destination, frame.get());
  }
}

void TGIFAnimator::CompositionFailed() {
  // The control still shows what lies behind it, and a picture that cannot be decoded is
  // reported once, not at every paint.
  if (failureShown_ || Application == nullptr) return;
  failureShown_ = true;
  Application->HandleException(this);
}

namespace {

TRect FrameRect(TGIFFrame& frame) {
  return Bounds(frame.Origin().x, frame.Origin().y, frame.FrameWidth(), frame.FrameHeight());
}

}  // namespace

std::unique_ptr<TBitmap> TGIFAnimator::ComposeFrame(int index, TColor& key) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetSize(image_->LogicalWidth(), image_->LogicalHeight());
  Compose(bitmap->Canvas(), index, key);
  return bitmap;
}

void TGIFAnimator::Compose(TCanvas& canvas, int index, TColor& key) {
  const int width = image_->LogicalWidth();
  const int height = image_->LogicalHeight();
  HDC dc = canvas.Handle();
  HPALETTE palette = image_->CurrentPalette();
  HPALETTE previousPalette = nullptr;
  if (palette != nullptr) {
    previousPalette = SelectPalette(dc, palette, false);
    RealizePalette(dc);
  }

  // The fill follows the image's current frame, whichever frame is composed.
  const TGIFFrame& current = *image_->FrameAt(image_->CurrentIndex());
  TColor fill;
  if (current.TransparentColor() != clNone) {
    key = GetNearestColor(dc, ColorToRGB(current.TransparentColor()));
    fill = PaletteRelative(key);
  } else if (image_->BackColor() != clNone && image_->HasTransparentFrame()) {
    fill = PaletteRelative(image_->BackColor());
  } else {
    fill = PaletteRelative(clWindow);
  }
  canvas.Brush().SetColor(fill);
  canvas.FillRect(Rect(0, 0, width, height));

  const int target = std::min(index, image_->FrameCount() - 1);
  // Start at the last full-screen frame restoring the background before the target: everything
  // before it is wiped out. The origin is not compared.
  int start = std::max(0, target - 1);
  for (; start > 0; --start) {
    TGIFFrame& frame = *image_->FrameAt(start);
    if (frame.Disposal() == 2 && frame.FrameWidth() == width && frame.FrameHeight() == height) {
      break;
    }
  }
  for (int j = start; j < target; ++j) {
    TGIFFrame& frame = *image_->FrameAt(j);
    if (frame.Disposal() <= 1) {
      frame.DrawFrame(canvas, FrameRect(frame), TFrameTransparency::Keyed);
    } else if (frame.Disposal() == 2 && j > start) {
      canvas.FillRect(FrameRect(frame));  // cleared to the background after it was shown
    }
    // Disposal 3 and the undefined 4-7: undone before the next frame, so never drawn.
  }
  TGIFFrame& last = *image_->FrameAt(target);
  last.DrawFrame(canvas, FrameRect(last), TFrameTransparency::Keyed);

  if (palette != nullptr) SelectPalette(dc, previousPalette, false);
}

void TGIFAnimator::NotifyChange() {
  if (onChange_) onChange_(this);
}

void TGIFAnimator::NotifyFrameChanged() {
  if (onFrameChanged_) onFrameChanged_(this);
}

void TGIFAnimator::NotifyStart() {
  if (onStart_) onStart_(this);
}

void TGIFAnimator::NotifyStop() {
  if (onStop_) onStop_(this);
}

const TPropertyTable& TGIFAnimator::StaticProperties() {
  static const TPropertyTable table =
      TPropertyTable(&TImageControl::StaticProperties())
          .Boolean("Animate", &TGIFAnimator::Animate, &TGIFAnimator::SetAnimate, false)
          .Boolean("AutoSize", &TGIFAnimator::AutoSize, &TGIFAnimator::SetAutoSize, true)
          .Boolean("Center", &TGIFAnimator::Center, &TGIFAnimator::SetCenter, false)
          .Integer("FrameIndex", &TGIFAnimator::FrameIndex, &TGIFAnimator::SetFrameIndex, 0)
          .Object("Image", &TGIFAnimator::Image)
          .Boolean("Loop", &TGIFAnimator::Loop, &TGIFAnimator::SetLoop, true)
          .Boolean("Stretch", &TGIFAnimator::Stretch, &TGIFAnimator::SetStretch, false)
          .Boolean("Transparent", &TGIFAnimator::Transparent, &TGIFAnimator::SetTransparent, true)
          .Event("OnChange", &TGIFAnimator::SetOnChange)
          .Event("OnFrameChanged", &TGIFAnimator::SetOnFrameChanged)
          .Event("OnStart", &TGIFAnimator::SetOnStart)
          .Event("OnStop", &TGIFAnimator::SetOnStop);
  return table;
}
