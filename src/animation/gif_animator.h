#pragma once

#include <cstdint>
#include <memory>

#include "animation/image_control.h"
#include "framework/graphics/color.h"

class TBitmap;
class TGIFImage;
class TPropertyTable;
class TThreadedTimer;

// Whether the animator steps through its frames.
enum class TAnimatorState { Stopped, Running };

// A windowless control that shows one frame of a GIF and, while Animate is on, steps through the
// frames on its timer, each frame staying for its own delay. Every paint composes the frame anew
// from the GIF's frames (origins, disposal methods, transparent colours) into an off-screen bitmap
// and draws it, see-through over whatever lies behind the control when the GIF is transparent.
//
// Events, in order:
//   - image loaded or assigned: size adjusted, FrameIndex taken from the image, timer interval,
//     OnChange, repaint scheduled;
//   - FrameIndex set: interval, OnFrameChanged, repaint scheduled;
//   - tick: index advanced, OnFrameChanged, immediate repaint, interval, (end of a run without
//     Loop) OnStop;
//   - Animate on: OnStart; Animate off: OnStop, repaint scheduled.
class TGIFAnimator : public TImageControl {
 public:
  explicit TGIFAnimator(TComponent* owner);
  ~TGIFAnimator() override;
  const char* ClassName() const override { return "TGIFAnimator"; }
  static const TPropertyTable& StaticProperties();
  const TPropertyTable& Properties() const override { return StaticProperties(); }

  TAnimatorState State() const { return state_; }
  bool Animate() const { return state_ == TAnimatorState::Running; }
  void SetAnimate(bool value);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  bool Center() const { return center_; }
  void SetCenter(bool value);
  // Ignored unless 0 <= value < the image's frame count.
  int FrameIndex() const { return frameIndex_; }
  void SetFrameIndex(int value);
  // The owned picture, never absent.
  TGIFImage* Image() const { return image_.get(); }
  // Copies the graphic into the owned picture.
  void SetImage(const TGraphic* value);
  // When off, a run ends (Animate off) on coming back to frame 0.
  bool Loop() const { return loop_; }
  void SetLoop(bool value) { loop_ = value; }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  TThreadedTimer& FrameTimer() const { return *frameTimer_; }

  void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }
  void SetOnFrameChanged(TNotifyEvent handler) { onFrameChanged_ = std::move(handler); }
  void SetOnStart(TNotifyEvent handler) { onStart_ = std::move(handler); }
  void SetOnStop(TNotifyEvent handler) { onStop_ = std::move(handler); }

  // How long the current frame stays: its delay (at least 1 ms) when the image has two frames or
  // more, else 0, which leaves the timer idle.
  std::uint16_t CurrentFrameDelay() const;
  // The image's palette; none for an empty image or one whose frame cannot be decoded.
  HPALETTE ControlPalette() override;

  // The logical screen as it looks when frame index is shown: built from the last full-screen
  // frame with disposal 2 before it (or from frame 0) up to it, over a fill of the transparent
  // colour, the GIF's background or the window colour. key receives the transparent colour as the
  // bitmap shows it when the image has one, and is left alone otherwise. Needs a non-empty image
  // whose current index names one of its frames, and index >= 0.
  std::unique_ptr<TBitmap> ComposeFrame(int index, TColor& key);

  void WndProc(TMessage& message) override;

 protected:
  void Paint() override;
  void RenderContent() override;

  virtual void NotifyChange();
  virtual void NotifyFrameChanged();
  virtual void NotifyStart();
  virtual void NotifyStop();

 private:
  void HandleImageChange();
  void ApplyAutoSize();
  void AdvanceFrame();
  // After a step, also a failed one: the interval for the new frame, the end of a run without
  // Loop.
  void EndStep();
  void Start();
  void Stop();
  // Center, Stretch and Transparent share their reaction.
  void DisplayChanged();
  bool CanCompose() const;
  TRect DestinationRect(int width, int height) const;
  // What RenderContent paints, on the canvas given.
  void Render(TCanvas& canvas);
  // The control's colour and, where the picture lets it through, what lies behind the control.
  void PaintBackground(TCanvas& canvas);
  // The shown frame, composed, at its destination on the canvas.
  void DrawComposedFrame(TCanvas& canvas);
  // ComposeFrame's work, on a canvas whose origin and clip area are the logical screen's.
  void Compose(TCanvas& canvas, int index, TColor& key);
  // Inside a catch block: a composition failed while painting.
  void CompositionFailed();

  TAnimatorState state_ = TAnimatorState::Stopped;
  bool autoSize_ = true;
  std::unique_ptr<TGIFImage> image_;
  TThreadedTimer* frameTimer_;  // owned as a component
  int frameIndex_ = 0;
  bool stretch_ = false;
  bool loop_ = true;
  bool center_ = false;
  bool transparent_ = true;
  bool failureShown_ = false;  // a composition failure of this image was already reported
  TNotifyEvent onStart_;
  TNotifyEvent onStop_;
  TNotifyEvent onChange_;
  TNotifyEvent onFrameChanged_;
};
