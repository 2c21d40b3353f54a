#pragma once

#include <cstdint>

// How an 8-bit palette is chosen for a picture of more colours.
enum class TReductionMethod : std::uint8_t {
  rmPopularity,  // the most frequent colours of a hashed histogram
  rmMedianCut,   // median-cut boxes over a 4-bit-per-channel histogram
  rmUniform784,  // fixed 7 red x 8 green x 4 blue levels
  rmUniform666,  // fixed 6 x 6 x 6 levels
  rmTriplet,     // three 64-level ramps, one per channel, interleaved pixel by pixel
  rmGrayscale,   // 256 grey levels
};

// The method used where a caller asks for a number of colours rather than a method. Nothing in
// the program changes it; set it only from the UI thread, before any conversion.
inline TReductionMethod DefaultReductionMethod = TReductionMethod::rmPopularity;
