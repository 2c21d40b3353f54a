#include "framework/backends/win32/win32_services.h"

#include "framework/backends/win32/api/clipboard.h"
#include "framework/backends/win32/api/files.h"
#include "framework/backends/win32/api/registry.h"
#include "framework/backends/win32/api/system.h"
#include "framework/backends/win32/win32_resource_key.h"
#include "framework/core/exceptions.h"
#include "framework/core/messages.h"
#include "framework/core/thread_priority.h"

namespace {

// The platform priority of each TThreadPriority, from tpIdle to tpTimeCritical.
constexpr int kPlatformPriorities[] = {-15, -2, -1, 0, 1, 2, 15};

long CurrentThread() {
  return static_cast<long>(win32::CurrentThreadId());
}

void ApplyPriority(long tid, TThreadPriority priority) {
  win32::SetThreadPriority(static_cast<unsigned long>(tid), kPlatformPriorities[priority]);
}

constexpr TThreadScheduling kScheduling{CurrentThread, ApplyPriority};

// Blocks cross the framework as its own handle type; they are the platform's handles.
HGLOBAL ToHandle(void* block) {
  return static_cast<HGLOBAL>(block);
}

void* ToBlock(HGLOBAL handle) {
  return handle;
}

}  // namespace

TWin32Services::TWin32Services() {
  SetThreadScheduling(&kScheduling);
}

TWin32Services::~TWin32Services() {
  SetThreadScheduling(nullptr);
}

void TWin32Services::SetCommandLine(int argc, const char* const* argv) {
  arguments_.assign(argv + (argc > 0 ? 1 : 0), argv + argc);
}

TLocalDateTime TWin32Services::LocalDateTime() {
  const win32::TSystemTime now = win32::LocalTime();
  return {now.year, now.month, now.day, now.hour, now.minute, now.second, now.millisecond};
}

TPlatformVersion TWin32Services::PlatformVersion() {
  const win32::TVersion version = win32::Version();
  return {static_cast<int>(version.major), static_cast<int>(version.minor)};
}

std::string TWin32Services::ProgramPath() {
  return win32::ModuleFileName();
}

bool TWin32Services::FileExists(const std::string& path) {
  return win32::FileExists(path);
}

bool TWin32Services::RegCreateKey(std::string_view keyPath) {
  return win32::CreateUserKey(std::string(keyPath));
}

bool TWin32Services::RegSetStringValue(std::string_view keyPath, std::string_view valueName,
                                       std::span<const std::uint8_t> data) {
  return win32::SetUserStringValue(std::string(keyPath), std::string(valueName), data);
}

std::optional<std::span<const std::uint8_t>> TWin32Services::FindResource(
    const TResourceName& name, const TResourceName& type) {
  return win32::FindModuleResource(ResourceKeyOf(name), ResourceKeyOf(type));
}

std::string TWin32Services::TempPath() {
  const auto folder = win32::TempFolder();
  if (!folder) RaiseSystemError(static_cast<int>(win32::LastError()));
  return *folder;
}

std::string TWin32Services::CreateTempFile(const std::string& folder, std::string_view prefix) {
  const auto path = win32::CreateTempFile(folder, prefix);
  if (!path) RaiseSystemError(static_cast<int>(win32::LastError()));
  return *path;
}

std::string TWin32Services::SysErrorMessage(int errorCode) {
  return win32::ErrorText(static_cast<unsigned>(errorCode));
}

unsigned TWin32Services::RegisterClipboardFormat(std::string_view name) {
  return win32::RegisterFormat(std::string(name));
}

HGLOBAL TWin32Services::SetClipboardData(unsigned format, HGLOBAL block) {
  return ToHandle(win32::SetClipboardData(format, ToBlock(block)));
}

HGLOBAL TWin32Services::GetClipboardData(unsigned format) {
  return ToHandle(win32::GetClipboardData(format));
}

bool TWin32Services::IsClipboardFormatAvailable(unsigned format) {
  return win32::IsClipboardFormatAvailable(format);
}

void TWin32Services::EmptyClipboard() {
  win32::EmptyClipboard();
}

HGLOBAL TWin32Services::GlobalAlloc(std::size_t size) {
  void* block = win32::GlobalAlloc(size);
  if (block == nullptr) throw EOutOfMemory(messages::kOutOfMemory);
  return ToHandle(block);
}

void* TWin32Services::GlobalLock(HGLOBAL block) {
  return win32::GlobalLock(ToBlock(block));
}

bool TWin32Services::GlobalUnlock(HGLOBAL block) {
  return win32::GlobalUnlock(ToBlock(block));
}

std::size_t TWin32Services::GlobalSize(HGLOBAL block) {
  return win32::GlobalSize(ToBlock(block));
}

HGLOBAL TWin32Services::GlobalFree(HGLOBAL block) {
  return ToHandle(win32::GlobalFree(ToBlock(block)));
}
