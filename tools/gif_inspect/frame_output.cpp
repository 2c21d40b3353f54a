#include "frame_output.h"

#include <cstdio>

#include "framework/core/memory_stream.h"
#include "framework/graphics/bitmap.h"
#include "gif/picture/gif_image.h"

namespace {

std::string NumberedName(const char* stem, int index) {
  char name[40];
  std::snprintf(name, sizeof name, "%s-%03d.bmp", stem, index);
  return name;
}

}  // namespace

void DibFileOutput::Write(int index, const TGIFFrame&, const TMemoryStream& dib) {
  dib.SaveToFile((dir_ / NumberedName("frame", index)).string());
}

ComposedFileOutput::ComposedFileOutput(std::filesystem::path dir, const TGIFImage& image)
    : dir_(std::move(dir)) {
  animator_.SetImage(&image);
}

void ComposedFileOutput::Write(int index, const TGIFFrame&, const TMemoryStream&) {
  TColor key = clNone;
  animator_.ComposeFrame(index, key)->SaveToFile((dir_ / NumberedName("composed", index)).string());
}
