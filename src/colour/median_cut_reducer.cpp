#include "colour/median_cut_reducer.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "colour/median_cut_cells.h"
#include "colour/median_cut_sort.h"
#include "colour/working_memory.h"

namespace {

// Counts every pixel in its cell and notes each pixel's cell, so that the output can be written
// over the source.
void CountCells(const TReductionRows& rows, const std::uint8_t* source, TMedianCutCells& work,
                std::vector<std::uint16_t>& cellOfPixel) {
  for (int cell = 0; cell < kCellCount; ++cell) {
    work.cells[static_cast<std::size_t>(cell)].level = {static_cast<std::uint8_t>(cell >> 8),
                                                        static_cast<std::uint8_t>(cell >> 4 & 15),
                                                        static_cast<std::uint8_t>(cell & 15)};
  }
  auto next = cellOfPixel.begin();
  for (int y = 0; y < rows.height; ++y) {
    const std::uint8_t* pixel = source + rows.sourceStride * static_cast<std::size_t>(y);
    for (int x = 0; x < rows.width; ++x, pixel += 3) {
      const std::uint16_t cell = CellOf(pixel[2], pixel[1], pixel[0]);
      ++work.cells[cell].pixelCount;
      *next++ = cell;
    }
  }
}

// Box 0 takes every cell in use, in ascending cell number.
void FillFirstBox(TMedianCutCells& work, std::int32_t pixelCount) {
  TColorBox& box = work.boxes[0];
  std::uint16_t* link = &box.first;
  for (int cell = 0; cell < kCellCount; ++cell) {
    TColorCell& counted = work.cells[static_cast<std::size_t>(cell)];
    if (counted.pixelCount == 0) continue;
    *link = static_cast<std::uint16_t>(cell);
    link = &counted.next;
    ++box.cellCount;
  }
  box.pixelCount = pixelCount;
  work.boxCount = 1;
}

struct TCut {
  std::size_t box;
  std::size_t channel;
};

// The box and channel of the greatest width among boxes of two cells or more; on equal widths the
// lower box, then red before green before blue.
std::optional<TCut> ChooseCut(const TMedianCutCells& work) {
  std::optional<TCut> cut;
  int widest = -1;
  for (std::size_t b = 0; b < static_cast<std::size_t>(work.boxCount); ++b) {
    const TColorBox& box = work.boxes[b];
    if (box.cellCount < 2) continue;
    for (std::size_t channel = kRed; channel <= kBlue; ++channel) {
      if (box.width[channel] > widest) {
        widest = box.width[channel];
        cut = TCut{b, channel};
      }
    }
  }
  return cut;
}

// The box's cells sorted by the channel, relinked in that order.
std::span<std::uint16_t> SortBox(TMedianCutCells& work, TColorBox& box, std::size_t channel) {
  std::size_t count = 0;
  for (std::uint16_t cell = box.first;
       cell != kNoCell && count < static_cast<std::size_t>(box.cellCount);
       cell = work.cells[cell].next) {
    work.sortBuffer[count++] = cell;
  }
  const auto sorted = std::span(work.sortBuffer).first(count);
  MedianCutSort(sorted,
                [&work, channel](std::uint16_t cell) { return work.cells[cell].level[channel]; });
  box.first = sorted[0];
  for (std::size_t i = 0; i + 1 < count; ++i)
    work.cells[sorted[i]].next = sorted[i + 1];
  work.cells[sorted[count - 1]].next = kNoCell;
  return sorted;
}

// The cells that stay in the lower box, from the first: as many as keep its pixels at most half
// of the box's, but at least one, and at least one left for the upper box.
struct TLowerPart {
  std::size_t cells;
  std::int32_t pixels;
};

TLowerPart LowerPart(const TMedianCutCells& work, std::span<const std::uint16_t> sorted,
                     std::int32_t half) {
  TLowerPart lower{1, work.cells[sorted[0]].pixelCount};
  while (lower.cells + 1 < sorted.size() &&
         lower.pixels + work.cells[sorted[lower.cells]].pixelCount <= half) {
    lower.pixels += work.cells[sorted[lower.cells]].pixelCount;
    ++lower.cells;
  }
  return lower;
}

void Cut(TMedianCutCells& work, TCut cut) {
  TColorBox& lower = work.boxes[cut.box];
  const auto sorted = SortBox(work, lower, cut.channel);
  const TLowerPart part = LowerPart(work, sorted, lower.pixelCount / 2);
  const std::uint16_t lastLower = sorted[part.cells - 1];
  const std::uint16_t firstUpper = sorted[part.cells];
  work.cells[lastLower].next = kNoCell;

  TColorBox& upper = work.boxes[static_cast<std::size_t>(work.boxCount)];
  upper = lower;
  upper.first = firstUpper;
  upper.cellCount = static_cast<std::int32_t>(sorted.size() - part.cells);
  upper.pixelCount = lower.pixelCount - part.pixels;
  lower.cellCount = static_cast<std::int32_t>(part.cells);
  lower.pixelCount = part.pixels;

  // The bounds move to the cut on a 0..255 scale, in byte arithmetic.
  const auto lowerEdge = static_cast<std::uint8_t>(16 * work.cells[lastLower].level[cut.channel]);
  const auto upperEdge = static_cast<std::uint8_t>(16 * work.cells[firstUpper].level[cut.channel]);
  upper.width[cut.channel] =
      static_cast<std::uint8_t>(upper.minimum[cut.channel] + upper.width[cut.channel] - upperEdge);
  upper.minimum[cut.channel] = upperEdge;
  lower.width[cut.channel] = static_cast<std::uint8_t>(lowerEdge - lower.minimum[cut.channel]);
  ++work.boxCount;
}

// The entry of a box: each channel the mean of its distinct cells' levels, scaled up to the cells'
// top; a near-black entry becomes black. Gives the box's cells its index.
RGBQUAD BoxEntry(TMedianCutCells& work, const TColorBox& box, std::uint8_t index) {
  std::array<int, 3> sum{};
  for (std::uint16_t cell = box.first; cell != kNoCell; cell = work.cells[cell].next) {
    work.cells[cell].paletteIndex = index;
    for (std::size_t channel = kRed; channel <= kBlue; ++channel)
      sum[channel] += work.cells[cell].level[channel];
  }
  std::array<std::uint8_t, 3> mean{};
  for (std::size_t channel = kRed; channel <= kBlue; ++channel)
    mean[channel] = static_cast<std::uint8_t>((sum[channel] * 16 + 15) / box.cellCount);
  if (std::ranges::all_of(mean, [](std::uint8_t value) { return value <= 16; })) return {};
  return {mean[kBlue], mean[kGreen], mean[kRed], 0};
}

void FillPalette(TMedianCutCells& work, int wanted, TReducedPalette palette) {
  for (int entry = work.boxCount; entry < wanted; ++entry)
    palette[static_cast<std::size_t>(entry)] = {};
  for (int b = 0; b < work.boxCount; ++b) {
    const TColorBox& box = work.boxes[static_cast<std::size_t>(b)];
    if (box.cellCount > 0) {
      palette[static_cast<std::size_t>(b)] = BoxEntry(work, box, static_cast<std::uint8_t>(b));
    }
  }
}

}  // namespace

