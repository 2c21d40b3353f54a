#pragma once

#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "framework/backends/posix/global_heap.h"

// A clipboard shared by the parts of this process only: enough for a program that copies and
// pastes its own pictures. It owns the blocks handed to it and frees them through the heap.
class TProcessClipboard {
 public:
  explicit TProcessClipboard(TGlobalHeap& heap) : heap_(heap) {}
  ~TProcessClipboard();
  TProcessClipboard(const TProcessClipboard&) = delete;
  TProcessClipboard& operator=(const TProcessClipboard&) = delete;

  // The number for a format name, the same for names that differ only in the case of ASCII
  // letters; numbers start at 0xC000. 0 for an empty name or when every number is taken.
  unsigned RegisterFormat(std::string_view name);
  // See TPlatformServices::SetClipboardData.
  HGLOBAL SetData(unsigned format, HGLOBAL block);
  HGLOBAL Data(unsigned format) const;
  bool HasFormat(unsigned format) const;
  void Empty();

 private:
  TGlobalHeap& heap_;
  mutable std::mutex mutex_;
  std::vector<std::string> formatNames_;  // the name of format 0xC000 + index
  std::map<unsigned, HGLOBAL> data_;
};
