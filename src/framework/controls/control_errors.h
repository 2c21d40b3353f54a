#pragma once

#include "framework/core/exceptions.h"

// An operation that the control's state does not allow (focusing a hidden control).
class EInvalidOperation : public Exception {
 public:
  using Exception::Exception;
  const char* ClassName() const noexcept override { return "EInvalidOperation"; }
};

namespace messages {

inline constexpr const char* kCannotFocus = "Cannot focus a disabled or invisible window";

}  // namespace messages
