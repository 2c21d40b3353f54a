#include "colour/popularity_reducer.h"

#include <algorithm>
#include <memory>

#include "colour/color_histogram.h"
#include "colour/working_memory.h"

namespace {

// Counts every pixel; false as soon as the histogram is full.
bool CountColors(const TReductionRows& rows, const std::uint8_t* source,
                 TColorHistogram& histogram) {
  for (int y = 0; y < rows.height; ++y) {
    const std::uint8_t* pixel = source + rows.sourceStride * static_cast<std::size_t>(y);
    for (int x = 0; x < rows.width; ++x, pixel += 3) {
      if (!histogram.Add(pixel[2], pixel[1], pixel[0])) return false;
    }
  }
  return true;
}

// Drops the lowest remaining bit of one mask, chosen so that the masks coarsen blue, red, green
// in turn from equal masks.
void CoarsenMasks(std::uint8_t& red, std::uint8_t& green, std::uint8_t& blue) {
  std::uint8_t& mask = red < green ? green : red > blue ? red : blue;
  mask = static_cast<std::uint8_t>(mask << 1);
}

void CountUnderCoarsening(const TReductionRows& rows, const std::uint8_t* source,
                          TColorHistogram& histogram, std::uint8_t redMask, std::uint8_t greenMask,
                          std::uint8_t blueMask) {
  histogram.Reset(redMask, greenMask, blueMask);
  while (!CountColors(rows, source, histogram)) {
    CoarsenMasks(redMask, greenMask, blueMask);
    histogram.Reset(redMask, greenMask, blueMask);
  }
}

// Takes the most frequent colour (the lowest entry on a tie) for each palette position, setting
// its count to 0; the positions left over read (128, 128, 128).
void KeepMostFrequent(std::span<TColorHistogram::Entry> colors, int kept, TReducedPalette palette) {
  for (int i = 0; i < kept; ++i) {
    auto* most = &colors[0];
    for (auto& entry : colors) {
      if (entry.count > most->count) most = &entry;
    }
    most->paletteIndex = static_cast<std::uint8_t>(i);
    most->count = 0;
    palette[static_cast<std::size_t>(i)] = {most->blue, most->green, most->red, 0};
  }
  std::fill(palette.begin() + kept, palette.end(), RGBQUAD{128, 128, 128, 0});
}

int SquaredDistance(const TColorHistogram::Entry& color, const RGBQUAD& entry) {
  const int red = color.red - entry.rgbRed;
  const int green = color.green - entry.rgbGreen;
  const int blue = color.blue - entry.rgbBlue;
  return red * red + green * green + blue * blue;
}

// Gives every colour not kept the index of the nearest of the first wanted palette entries.
void MapToNearest(std::span<TColorHistogram::Entry> colors, int wanted, TReducedPalette palette) {
  for (auto& color : colors) {
    if (color.count <= 0) continue;
    int best = 3 * 256 * 256;  // more than any real distance
    for (int i = 0; i < wanted; ++i) {
      const int distance = SquaredDistance(color, palette[static_cast<std::size_t>(i)]);
      if (distance < best) {
        best = distance;
        color.paletteIndex = static_cast<std::uint8_t>(i);
      }
    }
  }
}

}  // namespace

void ReducePopularity(const BITMAPINFOHEADER& header, TReducedPalette palette,
                      const std::uint8_t* source, std::uint8_t* target, int wantedCount,
                      std::uint8_t redMask, std::uint8_t greenMask, std::uint8_t blueMask) {
  const TReductionRows rows = TReductionRows::Of(header);
  const int wanted = std::clamp(wantedCount, 0, static_cast<int>(palette.size()));
  const auto histogram = AllocateWorkingMemory([] { return std::make_unique<TColorHistogram>(); });
  CountUnderCoarsening(rows, source, *histogram, redMask, greenMask, blueMask);
  const auto colors = histogram->Colors();
  KeepMostFrequent(colors, std::min(wanted, static_cast<int>(colors.size())), palette);
  MapToNearest(colors, wanted, palette);
  MapPixels(rows, source, target, [&histogram](const std::uint8_t* pixel, int, int) {
    return histogram->Find(pixel[2], pixel[1], pixel[0]).paletteIndex;
  });
}
