#include "framework/core/string_list.h"

#include "framework/core/exceptions.h"
#include "framework/core/messages.h"

void TStringList::Check(int index) const {
  if (index < 0 || index >= Count()) throw EListError(messages::kListIndexError);
}

const std::string& TStringList::Strings(int index) const {
  Check(index);
  return lines_[static_cast<std::size_t>(index)];
}

void TStringList::SetStrings(int index, std::string value) {
  Check(index);
  lines_[static_cast<std::size_t>(index)] = std::move(value);
}

int TStringList::Add(std::string value) {
  lines_.push_back(std::move(value));
  return Count() - 1;
}

void TStringList::AddStrings(const TStringList& other) {
  lines_.insert(lines_.end(), other.lines_.begin(), other.lines_.end());
}

void TStringList::Insert(int index, std::string value) {
  if (index < 0 || index > Count()) throw EListError(messages::kListIndexError);
  lines_.insert(lines_.begin() + index, std::move(value));
}

void TStringList::Delete(int index) {
  Check(index);
  lines_.erase(lines_.begin() + index);
}

int TStringList::IndexOf(std::string_view value) const {
  for (int i = 0; i < Count(); ++i) {
    if (lines_[static_cast<std::size_t>(i)] == value) return i;
  }
  return -1;
}

std::string TStringList::Text() const {
  std::string text;
  for (const auto& line : lines_) {
    text += line;
    text += "\r\n";
  }
  return text;
}

void TStringList::SetText(std::string_view text) {
  lines_.clear();
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines_.emplace_back(text.substr(start));
      break;
    }
    lines_.emplace_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
}
