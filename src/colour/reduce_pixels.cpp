#include "colour/reduce_pixels.h"

#include "colour/color_depth.h"
#include "colour/grayscale_palette.h"
#include "colour/median_cut_reducer.h"
#include "colour/popularity_reducer.h"
#include "colour/triplet_palette.h"
#include "colour/uniform_palette.h"

namespace {

constexpr std::uint8_t kFullMask = 0xFF;

}  // namespace

std::uint32_t ReducePixels(TReductionMethod method, const BITMAPINFOHEADER& header,
                           const std::uint8_t* source, std::uint8_t* target,
                           TReducedPalette palette) {
  const int colors = ColorsOfDepth(TColorDepth::cd8Bit);
  switch (method) {
    case TReductionMethod::rmPopularity:
      ReducePopularity(header, palette, source, target, colors, kFullMask, kFullMask, kFullMask);
      return 0;
    case TReductionMethod::rmMedianCut: {
      int made = colors;
      ReduceMedianCut(header, source, target, made, palette);
      return static_cast<std::uint32_t>(made);
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
