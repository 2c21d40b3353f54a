#pragma once

// The message ReportNotImplemented shows.
inline constexpr const char* kNotImplementedMessage = "Function not yet implemented";

// Start-up step of the cursor module: makes ReportNotImplemented first reset the screen cursor to
// the default one and show the information dialog "Function not yet implemented" with OK.
void InstallNotImplementedDialog();
