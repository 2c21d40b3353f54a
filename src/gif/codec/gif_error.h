#pragma once

#include <string>

// Raises the codec's failures: every GIF message travels as EInvalidGraphicOperation.
[[noreturn]] void GifError(const std::string& message);
