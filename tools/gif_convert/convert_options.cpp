#include "convert_options.h"

#include <array>
#include <string_view>
#include <utility>

namespace {

constexpr const char* kUsage =
    "usage: gif-convert [--depth 1|4|8|24] [--method METHOD] IN OUT\n"
    "Converts the picture IN to a bitmap file OUT of 1, 4, 8 or 24 bits per pixel.\n"
    "\n"
    "  IN   a bitmap file (.bmp) of any depth\n"
    "  OUT  the bitmap file to write; it appears whole or not at all\n"
    "  --depth 1|4|8|24  bits per pixel of OUT (default 8). At 1 and 4 bits each pixel takes\n"
    "                    the nearest colour of the picture's own palette when it is that\n"
    "                    small, else of the standard 2- or 16-colour palette. A picture\n"
    "                    already at the depth asked for is written as it is, unless the\n"
    "                    method is grayscale.\n"
    "  --method METHOD   how the 256 colours of an 8-bit OUT are chosen (default popularity):\n"
    "      popularity    the picture's most frequent colours, the others to the nearest\n"
    "      median-cut    boxes of similar colours, cut where they split the pixels in half\n"
    "      uniform-784   a fixed palette of 7 red x 8 green x 4 blue levels\n"
    "      uniform-666   a fixed palette of 6 x 6 x 6 levels\n"
    "      triplet       three ramps of 64 levels; each pixel keeps one channel, in turn\n"
    "      grayscale     256 grey levels\n"
    "  --help            shows this text\n"
    "\n"
    "On an error gif-convert names the file and the reason on one line and ends with\n"
    "status 1, leaving OUT as it was.\n";

constexpr std::array<std::pair<std::string_view, TReductionMethod>, 6> kMethods = {{
    {"popularity", TReductionMethod::rmPopularity},
    {"median-cut", TReductionMethod::rmMedianCut},
    {"uniform-784", TReductionMethod::rmUniform784},
    {"uniform-666", TReductionMethod::rmUniform666},
    {"triplet", TReductionMethod::rmTriplet},
    {"grayscale", TReductionMethod::rmGrayscale},
}};

constexpr std::array<std::pair<std::string_view, TColorDepth>, 4> kDepths = {{
    {"1", TColorDepth::cd1Bit},
    {"4", TColorDepth::cd4Bit},
    {"8", TColorDepth::cd8Bit},
    {"24", TColorDepth::cd24Bit},
}};

template <typename Value, std::size_t Count>
const Value* Find(const std::array<std::pair<std::string_view, Value>, Count>& table,
                  std::string_view name) {
  for (const auto& [key, value] : table) {
    if (key == name) return &value;
  }
  return nullptr;
}

ConvertExit Refuse(const std::string& reason) {
  return {"gif-convert: " + reason + " (gif-convert --help explains)\n", 1};
}

}  // namespace

std::variant<ConvertOptions, ConvertExit> ParseOptions(int argc, char** argv) {
  ConvertOptions options;
  int files = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--help") return ConvertExit{kUsage, 0};
    if (argument == "--depth" || argument == "--method") {
      if (i + 1 == argc) return Refuse(std::string(argument) + " needs a value");
      const std::string_view value = argv[++i];
      if (argument == "--depth") {
        const TColorDepth* depth = Find(kDepths, value);
        if (depth == nullptr) return Refuse("unknown depth '" + std::string(value) + "'");
        options.depth = *depth;
      } else {
        const TReductionMethod* method = Find(kMethods, value);
        if (method == nullptr) return Refuse("unknown method '" + std::string(value) + "'");
        options.method = *method;
      }
    } else if (argument.starts_with("-") && argument.size() > 1) {
      return Refuse("unknown option '" + std::string(argument) + "'");
    } else if (++files == 1) {
      options.input = argument;
    } else if (files == 2) {
      options.output = argument;
    } else {
      return Refuse("one input and one output file expected");
    }
  }
  if (files < 2) return Refuse("an input and an output file expected");
  return options;
}
