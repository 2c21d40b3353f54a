#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A form source file turned into binary form data, with the files it was made from.
struct TCompiledForm {
  std::vector<std::uint8_t> data;
  // The source file first, then every file its binary blocks read, in the order they were read.
  std::vector<std::string> dependencies;
};

// Compiles the form source file at sourcePath; files named in it are found relative to the
// source's folder. EParserError ("FILE:LINE:COLUMN: ...") for a fault in the source or a file it
// names that cannot be read, EFOpenError when the source itself cannot be opened.
TCompiledForm CompileFormFile(const std::string& sourcePath);

// A dependency file in the form make and ninja read: "OUTPUT: DEPENDENCY...", spaces escaped.
std::string MakeDependencyFile(const std::string& output,
                               const std::vector<std::string>& dependencies);
