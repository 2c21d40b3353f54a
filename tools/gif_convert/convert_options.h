#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "colour/color_depth.h"
#include "colour/reduction_method.h"

// What gif-convert was asked to do.
struct ConvertOptions {
  std::optional<TColorDepth> depth;  // of a bitmap OUT; 8 bits when not given
  TReductionMethod method = DefaultReductionMethod;
  std::optional<std::uint16_t> delayMs;    // of every frame of a GIF OUT
  std::optional<std::uint16_t> loopCount;  // a GIF OUT's looping block; 0 loops forever
  std::vector<std::string> inputs;         // one, or several for an animation
  std::string output;

  // OUT ends in ".gif" (in any case): a GIF is written, else a bitmap file.
  bool WritesGif() const;
};

// The command line: the options, or the text to show and how to end: the usage on standard
// output with status 0 for --help, one line on standard error with status 1 for anything not
// understood.
struct ConvertExit {
  std::string text;
  int status = 0;
};
std::variant<ConvertOptions, ConvertExit> ParseOptions(int argc, char** argv);
