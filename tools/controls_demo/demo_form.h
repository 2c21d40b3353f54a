#pragma once

#include <string_view>

#include "framework/controls/button.h"
#include "framework/controls/form.h"
#include "framework/controls/image.h"
#include "framework/controls/label.h"
#include "framework/controls/radio_button.h"

// The demo's window: its controls come from the form data, bound to these fields by name, and
// its handlers are found by the names the form data gives them.
class TDemoForm : public TForm {
 public:
  using TForm::TForm;
  const char* ClassName() const override { return "TDemoForm"; }

  TNotifyEvent MethodAddress(std::string_view name) override;
  bool BindField(std::string_view name, TComponent* component) override;

  TLabel* Status = nullptr;
  TRadioButton* TrayRadio = nullptr;
  TRadioButton* FloatRadio = nullptr;
  TImage* Picture = nullptr;

 private:
  void FormCreate(TObject* sender);
  void ChangeClick(TObject* sender);
  void CloseClick(TObject* sender);
  void PictureClick(TObject* sender);
  void RadioClick(TObject* sender);

  int changes_ = 0;
};
