#pragma once

#include <cstdint>
#include <string>

// The Win32 system calls the backend needs, in names of its own. The files of this folder are the
// only ones that include <windows.h>: the framework names some of its own types and constants
// after the platform's (HWND, HCURSOR, HGLOBAL, VK_*, WM_*, MB_*, RT_*), so those headers and
// <windows.h> can't meet in one file. The headers here name nothing of Win32, and of the framework
// they use only headers that name nothing of the platform's (the window parameters, the font
// rasteriser); handles cross them as void*.
namespace win32 {

struct TSystemTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// GetLocalTime.
TSystemTime LocalTime();

struct TVersion {
  unsigned major = 0;
  unsigned minor = 0;
};

// GetVersionExA with the structure's size field set to 148; 0.0 when the call fails.
TVersion Version();

// A monotonic clock in milliseconds (the performance counter, which every version has).
std::uint64_t MonotonicMs();

// GetLastError, and the system's text for an error code (without the line break it ends in).
unsigned LastError();
std::string ErrorText(unsigned code);

// The screen's pixels per inch (LOGPIXELSY of the screen).
int ScreenPixelsPerInch();

// Threads: the calling thread's id, and SetThreadPriority with a platform priority (-15 to 15) on
// the thread of that id. A thread that is gone or refuses is left as it is.
unsigned long CurrentThreadId();
void SetThreadPriority(unsigned long threadId, int priority);

}  // namespace win32
