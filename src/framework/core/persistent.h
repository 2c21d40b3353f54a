#pragma once

#include "framework/core/object.h"

class TFiler;
class TPropertyTable;

// An object that can be copied from another (Assign) and stored in form data: its published
// properties come from its property table, anything else it stores through DefineProperties.
class TPersistent : public TObject {
 public:
  const char* ClassName() const override { return "TPersistent"; }

  // Copies source into this object. A class that does not know the source lets the source try
  // (AssignTo); when neither knows the other, EConvertError "Cannot assign a %s to a %s".
  virtual void Assign(const TPersistent* source);
  virtual void DefineProperties(TFiler& filer);
  virtual const TPropertyTable& Properties() const;

 protected:
  virtual void AssignTo(TPersistent* destination) const;
  // Raises the assignment error naming source (or "null") and destination.
  [[noreturn]] static void AssignError(const TPersistent* source, const TPersistent* destination);
};
