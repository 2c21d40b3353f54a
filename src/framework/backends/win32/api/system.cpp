#include "framework/backends/win32/api/system.h"

#include <windows.h>

namespace win32 {

namespace {

constexpr DWORD kVersionInfoSize = 148;
static_assert(sizeof(OSVERSIONINFOA) == kVersionInfoSize);

}  // namespace

TSystemTime LocalTime() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

TVersion Version() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = kVersionInfoSize;
  if (!GetVersionExA(&info)) return {};
  return {info.dwMajorVersion, info.dwMinorVersion};
}

std::uint64_t MonotonicMs() {
  LARGE_INTEGER frequency;
  LARGE_INTEGER counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  const auto ticks = static_cast<std::uint64_t>(counter.QuadPart);
  const auto perSecond = static_cast<std::uint64_t>(frequency.QuadPart);
  return ticks / perSecond * 1000 + ticks % perSecond * 1000 / perSecond;
}

unsigned LastError() {
  return GetLastError();
}

std::string ErrorText(unsigned code) {
  char* text = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string result(text != nullptr ? text : "", length);
  LocalFree(text);
  while (!result.empty() && (result.back() == '\n' || result.back() == '\r'))
    result.pop_back();
  return result;
}

int ScreenPixelsPerInch() {
  HDC screen = GetDC(nullptr);
  const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return pixelsPerInch;
}

unsigned long CurrentThreadId() {
  return GetCurrentThreadId();
}

void SetThreadPriority(unsigned long threadId, int priority) {
  HANDLE thread = OpenThread(THREAD_SET_INFORMATION, FALSE, threadId);
  if (thread == nullptr) return;
  ::SetThreadPriority(thread, priority);
  CloseHandle(thread);
}

}  // namespace win32
