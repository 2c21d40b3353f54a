#include "fake_form.h"

#include "framework/core/class_registry.h"
#include "framework/core/filer.h"
#include "framework/core/property_table.h"
#include "framework/core/stream.h"
#include "framework/core/text.h"

namespace {

const TIdentTable kColorNames = {
    {"clBlack", 0}, {"clNavy", 0x800000}, {"clWhite", 0xFFFFFF}, {"clWindow", 0x80000005}};

// Colours are stored by name where they have one, by number otherwise.
template <typename C>
void AddColor(TPropertyTable& table, std::int64_t defaultValue) {
  table.AddValue<C>(
      "Color",
      [](C& object, const TPropertyValue& value) {
        if (std::holds_alternative<TIdentValue>(value)) {
          object.SetColor(property_detail::NumberOf(kColorNames, AsIdent(value)));
        } else {
          object.SetColor(AsInteger(value));
        }
      },
      [](const C& object) -> TPropertyValue {
        for (const auto& [name, number] : kColorNames) {
          if (number == object.Color()) return TIdentValue{name};
        }
        return object.Color();
      },
      property_detail::IdentOf(kColorNames, defaultValue));
}

TPropertyTable MakeFontProperties() {
  TPropertyTable table;
  table.String("Name", &TFakeFont::Name, &TFakeFont::SetName, "Sans")
      .Integer("Height", &TFakeFont::Height, &TFakeFont::SetHeight, -11)
      .Set("Style", &TFakeFont::Style, &TFakeFont::SetStyle,
           {{"fsBold", 0}, {"fsItalic", 1}, {"fsUnderline", 2}, {"fsStrikeOut", 3}}, 0);
  AddColor<TFakeFont>(table, 0);
  return table;
}

TPropertyTable MakeControlProperties() {
  TPropertyTable table;
  table.Integer("Left", &TFakeControl::Left, &TFakeControl::SetLeft, 0)
      .Integer("Top", &TFakeControl::Top, &TFakeControl::SetTop, 0)
      .String("Caption", &TFakeControl::Caption, &TFakeControl::SetCaption, "")
      .Boolean("Visible", &TFakeControl::Visible, &TFakeControl::SetVisible, true)
      .Enum("Align", &TFakeControl::Align, &TFakeControl::SetAlign,
            {{"faNone", faNone}, {"faTop", faTop}, {"faClient", faClient}}, faNone)
      .Object("Font", &TFakeControl::Font)
      .Object("Picture", &TFakeControl::Picture)
      .Event("OnClick", &TFakeControl::SetOnClick);
  AddColor<TFakeControl>(table, 0x80000005);
  return table;
}

TFakeForm* FormOf(TComponent* component) {
  return dynamic_cast<TFakeForm*>(component);
}

}  // namespace

const TPropertyTable& TFakeFont::Properties() const {
  static const TPropertyTable table = MakeFontProperties();
  return table;
}

void TFakePicture::DefineProperties(TFiler& filer) {
  seenAncestor = filer.Ancestor();
  const auto* ancestor = dynamic_cast<const TFakePicture*>(filer.Ancestor());
  const bool hasData = ancestor != nullptr ? ancestor->data != data : !data.empty();
  filer.DefineBinaryProperty(
      "Data",
      [this](TStream& stream) {
        data.resize(static_cast<std::size_t>(stream.Remaining()));
        stream.ReadBuffer(data.data(), static_cast<std::int64_t>(data.size()));
      },
      [this](TStream& stream) {
        stream.WriteBuffer(data.data(), static_cast<std::int64_t>(data.size()));
      },
      hasData);
}

const TPropertyTable& TFakeControl::StaticProperties() {
  static const TPropertyTable table = MakeControlProperties();
  return table;
}

void TFakeControl::SetLeft(int value) {
  left_ = value;
  stateAtLeft = ComponentState();
  parentAtLeft = parent_;
}

void TFakeControl::Loaded() {
  TComponent::Loaded();
  TFakeForm* form = FormOf(this) != nullptr ? FormOf(this) : FormOf(Owner());
  if (form != nullptr) form->log.push_back("Loaded " + Name());
}

const TPropertyTable& TFakeForm::StaticProperties() {
  static const TPropertyTable table =
      TPropertyTable(&TFakeControl::StaticProperties()).Event("OnCreate", &TFakeForm::SetOnCreate);
  return table;
}

TNotifyEvent TFakeForm::MethodAddress(std::string_view name) {
  for (const char* handler : {"FormCreate", "ButtonClick"}) {
    if (SameText(name, handler)) {
      return [this, handler](TObject* sender) {
        const auto* component = dynamic_cast<TComponent*>(sender);
        log.push_back(std::string(handler) + " " + (component ? component->Name() : "?"));
      };
    }
  }
  return {};
}

bool TFakeForm::BindField(std::string_view name, TComponent* component) {
  if (SameText(name, "Panel1")) return (Panel1 = dynamic_cast<TFakePanel*>(component)) != nullptr;
  if (SameText(name, "Label1")) return (Label1 = dynamic_cast<TFakeControl*>(component)) != nullptr;
  if (SameText(name, "Button1"))
    return (Button1 = dynamic_cast<TFakeControl*>(component)) != nullptr;
  return false;
}

void RegisterFakeFormClasses() {
  RegisterClass<TFakeControl>("TFakeControl");
  RegisterClass<TFakePanel>("TFakePanel");
  RegisterClass<TFakeForm>("TFakeForm");
  RegisterClass<TFakeFont>("TFakeFont");
}
