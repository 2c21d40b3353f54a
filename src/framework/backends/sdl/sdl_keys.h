#pragma once

#include <SDL.h>

#include "framework/platform/input_event.h"

// The virtual key of an SDL key, 0 for keys the framework does not use.
int VirtualKeyOf(SDL_Keycode key);
// Modifier keys and mouse buttons as a shift state.
TShiftState ShiftStateOf(Uint16 modifiers, Uint32 buttons);
