#include "colour/reduce_pixels.h"

#include "colour/grayscale_palette.h"
#include "colour/median_cut_reducer.h"
#include "colour/popularity_reducer.h"
#include "colour/triplet_palette.h"
#include "colour/uniform_palette.h"

namespace {

constexpr int kPaletteSize = 256;
constexpr std::uint8_t kFullMask = 0xFF;

}  // namespace

std::uint32_t ReducePixels(TReductionMethod method, const BITMAPINFOHEADER& header,
                           const std::uint8_t* source, std::uint8_t* target,
                           TReducedPalette palette) {
  switch (method) {
    case TReductionMethod::rmPopularity:
      ReducePopularity(header, palette, source, target, kPaletteSize, kFullMask, kFullMask,
                       kFullMask);
      return 0;
    case TReductionMethod::rmMedianCut: {
      int colors = kPaletteSize;
      ReduceMedianCut(header, source, target, colors, palette);
      return static_cast<std::uint32_t>(colors);
    }
    case TReductionMethod::rmUniform784:
      ReduceUniform784(header, source, target, palette);
      return kUniform784Colors;
    case TReductionMethod::rmUniform666:
      ReduceUniform666(header, source, target, palette);
      return kUniform666Colors;
    case TReductionMethod::rmTriplet:
      ReduceTriplet(header, source, target, palette);
      return 0;
    case TReductionMethod::rmGrayscale:
      ReduceGrayscale(header, source, target, palette);
      return 0;
  }
  return 0;
}
