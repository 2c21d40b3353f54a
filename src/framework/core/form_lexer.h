#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The tokens of a form source file (docs/form-source.md).
enum class TFormTokenKind {
  kEnd,
  kName,
  kInteger,
  kString,
  kLeftBrace,
  kRightBrace,
  kLeftBracket,
  kRightBracket,
  kLeftParen,
  kRightParen,
  kEquals,
  kComma,
  kDot,
};

struct TFormToken {
  TFormTokenKind kind = TFormTokenKind::kEnd;
  std::string text;         // a name, or a string's bytes with its escapes resolved
  std::int64_t number = 0;  // an integer's value
  int line = 0;
  int column = 0;
};

// Splits source text into tokens, the last one kEnd. EParserError "FILE:LINE:COLUMN: ..." for a
// character that starts no token, an unterminated string, a bad escape or a number out of range.
std::vector<TFormToken> SplitFormSource(std::string_view text, std::string_view fileName);

// The text of a parser error: "FILE:LINE:COLUMN: message".
std::string FormSourceError(std::string_view fileName, int line, int column,
                            std::string_view message);
