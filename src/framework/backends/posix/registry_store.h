#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One stored value: its type ("sz" for a string; other types are kept as they were found) and its
// bytes.
struct TRegistryValue {
  std::string type;
  std::string data;
  friend bool operator==(const TRegistryValue&, const TRegistryValue&) = default;
};

// The text form of the registry on platforms without one. Each key is a section headed by its full
// path, values follow one a line:
//
//   [HKEY_CURRENT_USER\Software\Vesperan\Options]
//   "ChangeTrayClock" = sz:"1"
//
// Key parts are separated by "\"; names and data are written as EncodeRegistryText does, with "[",
// "]" reserved in key paths and '"' in names and data. Lines starting with "#" or ";" are comments.
// Keys and value names compare ignoring the case of ASCII letters and keep the case they were
// created with. A key exists when it has a section or lies on the path of one.
//
// Every line the store was read from is kept as it stood, comments included; a change rewrites or
// inserts only the line it concerns, so everything else survives byte for byte.
class TRegistryStore {
 public:
  // A new store holding nothing but a comment that explains the format.
  TRegistryStore();

  // Raises ERegistryException naming sourceName and the line when text isn't a well-formed store
  // (a malformed line, a value before any key, a key or a value named twice).
  static TRegistryStore Parse(std::string_view text, std::string_view sourceName);
  // The store as text, every line ended by a line feed.
  std::string Text() const;

  // Whether the path is one the store can hold: parts separated by "\", none of them empty.
  static bool IsValidKeyPath(std::string_view keyPath);
  bool KeyExists(std::string_view keyPath) const;
  // Adds a valid key that doesn't exist yet; returns whether it added one.
  bool CreateKey(std::string_view keyPath);
  // Sets a value under a valid key, adding the key when needed. Returns whether anything changed.
  bool SetValue(std::string_view keyPath, std::string_view name, const TRegistryValue& value);
  std::optional<TRegistryValue> Value(std::string_view keyPath, std::string_view name) const;

 private:
  // A line as it stands in the file; value lines also hold what they say.
  struct Line {
    std::string text;
    std::optional<std::string> valueName;
    TRegistryValue value;
  };
  struct Section {
    std::string path;
    std::vector<Line> lines;  // the header first
  };

  TRegistryStore(std::vector<Line> preamble, std::vector<Section> sections);
  Section* FindSection(std::string_view keyPath);
  const Section* FindSection(std::string_view keyPath) const;
  Section& AddSection(std::string_view keyPath);

  std::vector<Line> preamble_;  // the lines before the first key
  std::vector<Section> sections_;
};
