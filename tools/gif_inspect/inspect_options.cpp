#include "inspect_options.h"

#include <iostream>
#include <string_view>

namespace {

void PrintUsage() {
  std::cerr << "usage: gif-inspect [--frames DIR] [--composed DIR] FILE\n"
               "  prints the structure of a GIF file and decodes each frame;\n"
               "  --frames DIR    also writes each decoded frame to DIR/frame-NNN.bmp\n"
               "  --composed DIR  also writes each frame as the animator shows it on the\n"
               "                  logical screen to DIR/composed-NNN.bmp\n";
}

}  // namespace

std::optional<InspectOptions> ParseOptions(int argc, char** argv) {
  InspectOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--frames" && i + 1 < argc) {
      options.framesDir = argv[++i];
    } else if (argument == "--composed" && i + 1 < argc) {
      options.composedDir = argv[++i];
    } else if (!argument.starts_with("-") && options.file.empty()) {
      options.file = argument;
    } else {
      PrintUsage();
      return std::nullopt;
    }
  }
  if (options.file.empty()) {
    PrintUsage();
    return std::nullopt;
  }
  return options;
}
