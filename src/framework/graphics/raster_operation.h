#pragma once

#include <cstdint>

#include "framework/graphics/handles.h"

// Ternary raster operations. The code's third byte is a truth table over pattern P, source S and
// destination D: bit (P << 2 | S << 1 | D) of it is the result for those input bits, applied to
// every bit of the pixel values. The named codes are just such tables.
inline constexpr std::uint32_t SRCCOPY = 0x00CC0020;
inline constexpr std::uint32_t SRCPAINT = 0x00EE0086;
inline constexpr std::uint32_t SRCAND = 0x008800C6;
inline constexpr std::uint32_t SRCINVERT = 0x00660046;
inline constexpr std::uint32_t SRCERASE = 0x00440328;
inline constexpr std::uint32_t NOTSRCCOPY = 0x00330008;
inline constexpr std::uint32_t NOTSRCERASE = 0x001100A6;
inline constexpr std::uint32_t MERGECOPY = 0x00C000CA;
inline constexpr std::uint32_t MERGEPAINT = 0x00BB0226;
inline constexpr std::uint32_t PATCOPY = 0x00F00021;
inline constexpr std::uint32_t PATPAINT = 0x00FB0A09;
inline constexpr std::uint32_t PATINVERT = 0x005A0049;
inline constexpr std::uint32_t DSTINVERT = 0x00550009;
inline constexpr std::uint32_t BLACKNESS = 0x00000042;
inline constexpr std::uint32_t WHITENESS = 0x00FF0062;

inline constexpr std::uint8_t RopTable(std::uint32_t rop) {
  return static_cast<std::uint8_t>(rop >> 16);
}
inline constexpr bool RopUsesSource(std::uint8_t table) {
  return ((table >> 2 ^ table) & 0x33) != 0;
}
inline constexpr bool RopUsesPattern(std::uint8_t table) {
  return ((table >> 4 ^ table) & 0x0F) != 0;
}
inline constexpr bool RopUsesDestination(std::uint8_t table) {
  return ((table >> 1 ^ table) & 0x55) != 0;
}

// The operation on one set of values, bit by bit.
std::uint32_t EvaluateRop3(std::uint8_t table, std::uint32_t pattern, std::uint32_t source,
                           std::uint32_t destination);

// destination[i] := operation(pattern, source[i], destination[i]) & mask for count values; source
// may be null when the operation does not use it. The common codes have fast loops that give the
// same results as the bitwise evaluation.
void ApplyRop3(std::uint8_t table, std::uint32_t pattern, const std::uint32_t* source,
               std::uint32_t* destination, int count, std::uint32_t mask);

// Switches the fast loops off (for tests and benchmarks that compare them with the bitwise
// evaluation); on by default.
void SetRasterFastPaths(bool enabled);
bool RasterFastPaths();

// Fills a logical rectangle with the selected brush combined by rop with the destination.
bool PatBlt(HDC dc, int x, int y, int width, int height, std::uint32_t rop);
// Combines a rectangle of src with one of the same size in dst.
bool BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY,
            std::uint32_t rop);
// Combines a rectangle of src, scaled to the destination rectangle, with dst. A negative width or
// height mirrors that axis. When shrinking, dst's stretch mode decides what happens to the
// dropped pixels: BLACKONWHITE ANDs them, WHITEONBLACK ORs them, COLORONCOLOR (and HALFTONE)
// drops them.
bool StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                int srcWidth, int srcHeight, std::uint32_t rop);
