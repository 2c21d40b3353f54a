#include "framework/backends/win32/api/clipboard.h"

#include <windows.h>

namespace win32 {

namespace {

// The clipboard's owner: a message-only window of the thread that first used the clipboard, kept
// until the program ends. Opening the clipboard without an owner would make emptying it leave no
// owner, and the system then refuses new data.
HWND ClipboardOwner() {
  static HWND owner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      GetModuleHandleA(nullptr), nullptr);
  return owner;
}

// The clipboard, open for the life of the object when opening succeeded.
class TOpenClipboard {
 public:
  TOpenClipboard() : open_(OpenClipboard(ClipboardOwner()) != 0) {}
  ~TOpenClipboard() {
    if (open_) CloseClipboard();
  }
  TOpenClipboard(const TOpenClipboard&) = delete;
  TOpenClipboard& operator=(const TOpenClipboard&) = delete;
  explicit operator bool() const { return open_; }

 private:
  bool open_;
};

}  // namespace

void* GlobalAlloc(std::size_t size) {
  return ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
}

void* GlobalLock(void* block) {
  return ::GlobalLock(block);
}

bool GlobalUnlock(void* block) {
  return ::GlobalUnlock(block) != 0;
}

std::size_t GlobalSize(void* block) {
  return ::GlobalSize(block);
}

void* GlobalFree(void* block) {
  return ::GlobalFree(block);
}

unsigned RegisterFormat(const std::string& name) {
  return RegisterClipboardFormatA(name.c_str());
}

bool EmptyClipboard() {
  const TOpenClipboard clipboard;
  return clipboard && ::EmptyClipboard() != 0;
}

void* SetClipboardData(unsigned format, void* block) {
  const TOpenClipboard clipboard;
  if (!clipboard) return nullptr;
  return ::SetClipboardData(format, block);
}

void* GetClipboardData(unsigned format) {
  const TOpenClipboard clipboard;
  if (!clipboard) return nullptr;
  return ::GetClipboardData(format);
}

bool IsClipboardFormatAvailable(unsigned format) {
  return ::IsClipboardFormatAvailable(format) != 0;
}

}  // namespace win32
