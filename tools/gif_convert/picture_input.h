#pragma once

#include <memory>
#include <string>

class TBitmap;
class TPersistent;

// The picture in file, by the ending of its name: a GIF (.gif), an icon or cursor (.ico, .cur), an
// animated cursor (.ani), or else a bitmap. Raises ConvertError naming the file and why it cannot
// be read.
std::unique_ptr<TPersistent> LoadPicture(const std::string& file);

// The picture as a bitmap: an icon or cursor drawn over white at its size (its largest image), an
// animated cursor its frames side by side over white reduced to the colours of its images, a GIF
// its current frame, a bitmap itself. Raises the framework's typed errors.
void PictureToBitmap(TPersistent& picture, TBitmap& bitmap);
