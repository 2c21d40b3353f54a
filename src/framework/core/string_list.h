#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "framework/core/object.h"

// An ordered list of byte strings. Strings may hold any bytes, including zeros and line breaks.
class TStringList : public TObject {
 public:
  const char* ClassName() const override { return "TStringList"; }

  int Count() const { return static_cast<int>(lines_.size()); }
  bool Empty() const { return lines_.empty(); }
  const std::string& Strings(int index) const;
  void SetStrings(int index, std::string value);
  const std::string& operator[](int index) const { return Strings(index); }

  int Add(std::string value);
  void AddStrings(const TStringList& other);
  void Insert(int index, std::string value);
  void Delete(int index);
  void Clear() { lines_.clear(); }
  void Assign(const TStringList& other) { lines_ = other.lines_; }
  int IndexOf(std::string_view value) const;

  // The lines joined, each followed by CR LF.
  std::string Text() const;
  // Replaces the lines by text split at CR LF, LF or CR.
  void SetText(std::string_view text);

  auto begin() const { return lines_.begin(); }
  auto end() const { return lines_.end(); }

 private:
  void Check(int index) const;

  std::vector<std::string> lines_;
};
