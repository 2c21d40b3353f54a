#include "picture_input.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <vector>

#include "convert_error.h"
#include "framework/backends/posix/file_contents.h"
#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "framework/core/text.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/icon.h"
#include "gif/picture/gif_image.h"

namespace {

std::unique_ptr<TGraphic> GraphicFor(const std::string& file) {
  const std::string ending = LowerCase(std::filesystem::path(file).extension().string());
  if (ending == ".gif") return std::make_unique<TGIFImage>();
  if (ending == ".ico" || ending == ".cur") return std::make_unique<TIcon>();
  return std::make_unique<TBitmap>();
}

}  // namespace

std::unique_ptr<TGraphic> LoadPicture(const std::string& file) {
  std::optional<std::string> bytes;
  const int error = ReadWholeFile(file, bytes);
  if (error != 0 || !bytes) throw ConvertError{file, std::strerror(error != 0 ? error : ENOENT)};
  TMemoryStream stream(std::vector<std::uint8_t>(bytes->begin(), bytes->end()));
  std::unique_ptr<TGraphic> picture = GraphicFor(file);
  try {
    picture->LoadFromStream(stream);
  } catch (const Exception& failure) {
    throw ConvertError{file, failure.Message()};
  }
  return picture;
}
