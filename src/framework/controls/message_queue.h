#pragma once

#include <optional>

#include "framework/platform/handles.h"
#include "framework/platform/window_message.h"

// The UI thread's queue of posted messages and the table of live windows.
//
// Posting may happen on any thread: the message is queued and the message loop is woken through
// the window backend. Sending happens on the UI thread only and delivers at once (direct
// dispatch), before anything that was posted. A message to a window that no longer exists (or
// never did) is dropped, and destroying a window drops what was still queued for it, so a
// procedure never runs for a window that is gone.

// Any thread. False when the window does not exist.
bool PostMessage(HWND window, unsigned msg, WPARAM wParam = 0, LPARAM lParam = 0);
// UI thread. The receiver's result; 0 when the window does not exist.
LRESULT SendMessage(HWND window, unsigned msg, WPARAM wParam = 0, LPARAM lParam = 0);
bool IsWindow(HWND window);

struct TPostedMessage {
  HWND window = nullptr;
  TMessage message;
};

namespace message_queue {

// The window table, kept by window_handles.
void AddWindow(HWND window);
void RemoveWindow(HWND window);

// The oldest posted message, or none.
std::optional<TPostedMessage> TakePosted();
// Delivers a message to its window's procedure, if the window still exists.
void Deliver(TPostedMessage& posted);

}  // namespace message_queue
