#include "framework/controls/form.h"

#include <algorithm>
#include <vector>

#include "framework/controls/application.h"
#include "framework/controls/button.h"
#include "framework/controls/control_errors.h"
#include "framework/controls/geometry.h"
#include "framework/controls/icon_pixels.h"
#include "framework/controls/message_queue.h"
#include "framework/controls/screen.h"
#include "framework/controls/window_handles.h"
#include "framework/core/form_reader.h"
#include "framework/core/memory_stream.h"
#include "framework/core/property_table.h"
#include "framework/core/text.h"
#include "framework/graphics/bitmap_object.h"
#include "framework/graphics/device_context.h"
#include "framework/platform/platform_services.h"
#include "framework/platform/window_backend.h"
#include "framework/platform/window_object.h"

namespace {

// Posted to a form by Release; the form frees itself when the loop delivers it.
constexpr unsigned CM_RELEASE = WM_USER + 0x100;

unsigned MouseMessage(const TInputEvent& event) {
  const bool left = event.button == TMouseButton::mbLeft;
  switch (event.kind) {
    case TInputEventKind::kMouseDown:
      return left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN;
    case TInputEventKind::kMouseUp:
      return left ? WM_LBUTTONUP : WM_RBUTTONUP;
    default:
      return WM_MOUSEMOVE;
  }
}

bool EnabledChain(const TControl* control) {
  for (const TControl* c = control; c != nullptr; c = c->Parent()) {
    if (!c->Enabled()) return false;
  }
  return true;
}

}  // namespace

TForm* GetParentForm(const TControl* control) {
  const TControl* top = control;
  while (top->Parent() != nullptr)
    top = top->Parent();
  return dynamic_cast<TForm*>(const_cast<TControl*>(top));
}

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  SetVisible(false);
  SetColor(clBtnFace);
  SetParentFont(false);
  SetBounds(0, 0, 320, 240);
  backBuffer_.SetPixelFormat(TPixelFormat::pf32bit);
  icon_.SetOnChange([this](TObject*) { IconChanged(); });
  if (Screen != nullptr) {
    pixelsPerInch_ = Screen->PixelsPerInch();
    Screen->AddForm(this);
  }
}

TForm::~TForm() {
  Destroying();
  // The controls reach back into the form while they go (focus, capture), so they go first.
  DestroyComponents();
  if (Screen != nullptr) Screen->RemoveForm(this);
  if (Application != nullptr && Application->MainForm() == this) Application->SetMainForm(nullptr);
}

void TForm::ReadFormData() {
  const std::span<const std::uint8_t> data =
      Platform().LoadResource(TResourceName(UpperCase(ClassName())), RT_RCDATA);
  TMemoryStream stream(std::vector<std::uint8_t>(data.begin(), data.end()));
  ReadRootComponent(*this, stream);
  ScaleToScreen();
}

void TForm::ScaleToScreen() {
  const int screenPixelsPerInch = Screen != nullptr ? Screen->PixelsPerInch() : pixelsPerInch_;
  if (pixelsPerInch_ <= 0 || pixelsPerInch_ == screenPixelsPerInch) return;
  const int stored = pixelsPerInch_;
  Font().SetHeight(MulDiv(Font().Height(), screenPixelsPerInch, stored));
  for (int i = 0; i < ControlCount(); ++i)
    Controls(i)->ChangeScale(screenPixelsPerInch, stored);
  SetBounds(Left(), Top(), MulDiv(Width(), screenPixelsPerInch, stored),
            MulDiv(Height(), screenPixelsPerInch, stored));
  pixelsPerInch_ = screenPixelsPerInch;
}

void TForm::AfterConstruction() {
  try {
    FireEvent(onCreate_);
  } catch (...) {
    if (Application == nullptr) throw;
    Application->HandleException(this);
  }
  if (Visible()) ShowWindowNow();
}

void TForm::FireEvent(const TNotifyEvent& handler) {
  if (handler) handler(this);
}

TNativeWindow* TForm::Native() {
  return Handle()->native.get();
}

void TForm::CreateHandle() {
  TWinControl::CreateHandle();
  if (!HasWindowBackend()) return;
  TWindowParams params;
  params.caption = Caption();
  params.left = Left();
  params.top = Top();
  params.clientWidth = Width();
  params.clientHeight = Height();
  params.toolWindow = borderStyle_ == bsToolWindow || borderStyle_ == bsSizeToolWin;
  params.resizable = borderStyle_ == bsSizeable || borderStyle_ == bsSizeToolWin;
  params.stayOnTop = formStyle_ == fsStayOnTop;
  params.centred = position_ == poScreenCenter;
  AttachNativeWindow(Handle(), WindowBackend().CreateWindow(params));
  IconChanged();
}

