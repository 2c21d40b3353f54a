#include "support/fake_day.h"

TFakeDay::TFakeDay(const std::string& date)
    : preload_("LD_PRELOAD", std::string(QI_FAKETIME_LIBRARY)),
      time_("FAKETIME", "@" + date + " 12:00:00"),
      monotonic_("FAKETIME_DONT_FAKE_MONOTONIC", "1"),
      fileTimes_("NO_FAKE_STAT", "1") {}

bool TFakeDay::Available() {
  return !std::string(QI_FAKETIME_LIBRARY).empty();
}

const char* TFakeDay::Problem() {
  return QI_FAKETIME_PROBLEM;
}
