#include "framework/core/form_lexer.h"

#include <limits>

#include "framework/core/exceptions.h"
#include "framework/core/format.h"
#include "framework/core/text.h"

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsNameStart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

// The value of a digit of the given base, or -1.
int DigitValue(char c, bool hex) {
  if (hex) return HexDigitValue(c);
  return IsDigit(c) ? c - '0' : -1;
}

// A character as an error message shows it: printable ASCII as itself, anything else as a code.
std::string Shown(char c) {
  if (c > ' ' && c < 0x7F) return std::string("'") + c + "'";
  return Format("byte 0x%.2X", {static_cast<std::int64_t>(static_cast<unsigned char>(c))});
}

class Lexer {
 public:
  Lexer(std::string_view text, std::string_view fileName) : text_(text), fileName_(fileName) {}

  std::vector<TFormToken> Run() {
    std::vector<TFormToken> tokens;
    for (;;) {
      SkipBlanks();
      tokens.push_back(Token());
      if (tokens.back().kind == TFormTokenKind::kEnd) return tokens;
    }
  }

 private:
  [[noreturn]] void Fail(std::string_view message) const {
    throw EParserError(FormSourceError(fileName_, line_, Column(), message));
  }

  int Column() const { return static_cast<int>(position_ - lineStart_) + 1; }
  bool AtEnd() const { return position_ >= text_.size(); }
  char Peek(std::size_t ahead = 0) const {
    return position_ + ahead < text_.size() ? text_[position_ + ahead] : '\0';
  }

  void SkipBlanks() {
    while (!AtEnd()) {
      const char c = Peek();
      if (c == '#') {
        while (!AtEnd() && Peek() != '\n')
          ++position_;
      } else if (c == '\n') {
        ++position_;
        ++line_;
        lineStart_ = position_;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++position_;
      } else {
        return;
      }
    }
  }

  TFormToken Token() {
    TFormToken token;
    token.line = line_;
    token.column = Column();
    if (AtEnd()) return token;
    const char c = Peek();
    if (IsNameStart(c)) {
      token.kind = TFormTokenKind::kName;
      token.text = NameText();
    } else if (IsDigit(c) || (c == '-' && IsDigit(Peek(1)))) {
      token.kind = TFormTokenKind::kInteger;
      token.number = Integer();
    } else if (c == '"') {
      token.kind = TFormTokenKind::kString;
      token.text = String();
    } else {
      token.kind = Punctuation(c);
      ++position_;
    }
    return token;
  }

  TFormTokenKind Punctuation(char c) const {
    switch (c) {
      case '{':
        return TFormTokenKind::kLeftBrace;
      case '}':
        return TFormTokenKind::kRightBrace;
      case '[':
        return TFormTokenKind::kLeftBracket;
      case ']':
        return TFormTokenKind::kRightBracket;
      case '(':
        return TFormTokenKind::kLeftParen;
      case ')':
        return TFormTokenKind::kRightParen;
      case '=':
        return TFormTokenKind::kEquals;
      case ',':
        return TFormTokenKind::kComma;
      case '.':
        return TFormTokenKind::kDot;
      default:
        Fail("unexpected " + Shown(c));
    }
  }

  std::string NameText() {
    const std::size_t start = position_;
    while (IsNameStart(Peek()) || IsDigit(Peek()))
      ++position_;
    return std::string(text_.substr(start, position_ - start));
  }

  // Decimal or 0x hexadecimal, optionally negative, within the range of a signed 64-bit number.
  std::int64_t Integer() {
    const bool negative = Peek() == '-';
    if (negative) ++position_;
    const bool hex = Peek() == '0' && (Peek(1) == 'x' || Peek(1) == 'X');
    if (hex) position_ += 2;
    const std::uint64_t base = hex ? 16 : 10;
    const std::uint64_t limit =
        static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + (negative ? 1 : 0);
    std::uint64_t value = 0;
    const std::size_t start = position_;
    for (int digit; (digit = DigitValue(Peek(), hex)) >= 0; ++position_) {
      if (value > (limit - static_cast<std::uint64_t>(digit)) / base) Fail("number out of range");
      value = value * base + static_cast<std::uint64_t>(digit);
    }
    if (position_ == start) Fail("hexadecimal digits expected after 0x");
    if (IsNameStart(Peek()) || IsDigit(Peek()))
      Fail("unexpected " + Shown(Peek()) + " in a number");
    return negative ? static_cast<std::int64_t>(0 - value) : static_cast<std::int64_t>(value);
  }

  std::string String() {
    ++position_;  // the opening quote
    std::string bytes;
    for (;;) {
      if (AtEnd() || Peek() == '\n') Fail("string not closed before the end of the line");
      const char c = Peek();
      ++position_;
      if (c == '"') return bytes;
      if (c != '\\') {
        bytes += c;
      } else if (AtEnd() || Peek() == '\n') {
        Fail("string not closed before the end of the line");
      } else {
        bytes += Escape();
      }
    }
  }

  char Escape() {
    const char c = Peek();
    ++position_;
    switch (c) {
      case 'r':
        return '\r';
      case 'n':
        return '\n';
      case 't':
        return '\t';
      case '0':
        return '\0';
      case '\\':
      case '"':
        return c;
      case 'x': {
        const int high = HexDigitValue(Peek());
        const int low = HexDigitValue(Peek(1));
        if (high < 0 || low < 0) Fail("two hexadecimal digits expected after \\x");
        position_ += 2;
        return static_cast<char>(high * 16 + low);
      }
      default:
        --position_;
        Fail("unknown escape: \\ followed by " + Shown(c));
    }
  }

  std::string_view text_;
  std::string_view fileName_;
  std::size_t position_ = 0;
  std::size_t lineStart_ = 0;
  int line_ = 1;
};

}  // namespace

std::vector<TFormToken> SplitFormSource(std::string_view text, std::string_view fileName) {
  return Lexer(text, fileName).Run();
}

std::string FormSourceError(std::string_view fileName, int line, int column,
                            std::string_view message) {
  return Format("%s:%d:%d: %s", {fileName, std::int64_t{line}, std::int64_t{column}, message});
}
