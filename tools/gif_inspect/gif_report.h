#pragma once

#include <ostream>

class TGIFFrame;
class TGIFImage;

// The image-wide structure: version, logical screen, background, aspect, global table, looping
// block and comment.
void PrintImageReport(std::ostream& out, const TGIFImage& image);

// One line for a decoded frame: origin, size, colour table, interlace, delay, disposal,
// transparent colour and damage.
void PrintFrameReport(std::ostream& out, int index, const TGIFFrame& frame);
