#include "main/tour_date.h"

#include <charconv>
#include <chrono>

namespace {

// The number of exactly digits characters at text's start, which is then moved past them.
std::optional<int> TakeNumber(std::string_view& text, std::size_t digits) {
  if (text.size() < digits) return std::nullopt;
  int value = 0;
  const char* end = text.data() + digits;
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end || text[0] == '-' || text[0] == '+') return std::nullopt;
  text.remove_prefix(digits);
  return value;
}

bool TakeDash(std::string_view& text) {
  if (text.empty() || text[0] != '-') return false;
  text.remove_prefix(1);
  return true;
}

}  // namespace

std::optional<TLocalDateTime> ParseTourDate(std::string_view text) {
  const auto year = TakeNumber(text, 4);
  if (!year || !TakeDash(text)) return std::nullopt;
  const auto month = TakeNumber(text, 2);
  if (!month || !TakeDash(text)) return std::nullopt;
  const auto day = TakeNumber(text, 2);
  if (!day || !text.empty()) return std::nullopt;
  const std::chrono::year_month_day date{std::chrono::year(*year),
                                         std::chrono::month(static_cast<unsigned>(*month)),
                                         std::chrono::day(static_cast<unsigned>(*day))};
  if (!date.ok()) return std::nullopt;
  TLocalDateTime result;
  result.year = *year;
  result.month = *month;
  result.day = *day;
  return result;
}
