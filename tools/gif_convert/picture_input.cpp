#include "picture_input.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <vector>

#include "convert_error.h"
#include "cursors/animated_cursor_image.h"
#include "framework/backends/posix/file_contents.h"
#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "framework/core/text.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/icon.h"
#include "gif/picture/gif_image.h"

namespace {

std::unique_ptr<TGraphic> GraphicFor(const std::string& ending) {
  if (ending == ".gif") return std::make_unique<TGIFImage>();
  if (ending == ".ico" || ending == ".cur") return std::make_unique<TIcon>();
  return std::make_unique<TBitmap>();
}

std::unique_ptr<TPersistent> ReadPicture(const std::string& ending, TStream& stream) {
  if (ending == ".ani") {
    auto cursor = std::make_unique<TAnimatedCursorImage>();
    cursor->LoadFromStream(stream);
    return cursor;
  }
  std::unique_ptr<TGraphic> graphic = GraphicFor(ending);
  graphic->LoadFromStream(stream);
  return graphic;
}

}  // namespace

std::unique_ptr<TPersistent> LoadPicture(const std::string& file) {
  std::optional<std::string> bytes;
  const int error = ReadWholeFile(file, bytes);
  if (error != 0 || !bytes) throw ConvertError{file, std::strerror(error != 0 ? error : ENOENT)};
  TMemoryStream stream(std::vector<std::uint8_t>(bytes->begin(), bytes->end()));
  try {
    return ReadPicture(LowerCase(std::filesystem::path(file).extension().string()), stream);
  } catch (const Exception& failure) {
    throw ConvertError{file, failure.Message()};
  }
}

void PictureToBitmap(TPersistent& picture, TBitmap& bitmap) {
  bitmap.Canvas().Brush().SetColor(clWhite);
  if (auto* icon = dynamic_cast<TIcon*>(&picture)) {
    bitmap.SetSize(icon->Width(), icon->Height());
    bitmap.Canvas().Draw(0, 0, icon);
  } else {
    bitmap.Assign(&picture);
  }
}
