#include "framework/core/form_writer.h"

#include <string>
#include <vector>

#include "framework/core/component.h"
#include "framework/core/exceptions.h"
#include "framework/core/filer.h"
#include "framework/core/form_data.h"
#include "framework/core/format.h"
#include "framework/core/memory_stream.h"
#include "framework/core/property_table.h"

namespace {

// Collects the binary properties an object defines, with their names prefixed by the path to it.
class BinaryPropertyWriter : public TFiler {
 public:
  BinaryPropertyWriter(const TPersistent* ancestor, const std::string& prefix,
                       std::vector<TFormProperty>& out)
      : TFiler(ancestor), prefix_(prefix), out_(out) {}

  void DefineBinaryProperty(std::string_view name, const TStreamProc&, const TStreamProc& writeData,
                            bool hasData) override {
    if (!hasData) return;
    TMemoryStream stream;
    writeData(stream);
    out_.push_back({prefix_ + std::string(name), TBinaryValue{stream.Bytes()}});
  }

 private:
  const std::string& prefix_;
  std::vector<TFormProperty>& out_;
};

// The counterpart's property can only be read through info when its class has the very same
// entry in its table (it derives from the class that declared it).
const TPersistent* Sharing(const TPersistent* counterpart, const TPropertyInfo& info) {
  if (counterpart == nullptr || counterpart->Properties().Find(info.name) != &info) return nullptr;
  return counterpart;
}

class FormWriter {
 public:
  FormWriter(TComponent& root, const TComponent* ancestor) : root_(root), ancestor_(ancestor) {}

  TFormObject Run() { return Component(root_, ancestor_); }

 private:
  TFormObject Component(TComponent& component, const TComponent* counterpart) {
    TFormObject object{component.ClassName(), component.Name(), {}, {}};
    Properties(component, counterpart, "", object.properties, 1);
    for (TComponent* child : ChildrenOf(component)) {
      object.children.push_back(Component(*child, CounterpartOf(*child)));
    }
    return object;
  }

  void Properties(TPersistent& object, const TPersistent* counterpart, const std::string& prefix,
                  std::vector<TFormProperty>& out, int depth) {
    if (depth > form_data::kMaxDepth) {
      throw EWriteError(Format("Cannot write form data: %s nested too deeply", {prefix}));
    }
    for (const TPropertyInfo* info : object.Properties().All()) {
      const TPersistent* shared = Sharing(counterpart, *info);
      if (info->kind == TPropertyKind::kValue) {
        TPropertyValue value = info->read(object);
        if (!Inherited(value, *info, shared))
          out.push_back({prefix + info->name, std::move(value)});
      } else if (info->kind == TPropertyKind::kObject) {
        TPersistent* nested = info->object(object);
        if (nested == nullptr) continue;
        const TPersistent* nestedCounterpart =
            shared != nullptr ? info->object(const_cast<TPersistent&>(*shared)) : nullptr;
        Properties(*nested, nestedCounterpart, prefix + info->name + ".", out, depth + 1);
      }
    }
    BinaryPropertyWriter filer(counterpart, prefix, out);
    object.DefineProperties(filer);
  }

  // True when the value need not be written: the counterpart has it, or (without a counterpart)
  // it is the property's default.
  static bool Inherited(const TPropertyValue& value, const TPropertyInfo& info,
                        const TPersistent* counterpart) {
    if (counterpart != nullptr) return info.read(*counterpart) == value;
    return info.defaultValue && *info.defaultValue == value;
  }

  // Where a component is written: inside its parent when that is part of the form, else in root.
  TComponent* WrittenIn(const TComponent& component) const {
    TComponent* parent = component.GetParentComponent();
    if (parent == &root_ || (parent != nullptr && parent->Owner() == &root_)) return parent;
    return &root_;
  }

  std::vector<TComponent*> ChildrenOf(const TComponent& component) const {
    std::vector<TComponent*> children;
    for (int i = 0; i < root_.ComponentCount(); ++i) {
      TComponent* owned = root_.Components(i);
      if (WrittenIn(*owned) == &component) children.push_back(owned);
    }
    return children;
  }

  const TComponent* CounterpartOf(const TComponent& component) const {
    return ancestor_ != nullptr ? ancestor_->FindComponent(component.Name()) : nullptr;
  }

  TComponent& root_;
  const TComponent* ancestor_;
};

}  // namespace

void WriteRootComponent(TStream& stream, TComponent& root, const TComponent* ancestor) {
  const std::vector<std::uint8_t> data = form_data::Encode(FormWriter(root, ancestor).Run());
  stream.WriteBuffer(data.data(), static_cast<std::int64_t>(data.size()));
}
