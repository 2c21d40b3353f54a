#pragma once

#include <map>
#include <vector>

#include "framework/controls/cursor_numbers.h"
#include "framework/core/component.h"
#include "framework/platform/handles.h"

class TForm;

// The screen: its pixels per inch, the forms on it with the active one, the table of
// cursors by number and the current screen cursor.
//
// The cursor table maps a cursor number to a cursor handle and owns what it holds:
//   - reading a number without an entry gives the default cursor (number 0); reading crNone (-1)
//     gives a null handle;
//   - writing number 0 replaces the default cursor, a null handle restoring the system arrow;
//     writing crNone is ignored; writing any other number removes the cursor that number held,
//     then adds the new handle unless it is null;
//   - a handle that leaves the table is destroyed, unless the table still holds it under another
//     number (or as the default), so that one handle written twice is never destroyed twice.
// The standard negative numbers start out holding the system's cursors.
class TScreen : public TComponent {
 public:
  explicit TScreen(TComponent* owner);
  ~TScreen() override;
  const char* ClassName() const override { return "TScreen"; }

  HCURSOR Cursors(int index) const;
  void SetCursors(int index, HCURSOR handle);

  // The cursor shown over every form while it is not crDefault (an hourglass during a long
  // operation); with crDefault each control shows its own.
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor value);

  // The backend's value unless a test set one.
  int PixelsPerInch() const;
  void SetPixelsPerInch(int value) { pixelsPerInch_ = value; }

  int FormCount() const { return static_cast<int>(forms_.size()); }
  TForm* Forms(int index) const { return forms_.at(static_cast<std::size_t>(index)); }
  TForm* ActiveForm() const { return activeForm_; }

  // Kept by TForm.
  void AddForm(TForm* form);
  void RemoveForm(TForm* form);
  void SetActiveForm(TForm* form);

 private:
  bool Holds(HCURSOR handle) const;
  void Release(HCURSOR handle);

  std::map<int, HCURSOR> cursors_;
  HCURSOR defaultCursor_ = nullptr;
  TCursor cursor_ = crDefault;
  int pixelsPerInch_ = 0;  // 0: ask the backend
  std::vector<TForm*> forms_;
  TForm* activeForm_ = nullptr;
};

// The screen object, created by the application object.
extern TScreen* Screen;
