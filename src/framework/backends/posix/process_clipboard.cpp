#include "framework/backends/posix/process_clipboard.h"

#include "framework/core/text.h"
#include "framework/platform/platform_services.h"

namespace {

constexpr std::size_t kFormatNumbers = 0x10000 - kFirstRegisteredClipboardFormat;

}  // namespace

TProcessClipboard::~TProcessClipboard() {
  Empty();
}

unsigned TProcessClipboard::RegisterFormat(std::string_view name) {
  if (name.empty()) return 0;
  const std::lock_guard guard(mutex_);
  std::size_t index = 0;
  while (index < formatNames_.size() && !SameText(formatNames_[index], name))
    ++index;
  if (index == formatNames_.size()) {
    if (index == kFormatNumbers) return 0;
    formatNames_.emplace_back(name);
  }
  return kFirstRegisteredClipboardFormat + static_cast<unsigned>(index);
}

HGLOBAL TProcessClipboard::SetData(unsigned format, HGLOBAL block) {
  if (format == 0 || !heap_.IsLive(block)) return nullptr;
  const std::lock_guard guard(mutex_);
  HGLOBAL& held = data_[format];
  if (held != block) heap_.Free(held);
  held = block;
  return block;
}

HGLOBAL TProcessClipboard::Data(unsigned format) const {
  const std::lock_guard guard(mutex_);
  const auto found = data_.find(format);
  return found == data_.end() ? nullptr : found->second;
}

bool TProcessClipboard::HasFormat(unsigned format) const {
  return Data(format) != nullptr;
}

void TProcessClipboard::Empty() {
  const std::lock_guard guard(mutex_);
  for (const auto& [format, block] : data_)
    heap_.Free(block);
  data_.clear();
}
