#include <gtest/gtest.h>

#include "framework/backends/posix/posix_services.h"
#include "main/tour_date.h"

namespace {

TEST(TourDate, ReadsRealCalendarDaysOnly) {
  const auto date = ParseTourDate("2026-12-24");
  ASSERT_TRUE(date);
  EXPECT_EQ(date->year, 2026);
  EXPECT_EQ(date->month, 12);
  EXPECT_EQ(date->day, 24);
  EXPECT_TRUE(ParseTourDate("2028-02-29"));
  for (const char* text :
       {"", "2026-12-24 ", "2026-12-32", "2027-02-29", "2026-13-01", "2026-00-10", "2026-1-05",
        "26-12-24", "2026/12/24", "+026-12-24", "2026-12-2x"}) {
    EXPECT_FALSE(ParseTourDate(text)) << '"' << text << '"';
  }
}

TEST(TourDate, ServicesReportTheFixedDateAndTheClocksTime) {
  struct TClock : TPosixServices {
    TLocalDateTime LocalDateTime() override { return {2026, 6, 15, 13, 14, 15, 16}; }
  };
  TTourDateServices<TClock> services;
  EXPECT_EQ(services.LocalDateTime().month, 6);
  services.SetTourDate(ParseTourDate("2025-12-01"));
  const TLocalDateTime now = services.LocalDateTime();
  EXPECT_EQ(now.year, 2025);
  EXPECT_EQ(now.month, 12);
  EXPECT_EQ(now.day, 1);
  EXPECT_EQ(now.hour, 13);
  EXPECT_EQ(now.minute, 14);
}

}  // namespace
