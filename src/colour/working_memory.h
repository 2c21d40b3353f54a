#pragma once

#include <new>

#include "framework/core/exceptions.h"
#include "framework/core/messages.h"

// Returns what allocate() makes; a failed allocation becomes EOutOfMemory, the reducers' report.
template <typename Allocate>
auto AllocateWorkingMemory(Allocate allocate) -> decltype(allocate()) {
  try {
    return allocate();
  } catch (const std::bad_alloc&) {
    throw EOutOfMemory(messages::kOutOfMemory);
  }
}
