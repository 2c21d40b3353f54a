#include "framework/backends/posix/registry_store.h"

#include <unordered_set>
#include <utility>

#include "framework/backends/posix/registry_text.h"
#include "framework/core/exceptions.h"
#include "framework/core/format.h"
#include "framework/core/text.h"

namespace {

constexpr std::string_view kKeyReserved = "[]";
constexpr std::string_view kQuotedReserved = "\"";
constexpr char kSeparator = '\\';
constexpr const char* kDamaged =
    "The registry store %s is damaged at line %d (%s) and was left unchanged";

constexpr const char* kExplanation[] = {
    "# The current user's registry: each key in [brackets], its values below it as",
    "# \"name\" = type:\"data\" (sz: a string). Bytes other than printable ASCII, and % \" [ ],",
    "# stand as %HH.",
};

std::string_view TrimLineEnd(std::string_view line) {
  while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r')) {
    line.remove_suffix(1);
  }
  return line;
}

bool IsCommentOrBlank(std::string_view line) {
  const std::string_view trimmed = TrimLineEnd(line);
  if (trimmed.empty()) return true;
  if (trimmed[0] == '#' || trimmed[0] == ';') return true;
  return trimmed.find_first_not_of(" \t") == std::string_view::npos;
}

bool IsTypeName(std::string_view type) {
  if (type.empty()) return false;
  for (const char c : type) {
    const bool word =
        (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    if (!word) return false;
  }
  return true;
}

// "HKEY_CURRENT_USER\Software" from the text between the brackets of a header.
bool DecodeKeyPath(std::string_view text, std::string& path) {
  path.clear();
  std::string part;
  for (std::size_t start = 0;;) {
    const std::size_t end = std::min(text.find(kSeparator, start), text.size());
    if (!DecodeRegistryText(text.substr(start, end - start), kKeyReserved, part)) return false;
    if (part.empty() || part.find(kSeparator) != std::string::npos) return false;
    path += part;
    if (end == text.size()) return true;
    path += kSeparator;
    start = end + 1;
  }
}

std::string HeaderLine(std::string_view path) {
  return "[" + EncodeRegistryText(path, kKeyReserved) + "]";
}

std::string ValueLine(std::string_view name, const TRegistryValue& value) {
  return "\"" + EncodeRegistryText(name, kQuotedReserved) + "\" = " + value.type + ":\"" +
         EncodeRegistryText(value.data, kQuotedReserved) + "\"";
}

// Reads the parts of a value line from left to right.
class ValueLineReader {
 public:
  explicit ValueLineReader(std::string_view line) : rest_(line) {}

  bool Read(std::string& name, TRegistryValue& value) {
    return Quoted(name) && SkipBlanks() && Take('=') && SkipBlanks() && Type(value.type) &&
           Take(':') && Quoted(value.data) && rest_.empty();
  }

 private:
  bool Take(char c) {
    if (rest_.empty() || rest_[0] != c) return false;
    rest_.remove_prefix(1);
    return true;
  }
  bool SkipBlanks() {
    while (!rest_.empty() && (rest_[0] == ' ' || rest_[0] == '\t'))
      rest_.remove_prefix(1);
    return true;
  }
  bool Type(std::string& type) {
    type = std::string(rest_.substr(0, rest_.find(':')));
    rest_.remove_prefix(type.size());
    return IsTypeName(type);
  }
  bool Quoted(std::string& bytes) {
    if (!Take('"')) return false;
    const std::size_t end = rest_.find('"');
    if (end == std::string_view::npos) return false;
    const bool decoded = DecodeRegistryText(rest_.substr(0, end), kQuotedReserved, bytes);
    rest_.remove_prefix(end + 1);
    return decoded;
  }

  std::string_view rest_;
};

// Splits text into lines at line feeds; a final line feed ends the last line rather than starting
// an empty one.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

}  // namespace

TRegistryStore::TRegistryStore() {
  for (const char* line : kExplanation)
    preamble_.push_back({line, std::nullopt, {}});
}

TRegistryStore::TRegistryStore(std::vector<Line> preamble, std::vector<Section> sections)
    : preamble_(std::move(preamble)), sections_(std::move(sections)) {}

