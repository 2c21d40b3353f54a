// gif-convert: converts pictures (bitmaps, icons, cursors, animated cursors, GIFs) to a bitmap
// file of 1, 4, 8 or 24 bits per pixel, choosing an 8-bit palette by one of the colour
// reduction's methods, or to a GIF, animated when there are several or the input is. Errors name
// the file and the reason on one line of standard error, with exit status 1; the output appears
// whole or not at all.
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>

#include "colour/bmp_stream.h"
#include "colour/nearest_level.h"
#include "convert_error.h"
#include "convert_options.h"
#include "framework/backends/posix/file_contents.h"
#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "framework/graphics/bitmap.h"
#include "gif/picture/gif_image.h"
#include "gif_output.h"
#include "picture_input.h"

namespace {

// Read and write for everyone the process's umask allows, as any new file it makes.
mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

void WriteOutput(const std::string& file, const TMemoryStream& bytes) {
  const std::string_view text(reinterpret_cast<const char*>(bytes.Memory()), bytes.Bytes().size());
  if (!ReplaceFileAtomically(file, text, NewFileMode()))
    throw ConvertError{file, std::strerror(errno)};
}

void ConvertToBitmap(const ConvertOptions& options, const InputPicture& input) {
  TBitmap bitmap;
  std::unique_ptr<TMemoryStream> bmp;
  try {
    PictureToBitmap(*input.picture, bitmap);
    bmp = BitmapToBmpStream(bitmap, options.depth.value_or(TColorDepth::cd8Bit), options.method);
  } catch (const Exception& failure) {
    throw ConvertError{input.file, failure.Message()};
  }
  WriteOutput(options.output, *bmp);
}

void ConvertToGif(const ConvertOptions& options, const std::vector<InputPicture>& inputs) {
  DefaultReductionMethod = options.method;
  TGIFImage image;
  MakeGif(inputs, options, image);
  TMemoryStream gif;
  try {
    image.SaveToStream(gif);
  } catch (const Exception& failure) {
    throw ConvertError{options.output, failure.Message()};
  }
  WriteOutput(options.output, gif);
}

void Convert(const ConvertOptions& options) {
  std::vector<InputPicture> inputs;
  for (const std::string& file : options.inputs)
    inputs.push_back({file, LoadPicture(file)});
  if (options.WritesGif()) {
    ConvertToGif(options, inputs);
  } else {
    ConvertToBitmap(options, inputs[0]);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const auto parsed = ParseOptions(argc, argv);
  if (const auto* done = std::get_if<ConvertExit>(&parsed)) {
    (done->status == 0 ? std::cout : std::cerr) << done->text;
    return done->status;
  }
  BuildNearestLevelMaps();
  const auto& options = std::get<ConvertOptions>(parsed);
  try {
    Convert(options);
    return 0;
  } catch (const ConvertError& error) {
    std::cerr << "gif-convert: " << error.file << ": " << error.reason << '\n';
  } catch (const std::bad_alloc&) {
    std::cerr << "gif-convert: " << options.output << ": out of memory\n";
  }
  return 1;
}
