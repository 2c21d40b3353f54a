// gif-inspect: prints the structure of a GIF file, decoding every frame to find damage, and can
// write the decoded frames out. Codec errors go to standard error with exit status 1.
#include <filesystem>
#include <iostream>
#include <memory>
#include <vector>

#include "frame_output.h"
#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "gif/codec/decode_to_dib.h"
#include "gif/picture/gif_image.h"
#include "gif_report.h"
#include "inspect_options.h"

namespace {

std::vector<std::unique_ptr<FrameOutput>> MakeOutputs(const InspectOptions& options,
                                                      const TGIFImage& image) {
  std::vector<std::unique_ptr<FrameOutput>> outputs;
  if (!options.framesDir.empty()) {
    std::filesystem::create_directories(options.framesDir);
    outputs.push_back(std::make_unique<DibFileOutput>(options.framesDir));
  }
  if (!options.composedDir.empty()) {
    std::filesystem::create_directories(options.composedDir);
    outputs.push_back(std::make_unique<ComposedFileOutput>(options.composedDir, image));
  }
  return outputs;
}

int Inspect(const InspectOptions& options) {
  TGIFImage image;
  image.LoadFromFile(options.file);
  std::cout << "file: " << options.file << '\n';
  PrintImageReport(std::cout, image);
  const auto outputs = MakeOutputs(options, image);
  bool corrupted = false;
  for (int index = 0; index < image.FrameCount(); ++index) {
    TGIFFrame& frame = *image.FrameAt(index);
    TMemoryStream dib;
    DecodeToDib(frame, dib);
    PrintFrameReport(std::cout, index, frame);
    for (const auto& output : outputs)
      output->Write(index, frame, dib);
    corrupted = corrupted || frame.Corrupted();
  }
  if (corrupted) std::cout << "damaged: some frames are corrupted; they show what was decoded\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const auto options = ParseOptions(argc, argv);
  if (!options) return 2;
  try {
    return Inspect(*options);
  } catch (const Exception& error) {
    std::cerr << error.Message() << '\n';
  } catch (const std::exception& error) {
    std::cerr << error.what() << '\n';
  }
  return 1;
}
