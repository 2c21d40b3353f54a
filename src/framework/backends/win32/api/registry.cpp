#include "framework/backends/win32/api/registry.h"

#include <windows.h>

namespace win32 {

namespace {

// An open registry key, closed on every path.
class TOpenKey {
 public:
  TOpenKey() = default;
  ~TOpenKey() {
    if (key_ != nullptr) RegCloseKey(key_);
  }
  TOpenKey(const TOpenKey&) = delete;
  TOpenKey& operator=(const TOpenKey&) = delete;
  HKEY* Receive() { return &key_; }
  HKEY Get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

}  // namespace

bool CreateUserKey(const std::string& keyPath) {
  TOpenKey key;
  return RegCreateKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                         KEY_ALL_ACCESS, nullptr, key.Receive(), nullptr) == ERROR_SUCCESS;
}

bool SetUserStringValue(const std::string& keyPath, const std::string& valueName,
                        std::span<const std::uint8_t> data) {
  TOpenKey key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_SET_VALUE, key.Receive()) !=
      ERROR_SUCCESS) {
    return false;
  }
  return RegSetValueExA(key.Get(), valueName.c_str(), 0, REG_SZ, data.data(),
                        static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

}  // namespace win32
