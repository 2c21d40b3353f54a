#pragma once

#include <functional>
#include <string>

#include "framework/core/exceptions.h"

// The message of the Error that action raises, or "(no error)": lets a test compare messages
// exactly in one line.
template <typename Error = Exception>
std::string MessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Error& error) {
    return error.Message();
  }
  return "(no error)";
}
