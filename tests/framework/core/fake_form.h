#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/component.h"

// A small form and controls for the form data tests and the form reader's fuzz target: fields,
// handlers, nested objects (font, picture), a binary property, enumerations, sets and colours by
// name or number.

enum TFakeAlign { faNone, faTop, faClient };

class TFakeFont : public TPersistent {
 public:
  const char* ClassName() const override { return "TFakeFont"; }
  const TPropertyTable& Properties() const override;

  const std::string& Name() const { return name_; }
  void SetName(const std::string& value) { name_ = value; }
  int Height() const { return height_; }
  void SetHeight(int value) { height_ = value; }
  unsigned Style() const { return style_; }
  void SetStyle(unsigned value) { style_ = value; }
  std::int64_t Color() const { return color_; }
  void SetColor(std::int64_t value) { color_ = value; }

 private:
  std::string name_ = "Sans";
  int height_ = -11;
  unsigned style_ = 0;
  std::int64_t color_ = 0;
};

// Keeps its content as raw bytes in the binary property "Data", written when there is no ancestor
// and it holds bytes, or when the ancestor's picture holds other bytes.
class TFakePicture : public TPersistent {
 public:
  const char* ClassName() const override { return "TFakePicture"; }
  void DefineProperties(TFiler& filer) override;

  std::vector<std::uint8_t> data;
  // The ancestor DefineProperties saw last, for tests of the writer.
  const TPersistent* seenAncestor = nullptr;
};

class TFakeControl : public TComponent {
 public:
  using TComponent::TComponent;
  const char* ClassName() const override { return "TFakeControl"; }
  static const TPropertyTable& StaticProperties();
  const TPropertyTable& Properties() const override { return StaticProperties(); }

  int Left() const { return left_; }
  void SetLeft(int value);
  int Top() const { return top_; }
  void SetTop(int value) { top_ = value; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value) { caption_ = value; }
  bool Visible() const { return visible_; }
  void SetVisible(bool value) { visible_ = value; }
  std::int64_t Color() const { return color_; }
  void SetColor(std::int64_t value) { color_ = value; }
  TFakeAlign Align() const { return align_; }
  void SetAlign(TFakeAlign value) { align_ = value; }
  TFakeFont& Font() { return font_; }
  TFakePicture& Picture() { return picture_; }
  const TNotifyEvent& OnClick() const { return onClick_; }
  void SetOnClick(TNotifyEvent handler) { onClick_ = std::move(handler); }

  void SetParentComponent(TComponent* parent) override { parent_ = parent; }
  TComponent* GetParentComponent() const override { return parent_; }
  void Loaded() override;

  // What Left's setter saw when it ran, for tests of the reading order.
  TComponentState stateAtLeft = 0;
  TComponent* parentAtLeft = nullptr;

 private:
  int left_ = 0;
  int top_ = 0;
  std::string caption_;
  bool visible_ = true;
  std::int64_t color_ = 0x80000005;  // the window colour
  TFakeAlign align_ = faNone;
  TFakeFont font_;
  TFakePicture picture_;
  TNotifyEvent onClick_;
  TComponent* parent_ = nullptr;
};

class TFakePanel : public TFakeControl {
 public:
  using TFakeControl::TFakeControl;
  const char* ClassName() const override { return "TFakePanel"; }
};

// The root: fields Panel1, Label1 and Button1, handlers FormCreate and ButtonClick, an OnCreate
// event, and a log of Loaded calls and handler calls.
class TFakeForm : public TFakeControl {
 public:
  using TFakeControl::TFakeControl;
  const char* ClassName() const override { return "TFakeForm"; }
  static const TPropertyTable& StaticProperties();
  const TPropertyTable& Properties() const override { return StaticProperties(); }

  TNotifyEvent MethodAddress(std::string_view name) override;
  bool BindField(std::string_view name, TComponent* component) override;

  const TNotifyEvent& OnCreate() const { return onCreate_; }
  void SetOnCreate(TNotifyEvent handler) { onCreate_ = std::move(handler); }

  TFakePanel* Panel1 = nullptr;
  TFakeControl* Label1 = nullptr;
  TFakeControl* Button1 = nullptr;
  std::vector<std::string> log;

 private:
  TNotifyEvent onCreate_;
};

// Registers TFakeControl, TFakePanel and TFakeForm, and TFakeFont (a class that is no component).
void RegisterFakeFormClasses();