TRegistryStore TRegistryStore::Parse(std::string_view text, std::string_view sourceName) {
  std::vector<Line> preamble;
  std::vector<Section> sections;
  std::unordered_set<std::string> keys;
  std::unordered_set<std::string> valueNames;  // of the current key
  int number = 0;
  const auto damaged = [&](const char* reason) {
    return ERegistryException(Format(kDamaged, {sourceName, std::int64_t{number}, reason}));
  };
  for (const std::string_view raw : SplitLines(text)) {
    ++number;
    Line line{std::string(raw), std::nullopt, {}};
    const std::string_view content = TrimLineEnd(raw);
    if (IsCommentOrBlank(raw)) {
      (sections.empty() ? preamble : sections.back().lines).push_back(std::move(line));
    } else if (content[0] == '[') {
      std::string path;
      if (content.back() != ']' || !DecodeKeyPath(content.substr(1, content.size() - 2), path)) {
        throw damaged("malformed key");
      }
      if (!keys.insert(UpperCase(path)).second) throw damaged("key named twice");
      valueNames.clear();
      sections.push_back({std::move(path), {std::move(line)}});
    } else {
      std::string name;
      if (!ValueLineReader(content).Read(name, line.value)) throw damaged("malformed value");
      if (sections.empty()) throw damaged("value outside any key");
      if (!valueNames.insert(UpperCase(name)).second) throw damaged("value named twice");
      line.valueName = std::move(name);
      sections.back().lines.push_back(std::move(line));
    }
  }
  return TRegistryStore(std::move(preamble), std::move(sections));
}

std::string TRegistryStore::Text() const {
  std::string text;
  for (const Line& line : preamble_)
    text += line.text + '\n';
  for (const Section& section : sections_) {
    for (const Line& line : section.lines)
      text += line.text + '\n';
  }
  return text;
}

bool TRegistryStore::IsValidKeyPath(std::string_view keyPath) {
  if (keyPath.empty() || keyPath.front() == kSeparator || keyPath.back() == kSeparator)
    return false;
  return keyPath.find("\\\\") == std::string_view::npos;
}

bool TRegistryStore::KeyExists(std::string_view keyPath) const {
  for (const Section& section : sections_) {
    const std::string_view path = section.path;
    const bool onPath = path.size() == keyPath.size() ||
                        (path.size() > keyPath.size() && path[keyPath.size()] == kSeparator);
    if (onPath && SameText(path.substr(0, keyPath.size()), keyPath)) return true;
  }
  return false;
}

bool TRegistryStore::CreateKey(std::string_view keyPath) {
  if (!IsValidKeyPath(keyPath) || KeyExists(keyPath)) return false;
  AddSection(keyPath);
  return true;
}

bool TRegistryStore::SetValue(std::string_view keyPath, std::string_view name,
                              const TRegistryValue& value) {
  if (!IsValidKeyPath(keyPath) || !IsTypeName(value.type)) return false;
  Section* section = FindSection(keyPath);
  if (section == nullptr) section = &AddSection(keyPath);
  auto& lines = section->lines;
  std::size_t insertAt = 1;  // after the header, or after the last value
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (!lines[i].valueName) continue;
    insertAt = i + 1;
    if (!SameText(*lines[i].valueName, name)) continue;
    if (lines[i].value == value) return false;
    lines[i].text = ValueLine(*lines[i].valueName, value);
    lines[i].value = value;
    return true;
  }
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt),
               Line{ValueLine(name, value), std::string(name), value});
  return true;
}

std::optional<TRegistryValue> TRegistryStore::Value(std::string_view keyPath,
                                                    std::string_view name) const {
  const Section* section = FindSection(keyPath);
  if (section == nullptr) return std::nullopt;
  for (const Line& line : section->lines) {
    if (line.valueName && SameText(*line.valueName, name)) return line.value;
  }
  return std::nullopt;
}

TRegistryStore::Section* TRegistryStore::FindSection(std::string_view keyPath) {
  return const_cast<Section*>(std::as_const(*this).FindSection(keyPath));
}

const TRegistryStore::Section* TRegistryStore::FindSection(std::string_view keyPath) const {
  for (const Section& section : sections_) {
    if (SameText(section.path, keyPath)) return &section;
  }
  return nullptr;
}

TRegistryStore::Section& TRegistryStore::AddSection(std::string_view keyPath) {
  // A blank line before each new key keeps the file easy to read.
  std::vector<Line>& last = sections_.empty() ? preamble_ : sections_.back().lines;
  if (!last.empty() && !TrimLineEnd(last.back().text).empty())
    last.push_back({"", std::nullopt, {}});
  sections_.push_back({std::string(keyPath), {{HeaderLine(keyPath), std::nullopt, {}}}});
  return sections_.back();
}