void TForm::IconChanged() {
  if (HandleAllocated() && Handle()->native != nullptr) {
    Handle()->native->SetIcon(ArgbImageOf(icon_));
  }
}

void TForm::VisibleChanged() {
  TWinControl::VisibleChanged();
  if (InState(csLoading)) return;  // shown by AfterConstruction
  if (Visible()) {
    ShowWindowNow();
  } else {
    HideWindowNow();
  }
}

void TForm::ShowWindowNow() {
  FireEvent(onShow_);
  if (activeControl_ == nullptr) SelectFirst();
  invalid_ = ClientRect();
  PaintPending();
  if (TNativeWindow* native = Native()) {
    native->Show();
    native->BringToFront();
  }
  UpdateCursor(true);
  if (Screen != nullptr) Screen->SetActiveForm(this);
}

void TForm::HideWindowNow() {
  FireEvent(onHide_);
  if (HandleAllocated() && Handle()->native != nullptr) Handle()->native->Hide();
  if (Screen != nullptr && Screen->ActiveForm() == this) Screen->SetActiveForm(nullptr);
}

void TForm::Activated() {
  active_ = true;
  FireEvent(onActivate_);
}

void TForm::Deactivated() {
  active_ = false;
  FireEvent(onDeactivate_);
}

void TForm::TextChanged() {
  if (HandleAllocated() && Handle()->native != nullptr) Handle()->native->SetCaption(Caption());
}

void TForm::Resized() {
  if (HandleAllocated() && Handle()->native != nullptr) {
    Handle()->native->SetClientSize(Width(), Height());
  }
  invalid_ = ClientRect();
}

void TForm::SetActiveControl(TWinControl* control) {
  if (control == activeControl_) return;
  if (control != nullptr && (control == this || !ContainsControl(control) ||
                             (!InState(csLoading) && !control->CanFocus()))) {
    throw EInvalidOperation(messages::kCannotFocus);
  }
  TWinControl* previous = std::exchange(activeControl_, control);
  FocusChanged(previous);
}

void TForm::FocusChanged(TWinControl* previous) {
  // The focus rectangle moves, and so may the default button's frame.
  if (previous != nullptr) previous->Invalidate();
  if (activeControl_ != nullptr) activeControl_->Invalidate();
  if (TButton* button = DefaultButton()) button->Invalidate();
}

void TForm::SelectFirst() {
  SelectNext(nullptr, true, true);
}

void TForm::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
  std::vector<TWinControl*> order;
  GetTabOrderList(order);
  if (order.empty()) return;
  const auto count = static_cast<int>(order.size());
  int index = static_cast<int>(std::find(order.begin(), order.end(), current) - order.begin());
  if (index == count) index = forward ? -1 : count;
  for (int step = 0; step < count; ++step) {
    index = forward ? (index + 1) % count : (index - 1 + count) % count;
    TWinControl* candidate = order[static_cast<std::size_t>(index)];
    if (candidate == current) return;
    if ((!checkTabStop || candidate->TabStop()) && candidate->CanFocus()) {
      SetActiveControl(candidate);
      return;
    }
  }
}

TButton* TForm::FindButton(bool wantDefault) const {
  std::vector<TWinControl*> order;
  GetTabOrderList(order);
  for (TWinControl* control : order) {
    auto* button = dynamic_cast<TButton*>(control);
    if (button != nullptr && (wantDefault ? button->Default() : button->Cancel())) return button;
  }
  return nullptr;
}

TButton* TForm::DefaultButton() const {
  return FindButton(true);
}

TButton* TForm::CancelButton() const {
  return FindButton(false);
}

void TForm::Close() {
  TCloseAction action = caHide;
  if (onClose_) onClose_(this, action);
  if (action == caNone) return;
  if (Application != nullptr && Application->MainForm() == this) {
    Application->Terminate();
  } else if (action == caFree) {
    Release();
  } else {
    Hide();
  }
}

void TForm::SetOnCloseNotify(TNotifyEvent handler) {
  if (!handler) {
    onClose_ = nullptr;
    return;
  }
  onClose_ = [handler = std::move(handler)](TObject* sender, TCloseAction&) { handler(sender); };
}

void TForm::Release() {
  PostMessage(Handle(), CM_RELEASE);
}

void TForm::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_RELEASE:
      delete this;
      return;
    case WM_CLOSE:
      Close();
      return;
    case WM_QUERYNEWPALETTE:
      message.Result = RealizeControlPalette() ? 1 : 0;
      return;
    default:
      TWinControl::WndProc(message);
  }
}

