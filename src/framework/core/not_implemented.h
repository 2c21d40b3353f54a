#pragma once

#include <functional>

// Ends an operation the program does not provide. What the user sees first is the UI's business
// (a dialog, a reset cursor); core only knows that something may have been installed to show it,
// so that codecs can report a missing operation without depending on any control.
//
// Runs the installed report, if any, then raises EAbort, which ends the operation silently.
[[noreturn]] void ReportNotImplemented();

// Installs the report ReportNotImplemented runs first (none, with an empty function) and returns
// the one installed before. Installed once at start-up, from the UI thread.
std::function<void()> SetNotImplementedReport(std::function<void()> report);
