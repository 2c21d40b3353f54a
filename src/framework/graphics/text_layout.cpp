#include "framework/graphics/text_layout.h"

#include <algorithm>

#include "framework/graphics/text_output.h"

namespace {

int WidthOf(HDC dc, std::string_view text) {
  TSize size;
  GetTextExtentPoint32(dc, text, &size);
  return size.cx;
}

std::vector<std::string_view> SplitParagraphs(std::string_view text) {
  std::vector<std::string_view> paragraphs;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    paragraphs.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  paragraphs.push_back(text.substr(start));
  return paragraphs;
}

std::string_view TrimTrailingSpaces(std::string_view text) {
  while (!text.empty() && text.back() == ' ')
    text.remove_suffix(1);
  return text;
}

// Greedy wrapping: each line takes words (with the spaces after them) while its text without the
// trailing spaces still fits.
void WrapParagraph(HDC dc, std::string_view paragraph, int width, std::vector<std::string>& lines) {
  std::size_t lineStart = 0;
  std::size_t position = 0;
  std::size_t lineEnd = 0;  // end of the last word that fits
  while (position < paragraph.size()) {
    std::size_t wordEnd = paragraph.find(' ', position);
    if (wordEnd == std::string_view::npos) wordEnd = paragraph.size();
    const std::string_view candidate = paragraph.substr(lineStart, wordEnd - lineStart);
    if (lineEnd > lineStart && WidthOf(dc, TrimTrailingSpaces(candidate)) > width) {
      lines.emplace_back(TrimTrailingSpaces(paragraph.substr(lineStart, lineEnd - lineStart)));
      lineStart = paragraph.find_first_not_of(' ', lineEnd);
      if (lineStart == std::string_view::npos) return;
      lineEnd = lineStart;
      position = lineStart;
      continue;
    }
    lineEnd = wordEnd;
    position = paragraph.find_first_not_of(' ', wordEnd);
    if (position == std::string_view::npos) position = paragraph.size();
  }
  lines.emplace_back(paragraph.substr(lineStart));
}

std::string StripPrefixes(std::string_view text) {
  std::string result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&') {
      if (i + 1 == text.size()) break;
      ++i;  // "&&" keeps the second; "&x" keeps the x
    }
    result.push_back(text[i]);
  }
  return result;
}

int AlignedLeft(const TRect& rect, int lineWidth, unsigned format) {
  if (format & DT_CENTER) return rect.left + (rect.Width() - lineWidth) / 2;
  if (format & DT_RIGHT) return rect.right - lineWidth;
  return rect.left;
}

int AlignedTop(const TRect& rect, int textHeight, unsigned format) {
  if (!(format & DT_SINGLELINE)) return rect.top;
  if (format & DT_VCENTER) return rect.top + (rect.Height() - textHeight) / 2;
  if (format & DT_BOTTOM) return rect.bottom - textHeight;
  return rect.top;
}

}  // namespace

std::vector<std::string> LayoutLines(HDC dc, std::string_view text, int width, bool wordWrap,
                                     bool singleLine) {
  std::vector<std::string> lines;
  if (singleLine) {
    lines.emplace_back(text);
    return lines;
  }
  for (const std::string_view paragraph : SplitParagraphs(text)) {
    if (wordWrap) {
      WrapParagraph(dc, paragraph, width, lines);
    } else {
      lines.emplace_back(paragraph);
    }
  }
  return lines;
}

int DrawText(HDC dc, std::string_view text, TRect* rect, unsigned format) {
  if (dc == nullptr || rect == nullptr) return 0;
  const std::string shown = (format & DT_NOPREFIX) ? std::string(text) : StripPrefixes(text);
  const std::vector<std::string> lines = LayoutLines(
      dc, shown, rect->Width(), (format & DT_WORDBREAK) != 0, (format & DT_SINGLELINE) != 0);
  TEXTMETRIC metrics;
  GetTextMetrics(dc, &metrics);
  const int lineHeight = metrics.tmHeight;
  const int textHeight = lineHeight * static_cast<int>(lines.size());
  if (format & DT_CALCRECT) {
    int widest = 0;
    for (const auto& line : lines)
      widest = std::max(widest, WidthOf(dc, line));
    rect->right = rect->left + widest;
    rect->bottom = rect->top + textHeight;
    return textHeight;
  }
  const unsigned options = (format & DT_NOCLIP) ? 0u : ETO_CLIPPED;
  int top = AlignedTop(*rect, textHeight, format);
  for (const auto& line : lines) {
    ExtTextOut(dc, AlignedLeft(*rect, WidthOf(dc, line), format), top, options, rect, line);
    top += lineHeight;
  }
  return textHeight;
}
