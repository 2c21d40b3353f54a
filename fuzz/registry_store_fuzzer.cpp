// Feeds arbitrary text to the registry store reader. Whatever it accepts must come back unchanged
// from Text(), and a change made to it must read back the same way.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "framework/backends/posix/registry_store.h"
#include "framework/core/exceptions.h"

namespace {

// Text() ends every line with a line feed, whether or not the input's last line had one.
std::string WithFinalLineFeed(std::string_view text) {
  std::string result(text);
  if (!result.empty() && result.back() != '\n') result += '\n';
  return result;
}

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    TRegistryStore store = TRegistryStore::Parse(text, "fuzz");
    Check(store.Text() == WithFinalLineFeed(text));
    const std::string key = "HKEY_CURRENT_USER\\Software\\Vesperan\\Options";
    const TRegistryValue value{"sz", std::string(text.substr(0, 16))};
    store.SetValue(key, "ChangeTrayClock", value);
    const TRegistryStore reread = TRegistryStore::Parse(store.Text(), "fuzz again");
    Check(reread.Text() == store.Text());
    Check(reread.Value(key, "ChangeTrayClock") == value);
  } catch (const ERegistryException&) {
    // A damaged store is reported, which is what it should be.
  }
  return 0;
}