namespace {

// The first control, depth first in paint order, that reports a palette.
TControl* FindPaletteControl(const TWinControl& container) {
  for (int i = 0; i < container.ControlCount(); ++i) {
    TControl* control = container.Controls(i);
    if (control->ControlPalette() != nullptr) return control;
    if (const auto* inner = dynamic_cast<const TWinControl*>(control)) {
      if (TControl* found = FindPaletteControl(*inner)) return found;
    }
  }
  return nullptr;
}

}  // namespace

bool TForm::RealizeControlPalette() {
  TControl* control = FindPaletteControl(*this);
  if (control == nullptr) return false;
  HDC dc = backBuffer_.Canvas().Handle();
  HPALETTE previous = SelectPalette(dc, control->ControlPalette(), false);
  RealizePalette(dc);
  SelectPalette(dc, previous, true);
  // The back buffer holds true colours, which no palette changes, so the control needs no
  // repainting after the realisation.
  return true;
}

void TForm::HandleInput(const TInputEvent& event) {
  switch (event.kind) {
    case TInputEventKind::kMouseMove:
    case TInputEventKind::kMouseDown:
    case TInputEventKind::kMouseUp:
      HandleMouse(event);
      break;
    case TInputEventKind::kKeyDown:
      HandleKey(event);
      break;
    case TInputEventKind::kCloseRequest:
      Close();
      break;
    case TInputEventKind::kExposed:
      PresentAgain();
      break;
    case TInputEventKind::kActivated:
      if (Screen != nullptr) Screen->SetActiveForm(this);
      break;
    case TInputEventKind::kDeactivated:
      if (Screen != nullptr && Screen->ActiveForm() == this) Screen->SetActiveForm(nullptr);
      break;
    case TInputEventKind::kPaletteQuery:
      SendMessage(Handle(), WM_QUERYNEWPALETTE, 0, 0);
      break;
    default:
      break;
  }
}

TControl* TForm::ControlAtPoint(TPoint point) const {
  const TWinControl* container = this;
  for (;;) {
    TControl* child = container->ControlAtPos(point, true);
    if (child == nullptr) return const_cast<TWinControl*>(container);
    point.x -= child->Left();
    point.y -= child->Top();
    auto* winChild = dynamic_cast<TWinControl*>(child);
    if (winChild == nullptr) return child;
    container = winChild;
  }
}

void TForm::SendMouseMessage(TControl* target, unsigned msg, const TInputEvent& event) {
  const TPoint origin = target->OriginInTopLevel();
  target->Perform(msg, event.shift, MakeLParam(event.x - origin.x, event.y - origin.y));
}

void TForm::HandleMouse(const TInputEvent& event) {
  TControl* under = ControlAtPoint({event.x, event.y});
  if (hovered_ != under) {
    hovered_ = under;
    UpdateCursor();
  }
  TControl* target = captured_ != nullptr ? captured_ : under;
  if (!EnabledChain(target)) return;
  if (event.kind == TInputEventKind::kMouseDown) {
    auto* winTarget = dynamic_cast<TWinControl*>(target);
    if (winTarget != nullptr && winTarget->FocusOnClick() && winTarget->CanFocus()) {
      SetActiveControl(winTarget);
    }
    if ((target->ControlStyle() & csCaptureMouse) != 0) captured_ = target;
  } else if (event.kind == TInputEventKind::kMouseUp) {
    captured_ = nullptr;
  }
  SendMouseMessage(target, MouseMessage(event), event);
}

void TForm::HandleKey(const TInputEvent& event) {
  if (activeControl_ != nullptr && activeControl_->KeyDown(event.key, event.shift)) return;
  DialogKey(event.key, event.shift);
}

bool TForm::DialogKey(int key, TShiftState shift) {
  if (key == VK_F4 && shift == ssAlt) {
    Close();
    return true;
  }
  if (key == VK_TAB && (shift & ~ssShift) == 0) {
    SelectNext(activeControl_, (shift & ssShift) == 0, true);
    return true;
  }
  if (shift != 0) return false;
  TButton* button = nullptr;
  if (key == VK_RETURN) {
    button = dynamic_cast<TButton*>(activeControl_);
    if (button == nullptr) button = DefaultButton();
  } else if (key == VK_ESCAPE) {
    button = CancelButton();
  }
  if (button == nullptr || !button->CanFocus()) return false;
  button->ClickByUser();
  return true;
}

void TForm::UpdateCursor(bool force) {
  if (Screen == nullptr || !HandleAllocated() || Handle()->native == nullptr) return;
  TCursor number = Screen->Cursor();
  for (const TControl* c = hovered_; number == crDefault && c != nullptr; c = c->Parent()) {
    number = c->Cursor();
  }
  HCURSOR cursor = Screen->Cursors(number);
  if (cursor == shownCursor_ && !force) return;
  shownCursor_ = cursor;
  Handle()->native->SetCursor(cursor);
}

