#include "framework/backends/posix/registry_text.h"

namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

bool IsPrintable(unsigned char c) {
  return c >= 0x20 && c < 0x7F;
}

bool MustEncode(unsigned char c, std::string_view reserved) {
  return !IsPrintable(c) || c == '%' ||
         reserved.find(static_cast<char>(c)) != std::string_view::npos;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string EncodeRegistryText(std::string_view bytes, std::string_view reserved) {
  std::string text;
  text.reserve(bytes.size());
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (MustEncode(byte, reserved)) {
      text += '%';
      text += kDigits[byte >> 4];
      text += kDigits[byte & 0x0F];
    } else {
      text += c;
    }
  }
  return text;
}

bool DecodeRegistryText(std::string_view text, std::string_view reserved, std::string& bytes) {
  bytes.clear();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      if (MustEncode(static_cast<unsigned char>(text[i]), reserved)) return false;
      bytes += text[i];
      continue;
    }
    const int high = i + 1 < text.size() ? HexValue(text[i + 1]) : -1;
    const int low = i + 2 < text.size() ? HexValue(text[i + 2]) : -1;
    if (high < 0 || low < 0) return false;
    bytes += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return true;
}
