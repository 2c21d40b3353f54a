#pragma once

#include <optional>
#include <string_view>

#include "framework/platform/platform_services.h"

// The screenshot tour (scripts/screenshot-tour.sh) shows the window as it looks in December and
// in other months on any day. The program honours this environment variable for that purpose
// only: set to a date "YYYY-MM-DD", the window takes that as today's date.
inline constexpr const char* kTourDateVariable = "QUICK_INTRO_TOUR_DATE";

// The date of a text "YYYY-MM-DD" that names a real calendar day (midnight); none otherwise.
std::optional<TLocalDateTime> ParseTourDate(std::string_view text);

// Platform services (any, given as Services) whose local date can be fixed; the time of day stays
// the clock's.
template <typename Services>
class TTourDateServices : public Services {
 public:
  using Services::Services;
  void SetTourDate(std::optional<TLocalDateTime> date) { date_ = date; }

  TLocalDateTime LocalDateTime() override {
    TLocalDateTime now = Services::LocalDateTime();
    if (date_) {
      now.year = date_->year;
      now.month = date_->month;
      now.day = date_->day;
    }
    return now;
  }

 private:
  std::optional<TLocalDateTime> date_;
};
