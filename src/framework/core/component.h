#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "framework/core/persistent.h"

// States a component passes through; several may hold at once.
enum TComponentStateFlag : unsigned {
  csLoading = 1u << 0,     // created from form data and not yet given Loaded
  csReading = 1u << 1,     // its properties are being read from form data
  csDestroying = 1u << 2,  // being destroyed: events must not fire any more
};
using TComponentState = unsigned;

// A persistent object with an owner and a name. The owner frees what it owns, last created first;
// a component freed by anyone else leaves its owner's list, so nothing is ever freed twice.
class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  const char* ClassName() const override { return "TComponent"; }

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  virtual void SetName(const std::string& name) { name_ = name; }

  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const;
  TComponent* FindComponent(std::string_view name) const;

  TComponentState ComponentState() const { return state_; }
  bool InState(TComponentStateFlag flag) const { return (state_ & flag) != 0; }
  // For the form reader, which puts every component it creates into the loading and reading states.
  void IncludeState(TComponentState flags) { state_ |= flags; }
  void ExcludeState(TComponentState flags) { state_ &= ~flags; }

  // Called once the whole form has been read; ends the loading state.
  virtual void Loaded();

  // Marks this component and everything it owns as being destroyed; each of them runs
  // BeforeDestruction the first time.
  void Destroying();
  // Frees the owned components, last first. A class whose owned components reach back into it while
  // they go calls this first in its own destructor.
  void DestroyComponents();

  // Nesting in form data: a child object is handed the object it is written inside.
  virtual void SetParentComponent(TComponent*) {}
  virtual TComponent* GetParentComponent() const { return nullptr; }

  // The owner's method table: the handler with this name, or an empty function when there is none.
  virtual TNotifyEvent MethodAddress(std::string_view name);
  // The owner's field table: stores component in the field of that name; false when none fits.
  virtual bool BindField(std::string_view name, TComponent* component);

 protected:
  // Runs once, when the component is first marked as being destroyed: by its owner's destruction,
  // or by the first destructor that calls Destroying (a descendant's, when it begins with it). The
  // place to stop what reaches into the object from other threads before any destructor goes on.
  virtual void BeforeDestruction() {}

 private:
  void Insert(TComponent* component);
  void Remove(TComponent* component);

  TComponent* owner_ = nullptr;
  std::string name_;
  std::vector<TComponent*> components_;
  TComponentState state_ = 0;
};