void ReduceMedianCut(const BITMAPINFOHEADER& header, const std::uint8_t* source,
                     std::uint8_t* target, int& wantedCount, TReducedPalette palette) {
  const TReductionRows rows = TReductionRows::Of(header);
  const int wanted = std::min(wantedCount, kMaxBoxes);
  if (rows.PixelCount() == 0) {
    std::fill_n(palette.begin(), std::max(wanted, 0), RGBQUAD{});
    wantedCount = 0;
    return;
  }
  const auto work = AllocateWorkingMemory([] { return std::make_unique<TMedianCutCells>(); });
  auto cellOfPixel =
      AllocateWorkingMemory([&rows] { return std::vector<std::uint16_t>(rows.PixelCount()); });
  CountCells(rows, source, *work, cellOfPixel);
  FillFirstBox(*work, static_cast<std::int32_t>(rows.PixelCount()));
  while (work->boxCount < wanted) {
    const auto cut = ChooseCut(*work);
    if (!cut) break;
    Cut(*work, *cut);
  }
  FillPalette(*work, wanted, palette);
  MapPixels(rows, source, target,
            [&work, next = cellOfPixel.cbegin()](const std::uint8_t*, int, int) mutable {
              return work->cells[*next++].paletteIndex;
            });
  wantedCount = work->boxCount;
}
