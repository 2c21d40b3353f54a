#include "framework/controls/screen.h"

#include <algorithm>
#include <set>
#include <utility>

#include "framework/controls/form.h"
#include "framework/platform/cursor.h"
#include "framework/platform/window_backend.h"

TScreen* Screen = nullptr;

namespace {

constexpr int kDefaultPixelsPerInch = 96;

const std::pair<TCursor, TSystemCursor> kStandardCursors[] = {
    {crArrow, TSystemCursor::kArrow},
    {crCross, TSystemCursor::kCross},
    {crIBeam, TSystemCursor::kIBeam},
    {crSize, TSystemCursor::kSizeAll},
    {crSizeNESW, TSystemCursor::kSizeNESW},
    {crSizeNS, TSystemCursor::kSizeNS},
    {crSizeNWSE, TSystemCursor::kSizeNWSE},
    {crSizeWE, TSystemCursor::kSizeWE},
    {crUpArrow, TSystemCursor::kUpArrow},
    {crHourGlass, TSystemCursor::kWait},
    {crNo, TSystemCursor::kNo},
    {crAppStart, TSystemCursor::kAppStarting},
    {crHandPoint, TSystemCursor::kHand},
};

}  // namespace

TScreen::TScreen(TComponent* owner) : TComponent(owner) {
  defaultCursor_ = LoadSystemCursor(TSystemCursor::kArrow);
  for (const auto& [number, kind] : kStandardCursors)
    cursors_[number] = LoadSystemCursor(kind);
}

TScreen::~TScreen() {
  std::set<HCURSOR> held{defaultCursor_};
  for (const auto& entry : cursors_)
    held.insert(entry.second);
  cursors_.clear();
  defaultCursor_ = nullptr;
  for (HCURSOR handle : held)
    DestroyCursor(handle);
}

HCURSOR TScreen::Cursors(int index) const {
  if (index == crNone) return nullptr;
  const auto found = cursors_.find(index);
  return found != cursors_.end() ? found->second : defaultCursor_;
}

void TScreen::SetCursors(int index, HCURSOR handle) {
  if (index == crNone) return;
  HCURSOR old = nullptr;
  if (index == crDefault) {
    old = std::exchange(defaultCursor_,
                        handle != nullptr ? handle : LoadSystemCursor(TSystemCursor::kArrow));
  } else {
    const auto found = cursors_.find(index);
    if (found != cursors_.end()) {
      old = found->second;
      cursors_.erase(found);
    }
    if (handle != nullptr) cursors_[index] = handle;
  }
  if (old != nullptr) Release(old);
  for (TForm* form : forms_)
    form->UpdateCursor();
}

bool TScreen::Holds(HCURSOR handle) const {
  if (handle == defaultCursor_) return true;
  return std::any_of(cursors_.begin(), cursors_.end(),
                     [handle](const auto& entry) { return entry.second == handle; });
}

void TScreen::Release(HCURSOR handle) {
  if (!Holds(handle)) DestroyCursor(handle);
}

void TScreen::SetCursor(TCursor value) {
  if (cursor_ == value) return;
  cursor_ = value;
  for (TForm* form : forms_)
    form->UpdateCursor();
}

int TScreen::PixelsPerInch() const {
  if (pixelsPerInch_ > 0) return pixelsPerInch_;
  const int reported = HasWindowBackend() ? WindowBackend().ScreenPixelsPerInch() : 0;
  return reported > 0 ? reported : kDefaultPixelsPerInch;
}

void TScreen::AddForm(TForm* form) {
  forms_.push_back(form);
}

void TScreen::RemoveForm(TForm* form) {
  std::erase(forms_, form);
  if (activeForm_ == form) activeForm_ = nullptr;
}

void TScreen::SetActiveForm(TForm* form) {
  if (activeForm_ == form) return;
  TForm* previous = std::exchange(activeForm_, form);
  if (previous != nullptr) previous->Deactivated();
  if (form != nullptr) form->Activated();
}
