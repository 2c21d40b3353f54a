#pragma once

#include <optional>

#include <SDL.h>

#include "framework/platform/input_event.h"

// The input event an SDL event means for our windows, or none for events the framework does not
// use (and for those of windows that are gone).
std::optional<TInputEvent> TranslateEvent(const SDL_Event& event);
