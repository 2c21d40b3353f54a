#include "framework/controls/page.h"

TPage::TPage(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(ControlStyle() | csAcceptsControls);
  SetVisible(false);
}
