#include "demo_form.h"

#include <string>

#include "framework/core/text.h"

TNotifyEvent TDemoForm::MethodAddress(std::string_view name) {
  using Handler = void (TDemoForm::*)(TObject*);
  static const std::pair<const char*, Handler> handlers[] = {
      {"FormCreate", &TDemoForm::FormCreate}, {"ChangeClick", &TDemoForm::ChangeClick},
      {"CloseClick", &TDemoForm::CloseClick}, {"PictureClick", &TDemoForm::PictureClick},
      {"RadioClick", &TDemoForm::RadioClick},
  };
  for (const auto& entry : handlers) {
    if (SameText(entry.first, name)) {
      return [this, handler = entry.second](TObject* sender) { (this->*handler)(sender); };
    }
  }
  return {};
}

bool TDemoForm::BindField(std::string_view name, TComponent* component) {
  if (SameText(name, "Status")) return (Status = dynamic_cast<TLabel*>(component)) != nullptr;
  if (SameText(name, "TrayRadio")) {
    return (TrayRadio = dynamic_cast<TRadioButton*>(component)) != nullptr;
  }
  if (SameText(name, "FloatRadio")) {
    return (FloatRadio = dynamic_cast<TRadioButton*>(component)) != nullptr;
  }
  if (SameText(name, "Picture")) return (Picture = dynamic_cast<TImage*>(component)) != nullptr;
  return false;
}

void TDemoForm::FormCreate(TObject*) {
  RadioClick(this);
}

void TDemoForm::ChangeClick(TObject*) {
  ++changes_;
  Status->SetCaption("Changed " + std::to_string(changes_) + " time" + (changes_ == 1 ? "" : "s") +
                     ".");
  SetCaption("Controls Demo " + std::to_string(changes_));
}

void TDemoForm::CloseClick(TObject*) {
  Close();
}

void TDemoForm::PictureClick(TObject*) {
  // Swaps the choice, as clicking a picture of an option would.
  if (TrayRadio->Checked()) {
    FloatRadio->SetChecked(true);
  } else {
    TrayRadio->SetChecked(true);
  }
}

void TDemoForm::RadioClick(TObject*) {
  Status->SetCaption(std::string("Currently selected: ") +
                     (TrayRadio->Checked() ? TrayRadio->Caption() : FloatRadio->Caption()));
}
