#pragma once

#include <memory>
#include <string>

class TGraphic;

// The picture in file, by the ending of its name: a GIF (.gif), an icon or cursor (.ico, .cur),
// or else a bitmap. Raises ConvertError naming the file and why it cannot be read.
std::unique_ptr<TGraphic> LoadPicture(const std::string& file);
