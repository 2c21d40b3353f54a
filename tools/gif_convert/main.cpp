// gif-convert: converts a picture to a bitmap file of 1, 4, 8 or 24 bits per pixel, choosing an
// 8-bit palette by one of the colour reduction's methods. Errors name the file and the reason on
// one line of standard error, with exit status 1; the output appears whole or not at all.
#include <sys/stat.h>

#include <cstring>
#include <iostream>
#include <optional>
#include <string>

#include "colour/bmp_stream.h"
#include "colour/nearest_level.h"
#include "convert_options.h"
#include "framework/backends/posix/file_contents.h"
#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "framework/graphics/bitmap.h"

namespace {

// A failure to report: the file it concerns and why.
struct ConvertError {
  std::string file;
  std::string reason;
};

void LoadPicture(const std::string& file, TBitmap& bitmap) {
  std::optional<std::string> bytes;
  const int error = ReadWholeFile(file, bytes);
  if (error != 0 || !bytes) throw ConvertError{file, std::strerror(error != 0 ? error : ENOENT)};
  TMemoryStream stream(std::vector<std::uint8_t>(bytes->begin(), bytes->end()));
  try {
    bitmap.LoadFromStream(stream);
  } catch (const Exception& failure) {
    throw ConvertError{file, failure.Message()};
  }
}

// Read and write for everyone the process's umask allows, as any new file it makes.
mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

void Convert(const ConvertOptions& options) {
  TBitmap bitmap;
  LoadPicture(options.input, bitmap);
  std::unique_ptr<TMemoryStream> bmp;
  try {
    bmp = BitmapToBmpStream(bitmap, options.depth, options.method);
  } catch (const Exception& failure) {
    throw ConvertError{options.input, failure.Message()};
  }
  const std::string_view bytes(reinterpret_cast<const char*>(bmp->Memory()),
                               static_cast<std::size_t>(bmp->Size()));
  if (!ReplaceFileAtomically(options.output, bytes, NewFileMode()))
    throw ConvertError{options.output, std::strerror(errno)};
}

}  // namespace

int main(int argc, char** argv) {
  const auto parsed = ParseOptions(argc, argv);
  if (const auto* done = std::get_if<ConvertExit>(&parsed)) {
    (done->status == 0 ? std::cout : std::cerr) << done->text;
    return done->status;
  }
  BuildNearestLevelMaps();
  try {
    Convert(std::get<ConvertOptions>(parsed));
    return 0;
  } catch (const ConvertError& error) {
    std::cerr << "gif-convert: " << error.file << ": " << error.reason << '\n';
  } catch (const std::bad_alloc&) {
    std::cerr << "gif-convert: " << std::get<ConvertOptions>(parsed).input << ": out of memory\n";
  }
  return 1;
}
