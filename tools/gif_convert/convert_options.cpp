#include "convert_options.h"

#include <array>
#include <string_view>
#include <utility>

#include "framework/core/text.h"

namespace {

constexpr const char* kUsage =
    "usage: gif-convert [--depth 1|4|8|24] [--method METHOD] IN OUT\n"
    "       gif-convert [--method METHOD] [--delay MS] [--loop N] IN... OUT.gif\n"
    "Converts the picture IN to a bitmap file OUT of 1, 4, 8 or 24 bits per pixel, or to a GIF\n"
    "when OUT ends in .gif; several pictures IN make the frames of an animated GIF.\n"
    "\n"
    "  IN   a bitmap (.bmp) of any depth, an icon (.ico), a cursor (.cur), an animated\n"
    "       cursor (.ani) or a GIF (.gif); the type goes by the name's ending, anything else\n"
    "       is read as a bitmap. A GIF gives all its frames, their pixels kept exactly as they\n"
    "       are stored. In a GIF OUT an icon or a cursor is drawn on fuchsia, which becomes its\n"
    "       transparent colour, and an animated cursor gives its frames so, each shown for its\n"
    "       own time; in a bitmap OUT an icon or a cursor is its largest image over white, and\n"
    "       an animated cursor its frames side by side over white, reduced to the colours of\n"
    "       its images\n"
    "  OUT  the file to write; it appears whole or not at all\n"
    "  --depth 1|4|8|24  bits per pixel of a bitmap OUT (default 8). At 1 and 4 bits each\n"
    "                    pixel takes the nearest colour of the picture's own palette when it is\n"
    "                    that small, else of the standard 2- or 16-colour palette. A picture\n"
    "                    already at the depth asked for is written as it is, unless the\n"
    "                    method is grayscale.\n"
    "  --method METHOD   how 256 colours are chosen for an 8-bit bitmap OUT, and for the frames\n"
    "                    of a GIF OUT made from pictures of more colours (default popularity):\n"
    "      popularity    the picture's most frequent colours, the others to the nearest\n"
    "      median-cut    boxes of similar colours, cut where they split the pixels in half\n"
    "      uniform-784   a fixed palette of 7 red x 8 green x 4 blue levels\n"
    "      uniform-666   a fixed palette of 6 x 6 x 6 levels\n"
    "      triplet       three ramps of 64 levels; each pixel keeps one channel, in turn\n"
    "      grayscale     256 grey levels\n"
    "  --delay MS        shows every frame of a GIF OUT for MS milliseconds (0 to 65535,\n"
    "                    stored in hundredths of a second); frames keep their own otherwise\n"
    "  --loop N          a GIF OUT of several frames plays N times, 0 for ever (0 to 65535);\n"
    "                    otherwise as the GIF IN did, for ever for an animated cursor\n"
    "                    IN, or once\n"
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

// A whole number from 0 to 65535.
std::optional<std::uint16_t> Number16(std::string_view text) {
  std::uint32_t value = 0;
  if (text.empty() || text.size() > 5) return std::nullopt;
  for (const char digit : text) {
    if (digit < '0' || digit > '9') return std::nullopt;
    value = value * 10 + static_cast<std::uint32_t>(digit - '0');
  }
  if (value > 0xFFFF) return std::nullopt;
  return static_cast<std::uint16_t>(value);
}

// Takes the value of one option; a refusal when it is not one the option takes.
std::optional<ConvertExit> TakeValue(std::string_view option, std::string_view value,
                                     ConvertOptions& options) {
  if (option == "--depth") {
    const TColorDepth* depth = Find(kDepths, value);
    if (depth == nullptr) return Refuse("unknown depth '" + std::string(value) + "'");
    options.depth = *depth;
  } else if (option == "--method") {
    const TReductionMethod* method = Find(kMethods, value);
    if (method == nullptr) return Refuse("unknown method '" + std::string(value) + "'");
    options.method = *method;
  } else {
    const std::optional<std::uint16_t> number = Number16(value);
    if (!number) {
      return Refuse(std::string(option) + " takes a whole number from 0 to 65535, not '" +
                    std::string(value) + "'");
    }
    (option == "--delay" ? options.delayMs : options.loopCount) = number;
  }
  return std::nullopt;
}

// Options that the kind of OUT, or the number of inputs, rules out.
std::optional<ConvertExit> CheckCombination(const ConvertOptions& options) {
  if (options.WritesGif()) {
    if (options.depth) return Refuse("--depth is for a bitmap OUT; a GIF has 256 colours at most");
  } else {
    if (options.inputs.size() > 1) return Refuse("several inputs make an animation: OUT.gif");
    if (options.delayMs || options.loopCount) return Refuse("--delay and --loop are for a GIF OUT");
  }
  return std::nullopt;
}

}  // namespace

bool ConvertOptions::WritesGif() const {
  return output.size() >= 4 && LowerCase(output.substr(output.size() - 4)) == ".gif";
}

std::variant<ConvertOptions, ConvertExit> ParseOptions(int argc, char** argv) {
  ConvertOptions options;
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--help") return ConvertExit{kUsage, 0};
    if (argument == "--depth" || argument == "--method" || argument == "--delay" ||
        argument == "--loop") {
      if (i + 1 == argc) return Refuse(std::string(argument) + " needs a value");
      if (auto refused = TakeValue(argument, argv[++i], options)) return *refused;
    } else if (argument.starts_with("-") && argument.size() > 1) {
      return Refuse("unknown option '" + std::string(argument) + "'");
    } else {
      files.emplace_back(argument);
    }
  }
  if (files.size() < 2) return Refuse("an input and an output file expected");
  options.output = files.back();
  files.pop_back();
  options.inputs = std::move(files);
  if (auto refused = CheckCombination(options)) return *refused;
  return options;
}
