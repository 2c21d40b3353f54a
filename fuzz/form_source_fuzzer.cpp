// Parses arbitrary text as a form source file. Faults must end in EParserError; whatever parses
// must encode, and decode back to the same tree.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/exceptions.h"
#include "framework/core/form_data.h"
#include "framework/core/form_source.h"

namespace {

// Files named in the source: their bytes are their names, and a name with "missing" is absent.
std::vector<std::uint8_t> ReadFile(const std::string& path) {
  if (path.find("missing") != std::string::npos) throw EFOpenError("Cannot open file " + path);
  return {path.begin(), path.end()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  TFormObject tree;
  try {
    tree = ParseFormSource(text, "fuzz.qform", ReadFile);
  } catch (const EParserError&) {
    return 0;
  }
  if (form_data::Decode(form_data::Encode(tree)) != tree) __builtin_trap();
  return 0;
}
