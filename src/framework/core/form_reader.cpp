#include "framework/core/form_reader.h"

#include <string>
#include <string_view>
#include <vector>

#include "framework/core/class_registry.h"
#include "framework/core/component.h"
#include "framework/core/exceptions.h"
#include "framework/core/filer.h"
#include "framework/core/form_data.h"
#include "framework/core/format.h"
#include "framework/core/memory_stream.h"
#include "framework/core/messages.h"
#include "framework/core/property_table.h"
#include "framework/core/text.h"

namespace {

[[noreturn]] void Fail(std::string_view reason) {
  throw EReadError(std::string(reason));
}

[[noreturn]] void Fail(std::string_view pattern, std::string_view name) {
  throw EReadError(Format(pattern, {name}));
}

// Hands the stored bytes of one binary property to the object that defines it.
class BinaryPropertyReader : public TFiler {
 public:
  BinaryPropertyReader(std::string_view name, const std::vector<std::uint8_t>& bytes)
      : name_(name), bytes_(bytes) {}

  bool Found() const { return found_; }

  void DefineBinaryProperty(std::string_view name, const TStreamProc& readData, const TStreamProc&,
                            bool) override {
    if (found_ || !SameText(name, name_)) return;
    found_ = true;
    TMemoryStream stream(bytes_);
    readData(stream);
  }

 private:
  std::string_view name_;
  const std::vector<std::uint8_t>& bytes_;
  bool found_ = false;
};

class FormReader {
 public:
  explicit FormReader(TComponent& root) : root_(root) {}

  void Run(const TFormObject& form) {
    Begin(root_);
    try {
      Guarded(form, [&] {
        if (!form.name.empty()) root_.SetName(form.name);
      });
      SetProperties(root_, form);
      for (const auto& child : form.children)
        ReadChild(child, root_);
    } catch (...) {
      EndReading();
      throw;
    }
    EndReading();
    for (TComponent* component : components_)
      component->Loaded();
  }

 private:
  void Begin(TComponent& component) {
    component.IncludeState(csLoading | csReading);
    components_.push_back(&component);
  }

  void EndReading() {
    for (TComponent* component : components_)
      component->ExcludeState(csReading);
  }

  static std::string PathOf(const TFormObject& object) {
    return object.name.empty() ? object.className : object.name;
  }

  // Runs step, reporting any failure as an EReadError that names where it happened. EAbort stays
  // silent, as everywhere.
  template <typename Step>
  static void Guarded(const std::string& where, Step step) {
    try {
      step();
    } catch (const EAbort&) {
      throw;
    } catch (const Exception& error) {
      throw EReadError(Format(messages::kFormReadError, {where, error.Message()}));
    }
  }
  template <typename Step>
  static void Guarded(const TFormObject& object, Step step) {
    Guarded(PathOf(object), step);
  }

  void ReadChild(const TFormObject& object, TComponent& parent) {
    TComponent* component = nullptr;
    Guarded(object, [&] {
      component = Create(object.className);
      Begin(*component);
      if (!object.name.empty()) {
        if (root_.FindComponent(object.name) != nullptr)
          Fail(messages::kDuplicateName, object.name);
        component->SetName(object.name);
        root_.BindField(object.name, component);
      }
      component->SetParentComponent(&parent);
    });
    SetProperties(*component, object);
    for (const auto& child : object.children)
      ReadChild(child, *component);
  }

  TComponent* Create(const std::string& className) {
    TPersistent* made = class_registry::Create(className, &root_);
    if (made == nullptr) Fail(messages::kClassNotFound, className);
    auto* component = dynamic_cast<TComponent*>(made);
    if (component == nullptr) {
      delete made;
      Fail(messages::kNotAComponent, className);
    }
    return component;
  }

  void SetProperties(TPersistent& object, const TFormObject& stored) {
    for (const auto& property : stored.properties) {
      Guarded(PathOf(stored) + "." + property.name, [&] { SetProperty(object, property); });
    }
  }

  void SetProperty(TPersistent& object, const TFormProperty& property) {
    std::string_view path = property.name;
    TPersistent* target = &object;
    for (std::size_t dot; (dot = path.find('.')) != std::string_view::npos;) {
      target = NestedObject(*target, path.substr(0, dot));
      path.remove_prefix(dot + 1);
    }
    if (const auto* binary = std::get_if<TBinaryValue>(&property.value)) {
      SetBinary(*target, path, binary->bytes);
    } else {
      SetValue(*target, path, std::get<TPropertyValue>(property.value));
    }
  }

  static TPersistent* NestedObject(TPersistent& object, std::string_view name) {
    const TPropertyInfo* info = object.Properties().Find(name);
    if (info == nullptr) Fail(messages::kPropertyNotFound);
    if (info->kind != TPropertyKind::kObject) Fail(messages::kNotAnObject, name);
    TPersistent* nested = info->object(object);
    if (nested == nullptr) Fail(messages::kNoObject, name);
    return nested;
  }

  static void SetBinary(TPersistent& object, std::string_view name,
                        const std::vector<std::uint8_t>& bytes) {
    BinaryPropertyReader filer(name, bytes);
    object.DefineProperties(filer);
    if (filer.Found()) return;
    if (object.Properties().Find(name) != nullptr) Fail(messages::kInvalidPropertyValue);
    Fail(messages::kPropertyNotFound);
  }

  void SetValue(TPersistent& object, std::string_view name, const TPropertyValue& value) {
    const TPropertyInfo* info = object.Properties().Find(name);
    if (info == nullptr) Fail(messages::kPropertyNotFound);
    switch (info->kind) {
      case TPropertyKind::kValue:
        info->write(object, value);
        break;
      case TPropertyKind::kEvent: {
        const std::string& handlerName = AsIdent(value);
        TNotifyEvent handler = root_.MethodAddress(handlerName);
        if (!handler) Fail(messages::kHandlerNotFound, handlerName);
        info->bindEvent(object, std::move(handler));
        break;
      }
      case TPropertyKind::kObject:
        Fail(messages::kInvalidPropertyValue);
    }
  }

  TComponent& root_;
  std::vector<TComponent*> components_;  // root first, then in creation order
};

}  // namespace

void ReadRootComponent(TComponent& root, TStream& data) {
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(data.Remaining()));
  data.ReadBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  FormReader(root).Run(form_data::Decode(bytes));
}
