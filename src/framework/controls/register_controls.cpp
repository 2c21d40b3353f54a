#include "framework/controls/register_controls.h"

#include "framework/controls/bevel.h"
#include "framework/controls/button.h"
#include "framework/controls/image.h"
#include "framework/controls/label.h"
#include "framework/controls/notebook.h"
#include "framework/controls/page.h"
#include "framework/controls/radio_button.h"
#include "framework/controls/shape.h"
#include "framework/core/class_registry.h"

void RegisterControlClasses() {
  RegisterClass<TButton>("TButton");
  RegisterClass<TRadioButton>("TRadioButton");
  RegisterClass<TLabel>("TLabel");
  RegisterClass<TShape>("TShape");
  RegisterClass<TBevel>("TBevel");
  RegisterClass<TImage>("TImage");
  RegisterClass<TNotebook>("TNotebook");
  RegisterClass<TPage>("TPage");
}
