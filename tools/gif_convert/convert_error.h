#pragma once

#include <string>

// A failure to report: the file it concerns and why.
struct ConvertError {
  std::string file;
  std::string reason;
};
