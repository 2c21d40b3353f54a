#include "giflib_oracle.h"

#include <gif_lib.h>

namespace {

bool SkipExtension(GifFileType* gif) {
  int code;
  GifByteType* block;
  if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) return false;
  while (block != nullptr) {
    if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) return false;
  }
  return true;
}

}  // namespace

std::vector<int> GifRowOrder(int height, bool interlaced) {
  std::vector<int> rows;
  if (!interlaced) {
    for (int y = 0; y < height; ++y)
      rows.push_back(y);
    return rows;
  }
  const int starts[] = {0, 4, 2, 1};
  const int steps[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass) {
    for (int y = starts[pass]; y < height; y += steps[pass])
      rows.push_back(y);
  }
  return rows;
}

namespace {

bool ReadFrame(GifFileType* gif, GiflibImage& image) {
  if (DGifGetImageDesc(gif) == GIF_ERROR) return false;
  GiflibFrame& frame = image.frames.emplace_back();
  frame.width = gif->Image.Width;
  frame.height = gif->Image.Height;
  frame.interlaced = gif->Image.Interlace;
  frame.indexes.assign(static_cast<std::size_t>(frame.width) * frame.height, 0);
  for (const int y : GifRowOrder(frame.height, frame.interlaced)) {
    if (DGifGetLine(gif, frame.indexes.data() + static_cast<std::size_t>(y) * frame.width,
                    frame.width) == GIF_ERROR) {
      return false;
    }
    ++frame.rowsDecoded;
  }
  return true;
}

}  // namespace

GiflibImage DecodeWithGiflib(const std::filesystem::path& file) {
  GiflibImage image;
  int error = 0;
  GifFileType* gif = DGifOpenFileName(file.c_str(), &error);
  if (gif == nullptr) return image;
  image.opened = true;
  GifRecordType type;
  bool ok = true;
  while (ok && DGifGetRecordType(gif, &type) != GIF_ERROR) {
    if (type == TERMINATE_RECORD_TYPE) {
      image.complete = true;
      break;
    }
    if (type == IMAGE_DESC_RECORD_TYPE) ok = ReadFrame(gif, image);
    if (type == EXTENSION_RECORD_TYPE) ok = SkipExtension(gif);
  }
  DGifCloseFile(gif, &error);
  return image;
}
