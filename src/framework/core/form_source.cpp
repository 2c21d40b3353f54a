#include "framework/core/form_source.h"

#include <algorithm>
#include <map>

#include "framework/core/exceptions.h"
#include "framework/core/form_data.h"
#include "framework/core/form_lexer.h"
#include "framework/core/format.h"
#include "framework/core/text.h"

namespace {

using Kind = TFormTokenKind;
using Bytes = std::vector<std::uint8_t>;

class Parser {
 public:
  Parser(std::string_view text, std::string_view fileName, const TFormFileReader& readFile)
      : fileName_(fileName), tokens_(SplitFormSource(text, fileName)), readFile_(readFile) {}

  TFormObject Run() {
    TFormObject root = Object(1);
    if (!At(Kind::kEnd)) Fail("only one root object is allowed");
    return root;
  }

 private:
  [[noreturn]] void Fail(std::string_view message) const { FailAt(Current(), message); }
  [[noreturn]] void FailAt(const TFormToken& token, std::string_view message) const {
    throw EParserError(FormSourceError(fileName_, token.line, token.column, message));
  }

  const TFormToken& Current() const { return tokens_[index_]; }
  const TFormToken& Ahead() const { return tokens_[std::min(index_ + 1, tokens_.size() - 1)]; }
  bool At(Kind kind) const { return Current().kind == kind; }
  bool AtName(std::string_view name) const { return At(Kind::kName) && Current().text == name; }
  const TFormToken& Take() {
    const TFormToken& token = Current();
    if (token.kind != Kind::kEnd) ++index_;
    return token;
  }
  const TFormToken& Expect(Kind kind, std::string_view what) {
    if (!At(kind)) Fail(Format("%s expected", {what}));
    return Take();
  }

  void CheckDepth(int depth) const {
    if (depth > form_data::kMaxDepth) Fail("nested too deeply");
  }

  // ClassName [Name] { member... }
  TFormObject Object(int depth) {
    CheckDepth(depth);
    TFormObject object;
    object.className = Expect(Kind::kName, "a class name").text;
    if (At(Kind::kName)) {
      const TFormToken& name = Take();
      object.name = name.text;
      NoteComponentName(name);
    }
    Expect(Kind::kLeftBrace, "'{' opening the object");
    std::map<std::string, int> propertyLines;  // upper-case name -> line of its first setting
    while (!At(Kind::kRightBrace)) {
      if (!At(Kind::kName)) Fail("a property, a nested object or '}' expected");
      if (Ahead().kind == Kind::kName || Ahead().kind == Kind::kLeftBrace) {
        object.children.push_back(Object(depth + 1));
      } else {
        object.properties.push_back(Property(propertyLines));
      }
    }
    Take();
    return object;
  }

  void NoteComponentName(const TFormToken& name) {
    const auto [first, added] = componentLines_.emplace(UpperCase(name.text), name.line);
    if (!added) {
      FailAt(name, Format("a component named %s is already declared on line %d",
                          {name.text, std::int64_t{first->second}}));
    }
  }

  // Name(.Name)* = value
  TFormProperty Property(std::map<std::string, int>& lines) {
    const TFormToken& start = Current();
    std::string name = Take().text;
    while (At(Kind::kDot)) {
      Take();
      name += '.' + Expect(Kind::kName, "a name after '.'").text;
    }
    const auto [first, added] = lines.emplace(UpperCase(name), start.line);
    if (!added) {
      FailAt(start,
             Format("property %s is already set on line %d", {name, std::int64_t{first->second}}));
    }
    Expect(Kind::kEquals, "'=' after the property name");
    return {std::move(name), Value()};
  }

  TFormValue Value() {
    switch (Current().kind) {
      case Kind::kInteger:
        return TPropertyValue(Take().number);
      case Kind::kString:
        return TPropertyValue(Strings());
      case Kind::kName:
        return TPropertyValue(Identifier());
      case Kind::kLeftBracket:
        return TPropertyValue(Set());
      case Kind::kLeftBrace: {
        Take();
        return TBinaryValue{BinaryItems(Kind::kRightBrace, 1)};
      }
      default:
        Fail("a value expected: a number, a string, a name, a set or a binary block");
    }
  }

