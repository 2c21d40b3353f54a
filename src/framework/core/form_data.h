#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "framework/core/form_tree.h"

// The binary form data: "QIFD", a version byte, then the root object (layout in
// docs/form-source.md). Both directions check names and nesting the same way.
namespace form_data {

inline constexpr std::uint8_t kVersion = 1;
// Deeper nesting is refused by the compiler, the encoder and the decoder alike.
inline constexpr int kMaxDepth = 64;

std::vector<std::uint8_t> Encode(const TFormObject& root);
// EReadError "Invalid form data: ..." with the byte offset for anything malformed, truncated or
// followed by stray bytes. Never reads outside data and allocates no more than data's size.
TFormObject Decode(std::span<const std::uint8_t> data);

// Names of classes, objects, properties, identifiers and set members: a letter or '_', then
// letters, digits and '_'. Property names may be dotted paths of such names.
bool IsName(std::string_view text);
bool IsPropertyPath(std::string_view text);

}  // namespace form_data
