#pragma once

#include <optional>
#include <string>

// What gif-inspect was asked to do.
struct InspectOptions {
  std::string file;
  std::string framesDir;    // empty: no frame files
  std::string composedDir;  // empty: no composed pictures
};

// The options of the command line, or none (after printing the usage) when it is not understood.
std::optional<InspectOptions> ParseOptions(int argc, char** argv);