  // Adjacent strings are one: long texts may be split over lines.
  std::string Strings() {
    std::string text;
    while (At(Kind::kString))
      text += Take().text;
    return text;
  }

  TPropertyValue Identifier() {
    const std::string& name = Take().text;
    if (SameText(name, "true")) return true;
    if (SameText(name, "false")) return false;
    return TIdentValue{name};
  }

  TSetValue Set() {
    Take();
    TSetValue set;
    if (At(Kind::kRightBracket)) {
      Take();
      return set;
    }
    for (;;) {
      set.members.push_back(Expect(Kind::kName, "a set member").text);
      if (At(Kind::kRightBracket)) break;
      Expect(Kind::kComma, "',' or ']'");
    }
    Take();
    return set;
  }

  // Items up to the closing token, which is consumed.
  Bytes BinaryItems(Kind close, int depth) {
    CheckDepth(depth);
    Bytes bytes;
    while (!At(close)) {
      const Bytes item = BinaryItem(depth);
      bytes.insert(bytes.end(), item.begin(), item.end());
    }
    Take();
    return bytes;
  }

  Bytes BinaryItem(int depth) {
    if (At(Kind::kString)) {
      const std::string& text = Take().text;
      return Bytes(text.begin(), text.end());
    }
    if (AtName("hex")) {
      Take();
      return Hex(Expect(Kind::kString, "a string of hexadecimal digits after hex"));
    }
    if (AtName("file")) {
      Take();
      return File(Expect(Kind::kString, "a file name in quotes after file"));
    }
    if (AtName("length8")) return LengthPrefixed(1, depth);
    if (AtName("length16")) return LengthPrefixed(2, depth);
    if (AtName("length32")) return LengthPrefixed(4, depth);
    Fail("binary data expected: a string, hex \"...\", file \"...\", length8/16/32(...) or '}'");
  }

  Bytes Hex(const TFormToken& token) {
    Bytes bytes;
    int high = -1;
    for (char c : token.text) {
      if (c == ' ' || c == '\t') continue;
      const int digit = HexDigitValue(c);
      if (digit < 0) FailAt(token, "only hexadecimal digits and spaces may stand after hex");
      if (high < 0) {
        high = digit;
      } else {
        bytes.push_back(static_cast<std::uint8_t>(high * 16 + digit));
        high = -1;
      }
    }
    if (high >= 0) FailAt(token, "odd number of hexadecimal digits");
    return bytes;
  }

  Bytes File(const TFormToken& token) {
    try {
      return readFile_(token.text);
    } catch (const Exception& error) {
      FailAt(token, error.Message());
    }
  }

  // lengthN( items ): the items' byte count, little-endian in N bytes, then the items.
  Bytes LengthPrefixed(int width, int depth) {
    const TFormToken& start = Take();
    Expect(Kind::kLeftParen, "'(' after " + start.text);
    Bytes content = BinaryItems(Kind::kRightParen, depth + 1);
    const std::uint64_t size = content.size();
    if (width < 8 && size >> (8 * width) != 0) {
      FailAt(start,
             Format("%d bytes do not fit in %s", {static_cast<std::int64_t>(size), start.text}));
    }
    Bytes bytes;
    for (int i = 0; i < width; ++i)
      bytes.push_back(static_cast<std::uint8_t>(size >> (8 * i)));
    bytes.insert(bytes.end(), content.begin(), content.end());
    return bytes;
  }

  std::string_view fileName_;
  std::vector<TFormToken> tokens_;
  std::size_t index_ = 0;
  const TFormFileReader& readFile_;
  std::map<std::string, int> componentLines_;  // upper-case component name -> line
};

}  // namespace

TFormObject ParseFormSource(std::string_view text, std::string_view fileName,
                            const TFormFileReader& readFile) {
  return Parser(text, fileName, readFile).Run();
}
