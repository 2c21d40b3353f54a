#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/platform/handles.h"
#include "framework/platform/resource_name.h"

// A moment of local time, as the calendar and the clock on the wall show it.
struct TLocalDateTime {
  int year = 0;
  int month = 0;  // 1 to 12
  int day = 0;    // 1 to 31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// The platform's version number as the program tests it (major.minor).
struct TPlatformVersion {
  int major = 0;
  int minor = 0;
  friend bool operator==(const TPlatformVersion&, const TPlatformVersion&) = default;
};

// Clipboard formats every platform predefines; registered formats are numbered from 0xC000 on.
inline constexpr unsigned CF_TEXT = 1;
inline constexpr unsigned CF_BITMAP = 2;
inline constexpr unsigned CF_PALETTE = 9;
inline constexpr unsigned kFirstRegisteredClipboardFormat = 0xC000;

// Everything the framework and the program ask of the operating system outside the window, behind
// one interface so that a test can replace any of it (deriving from a backend's services and
// overriding the one call it is about). Calls come from the UI thread unless a function says
// otherwise. Windows, input and cursors belong to the window backend: cursors are made there from
// our own cursor images, whose bytes come from FindResource or from a file, or loaded by the
// platform itself (TPlatformCursors).
class TPlatformServices {
 public:
  TPlatformServices() = default;
  TPlatformServices(const TPlatformServices&) = delete;
  TPlatformServices& operator=(const TPlatformServices&) = delete;
  virtual ~TPlatformServices() = default;

  // Time and the program itself.
  virtual TLocalDateTime LocalDateTime() = 0;
  // The arguments after the program's name, as the program was started with them.
  virtual const std::vector<std::string>& CommandLine() = 0;
  virtual TPlatformVersion PlatformVersion() = 0;
  // The full path of the program's own file; empty when the platform can't tell.
  virtual std::string ProgramPath() = 0;
  // The characters after which a path goes on inside a folder, the platform's folder separator
  // first: "/" on POSIX; "\" and ":" on Windows (where "C:name" lies in drive C's current folder).
  virtual std::string_view FolderDelimiters() = 0;
  // Whether a file (not a folder) exists at the path.
  virtual bool FileExists(const std::string& path) = 0;
  // Asks for the window to be brought to the front; false when the platform refuses.
  virtual bool SetForegroundWindow(HWND window) = 0;

  // Registry, under HKEY_CURRENT_USER; key paths are relative to it, parts separated by "\".
  // Opens the key, creating any missing part of it. False when it can't be opened or created.
  virtual bool RegCreateKey(std::string_view keyPath) = 0;
  // Stores a string value under an existing key: exactly the bytes given, no terminating zero
  // added. False when the key doesn't exist or the value can't be stored. A store that can't be
  // trusted (a damaged file) raises ERegistryException naming it instead of answering false.
  virtual bool RegSetStringValue(std::string_view keyPath, std::string_view valueName,
                                 std::span<const std::uint8_t> data) = 0;

  // Program resources: the bytes of the resource of that name and type, or none. The bytes stay
  // valid for the whole run.
  virtual std::optional<std::span<const std::uint8_t>> FindResource(const TResourceName& name,
                                                                    const TResourceName& type) = 0;

  // Temporary files. The folder for temporary files, ending in the path separator.
  virtual std::string TempPath() = 0;
  // Creates a new, empty file with a unique name that starts with prefix in folder and returns its
  // path. Raises the system-error exception (see RaiseSystemError) when it can't.
  virtual std::string CreateTempFile(const std::string& folder, std::string_view prefix) = 0;
  // The system's text for an error code.
  virtual std::string SysErrorMessage(int errorCode) = 0;

  // Clipboard of registered formats. The same name (ignoring case) always gives the same number.
  virtual unsigned RegisterClipboardFormat(std::string_view name) = 0;
  // Hands the block to the clipboard, which owns it from then on and frees the block it held for
  // the format. Returns the block, or null when the clipboard refuses it (null or unknown block).
  virtual HGLOBAL SetClipboardData(unsigned format, HGLOBAL block) = 0;
  // The block the clipboard holds for the format (still owned by the clipboard), or null.
  virtual HGLOBAL GetClipboardData(unsigned format) = 0;
  virtual bool IsClipboardFormatAvailable(unsigned format) = 0;
  // Frees every block the clipboard holds.
  virtual void EmptyClipboard() = 0;

  // Global memory blocks, callable from any thread. GlobalAlloc gives a zero-filled block, or
  // raises EOutOfMemory. The other calls accept any handle and treat one that isn't a live block
  // as the platform does an invalid one: null, 0 or false, and the handle back from GlobalFree.
  virtual HGLOBAL GlobalAlloc(std::size_t size) = 0;
  virtual void* GlobalLock(HGLOBAL block) = 0;
  // True while the block stays locked by an earlier GlobalLock.
  virtual bool GlobalUnlock(HGLOBAL block) = 0;
  virtual std::size_t GlobalSize(HGLOBAL block) = 0;
  // Null when the block was freed.
  virtual HGLOBAL GlobalFree(HGLOBAL block) = 0;

  // Helpers on top of the services.
  // The command line counted as the program sees it: ParamStr(0) is the program's path, then
  // the arguments; an index past the last one gives the empty text.
  int ParamCount();
  std::string ParamStr(int index);
  // FindResource, raising EResNotFound "Resource %s not found" when there is none.
  std::span<const std::uint8_t> LoadResource(const TResourceName& name, const TResourceName& type);
  // Raises Exception "%s (%d)" with the system's text for the code and the code.
  [[noreturn]] void RaiseSystemError(int errorCode);
};

// The services the process runs on. The program installs them once at start-up, before anything
// asks for them, and keeps them alive until it ends; SetPlatform never takes ownership. Platform()
// raises Exception when none are installed.
TPlatformServices& Platform();
// Installs services (or none, with null) and returns the ones installed before.
TPlatformServices* SetPlatform(TPlatformServices* services);

// Installs services for the life of a scope, typically a test, and puts the earlier ones back.
class TScopedPlatform {
 public:
  explicit TScopedPlatform(TPlatformServices& services) : previous_(SetPlatform(&services)) {}
  ~TScopedPlatform() { SetPlatform(previous_); }
  TScopedPlatform(const TScopedPlatform&) = delete;
  TScopedPlatform& operator=(const TScopedPlatform&) = delete;

 private:
  TPlatformServices* previous_;
};
