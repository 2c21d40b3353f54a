#pragma once

#include "framework/platform/cursor.h"

// A cursor with its Win32 cursor handle. Those the platform shares (its own cursors, and those
// LoadCursor gives from the program's resources) are never destroyed; the others are destroyed
// with the object.
struct TWin32Cursor : TCursorObject {
  enum class TOwnership { kShared, kOwned };

  TWin32Cursor(TSystemCursor kind, void* handle)
      : TCursorObject(kind), native(handle), ownership(TOwnership::kShared) {}
  TWin32Cursor(TCursorImage picture, void* handle, TOwnership owned)
      : TCursorObject(std::move(picture)), native(handle), ownership(owned) {}
  ~TWin32Cursor() override;

  void* native;
  TOwnership ownership;
};

// The Win32 cursor of a handle (null for none or for a handle of another backend).
void* NativeCursorOf(HCURSOR cursor);
