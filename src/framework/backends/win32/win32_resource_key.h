#pragma once

#include "framework/backends/win32/api/resources.h"
#include "framework/platform/resource_name.h"

// A resource name as the Win32 resource calls take it; valid as long as the name is.
inline win32::TResourceKey ResourceKeyOf(const TResourceName& name) {
  return {name.IsId() ? nullptr : name.Text().c_str(), name.Id()};
}
