#pragma once

#include <string>
#include <variant>

#include "colour/color_depth.h"
#include "colour/reduction_method.h"

// What gif-convert was asked to do.
struct ConvertOptions {
  TColorDepth depth = TColorDepth::cd8Bit;
  TReductionMethod method = DefaultReductionMethod;
  std::string input;
  std::string output;
};

// The command line: the options, or the text to show and how to end: the usage on standard
// output with status 0 for --help, one line on standard error with status 1 for anything not
// understood.
struct ConvertExit {
  std::string text;
  int status = 0;
};
std::variant<ConvertOptions, ConvertExit> ParseOptions(int argc, char** argv);
