#include "support/stress_rounds.h"

#include <charconv>
#include <cstdlib>
#include <string_view>

namespace qi_test {

int StressRounds(const char* variable, int normal) {
  const char* text = std::getenv(variable);
  if (text == nullptr) return normal;
  const std::string_view value(text);
  int rounds = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), rounds);
  const bool whole = error == std::errc() && end == value.data() + value.size();
  return whole && rounds > 0 ? rounds : normal;
}

}  // namespace qi_test
