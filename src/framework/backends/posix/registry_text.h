#pragma once

#include <string>
#include <string_view>

// How the registry store writes names and data as text: printable ASCII stands for itself; any
// other byte, "%" and each character of reserved are written as "%HH" (two hexadecimal digits), so
// that every byte survives and the file stays readable.
std::string EncodeRegistryText(std::string_view bytes, std::string_view reserved);

// Reverses EncodeRegistryText. Returns false, leaving bytes unspecified, when text holds a byte
// that should have been encoded (a control or non-ASCII byte, or a raw reserved character) or a
// "%" not followed by two hexadecimal digits.
bool DecodeRegistryText(std::string_view text, std::string_view reserved, std::string& bytes);
