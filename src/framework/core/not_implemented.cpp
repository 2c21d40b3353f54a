#include "framework/core/not_implemented.h"

#include <utility>

#include "framework/core/exceptions.h"

namespace {

std::function<void()>& InstalledReport() {
  static std::function<void()> report;
  return report;
}

}  // namespace

void ReportNotImplemented() {
  if (const auto& report = InstalledReport()) report();
  throw EAbort("");
}

std::function<void()> SetNotImplementedReport(std::function<void()> report) {
  return std::exchange(InstalledReport(), std::move(report));
}