void TForm::ControlRemoving(TControl* control) {
  auto inside = [control](const TControl* c) {
    for (; c != nullptr; c = c->Parent()) {
      if (c == control) return true;
    }
    return false;
  };
  if (inside(activeControl_)) activeControl_ = nullptr;
  if (inside(captured_)) captured_ = nullptr;
  if (inside(hovered_)) hovered_ = nullptr;
}

void TForm::FocusLost(TControl* control) {
  if (control == this || activeControl_ == nullptr) return;
  const auto* container = dynamic_cast<const TWinControl*>(control);
  if (container != nullptr && container->ContainsControl(activeControl_)) {
    SetActiveControl(nullptr);
  }
}

void TForm::InvalidateArea(const TRect& clientRect) {
  invalid_ = UnionRect(invalid_, IntersectRect(clientRect, ClientRect()));
}

void TForm::PaintPending() {
  // A control that asks for pending paints while it paints (a picture realising its palette) gets
  // them after this paint, when the loop is idle again: the back buffer is busy until then.
  if (painting_ || !Visible() || invalid_.IsEmpty()) return;
  // Taken first, so that a paint that fails is not tried again and again.
  const TRect area = std::exchange(invalid_, TRect{});
  if (backBuffer_.Width() != Width() || backBuffer_.Height() != Height()) {
    backBuffer_.SetSize(Width(), Height());
  }
  HDC dc = backBuffer_.Canvas().Handle();
  {
    TSavedDCState saved(dc);
    painting_ = true;
    try {
      IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
      PaintTo(dc);
    } catch (...) {
      painting_ = false;
      throw;
    }
    painting_ = false;
  }
  Present();
}

void TForm::PresentAgain() {
  // The window lost its pixels, the back buffer did not: showing it again is enough, unless it
  // has never been painted at the window's size.
  if (backBuffer_.Width() == Width() && backBuffer_.Height() == Height()) {
    Present();
  } else {
    invalid_ = ClientRect();
  }
}

void TForm::Present() {
  TNativeWindow* native = Native();
  const TBitmapObject* pixels = backBuffer_.Handle();
  if (native == nullptr || pixels == nullptr) return;
  native->Present({pixels->Row32(0), pixels->Width(), pixels->Height(),
                   static_cast<int>(pixels->Stride() / 4)});
}

const TPropertyTable& TForm::StaticProperties() {
  static const TPropertyTable table =
      TPropertyTable(&TWinControl::StaticProperties())
          .Integer("ClientWidth", &TForm::ClientWidth, &TForm::SetClientWidth)
          .Integer("ClientHeight", &TForm::ClientHeight, &TForm::SetClientHeight)
          .Enum("BorderStyle", &TForm::BorderStyle, &TForm::SetBorderStyle,
                {{"bsNone", bsNone},
                 {"bsSingle", bsSingle},
                 {"bsSizeable", bsSizeable},
                 {"bsDialog", bsDialog},
                 {"bsToolWindow", bsToolWindow},
                 {"bsSizeToolWin", bsSizeToolWin}},
                bsSizeable)
          .Set("BorderIcons", &TForm::BorderIcons, &TForm::SetBorderIcons,
               {{"biSystemMenu", biSystemMenu},
                {"biMinimize", biMinimize},
                {"biMaximize", biMaximize},
                {"biHelp", biHelp}})
          .Enum("FormStyle", &TForm::FormStyle, &TForm::SetFormStyle,
                {{"fsNormal", fsNormal},
                 {"fsMDIChild", fsMDIChild},
                 {"fsMDIForm", fsMDIForm},
                 {"fsStayOnTop", fsStayOnTop}},
                fsNormal)
          .Enum("Position", &TForm::Position, &TForm::SetPosition,
                {{"poDesigned", poDesigned},
                 {"poDefault", poDefault},
                 {"poDefaultPosOnly", poDefaultPosOnly},
                 {"poDefaultSizeOnly", poDefaultSizeOnly},
                 {"poScreenCenter", poScreenCenter}},
                poDesigned)
          .Integer("PixelsPerInch", &TForm::PixelsPerInch, &TForm::SetPixelsPerInch)
          .Integer("TextHeight", &TForm::TextHeight, &TForm::SetTextHeight)
          .Object("Icon", &TForm::Icon)
          .Event("OnCreate", &TForm::SetOnCreate)
          .Event("OnShow", &TForm::SetOnShow)
          .Event("OnHide", &TForm::SetOnHide)
          .Event("OnClose", &TForm::SetOnCloseNotify)
          .Event("OnActivate", &TForm::SetOnActivate)
          .Event("OnDeactivate", &TForm::SetOnDeactivate);
  return table;
}
