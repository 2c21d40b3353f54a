#include "gif_report.h"

#include <cstdio>
#include <string>

#include "gif/picture/gif_image.h"

namespace {

std::string ColorText(TColor color) {
  if (color == clNone) return "none";
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", color & 0xFF, (color >> 8) & 0xFF,
                (color >> 16) & 0xFF);
  return text;
}

std::string TableText(const GifColorTable& table) {
  return table.count == 0 ? "none" : std::to_string(table.count) + " colours";
}

const char* DisposalText(int disposal) {
  static const char* const kNames[] = {"unspecified", "leave", "restore background",
                                       "restore previous"};
  return disposal < 4 ? kNames[disposal] : "reserved";
}

// The comment with its line breaks shown as \n, so that the report stays one line per item.
std::string CommentText(const TStringList& lines) {
  std::string text;
  for (const std::string& line : lines) {
    if (!text.empty()) text += "\\n";
    for (const char c : line) {
      if (c == '\r') continue;
      text += c == '\n' ? std::string("\\n") : std::string(1, c);
    }
  }
  return text;
}

}  // namespace

void PrintImageReport(std::ostream& out, const TGIFImage& image) {
  const TGIFData& header = *image.SharedHeader();
  out << "version: " << TGIFImage::kVersions[image.GifVersion()] << '\n';
  out << "logical screen: " << image.LogicalWidth() << " x " << image.LogicalHeight() << '\n';
  out << "background: " << ColorText(image.BackColor()) << '\n';
  out << "aspect: " << int{header.AspectRatio()} << '\n';
  out << "global colour table: " << TableText(header.GlobalColors()) << '\n';
  out << "looping: ";
  if (!image.LoopEnabled()) {
    out << "none\n";
  } else if (image.LoopCount() == 0) {
    out << "forever\n";
  } else {
    out << image.LoopCount() << " times\n";
  }
  out << "comment: "
      << (header.CommentLines().Empty() ? "none" : CommentText(header.CommentLines())) << '\n';
  out << "frames: " << image.FrameCount() << '\n';
}

void PrintFrameReport(std::ostream& out, int index, const TGIFFrame& frame) {
  const TGIFItem& item = *frame.SharedPixels();
  out << "frame " << index << ": origin " << frame.Origin().x << ',' << frame.Origin().y << " size "
      << item.FrameSize().cx << " x " << item.FrameSize().cy
      << " local table: " << (frame.LocalColors() ? TableText(item.FrameColors()) : "none")
      << " interlaced: " << (frame.Interlaced() ? "yes" : "no") << " delay: " << frame.DelayMs()
      << " ms disposal: " << int{frame.Disposal()} << " (" << DisposalText(frame.Disposal())
      << ") transparent: " << ColorText(frame.TransparentColor())
      << " corrupted: " << (frame.Corrupted() ? "yes" : "no");
  if (const TStringList* comment = frame.ExistingComment();
      comment != nullptr && !comment->Empty()) {
    out << " comment: " << CommentText(*comment);
  }
  out << '\n';
}
