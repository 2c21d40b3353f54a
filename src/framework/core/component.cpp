#include "framework/core/component.h"

#include <algorithm>

#include "framework/core/exceptions.h"
#include "framework/core/messages.h"
#include "framework/core/text.h"

TComponent::TComponent(TComponent* owner) {
  if (owner != nullptr) owner->Insert(this);
}

TComponent::~TComponent() {
  Destroying();
  DestroyComponents();
  if (owner_ != nullptr) owner_->Remove(this);
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount()) throw EListError(messages::kListIndexError);
  return components_[static_cast<std::size_t>(index)];
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (TComponent* component : components_) {
    if (SameText(component->Name(), name)) return component;
  }
  return nullptr;
}

void TComponent::Loaded() {
  ExcludeState(csLoading);
}

void TComponent::Destroying() {
  if (InState(csDestroying)) return;
  IncludeState(csDestroying);
  BeforeDestruction();
  for (TComponent* component : components_)
    component->Destroying();
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* last = components_.back();
    Remove(last);
    delete last;
  }
}

TNotifyEvent TComponent::MethodAddress(std::string_view) {
  return {};
}

bool TComponent::BindField(std::string_view, TComponent*) {
  return false;
}

void TComponent::Insert(TComponent* component) {
  components_.push_back(component);
  component->owner_ = this;
}

void TComponent::Remove(TComponent* component) {
  const auto found = std::find(components_.begin(), components_.end(), component);
  if (found != components_.end()) components_.erase(found);
  component->owner_ = nullptr;
}
