#include "framework/core/persistent.h"

#include "framework/core/exceptions.h"
#include "framework/core/format.h"
#include "framework/core/messages.h"
#include "framework/core/property_table.h"

void TPersistent::Assign(const TPersistent* source) {
  if (source == nullptr) AssignError(nullptr, this);
  source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* destination) const {
  AssignError(this, destination);
}

void TPersistent::DefineProperties(TFiler&) {}

const TPropertyTable& TPersistent::Properties() const {
  static const TPropertyTable none;
  return none;
}

void TPersistent::AssignError(const TPersistent* source, const TPersistent* destination) {
  const char* sourceName = source != nullptr ? source->ClassName() : "null";
  throw EConvertError(Format(messages::kAssignError, {sourceName, destination->ClassName()}));
}
