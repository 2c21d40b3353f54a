#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "framework/platform/argb_image.h"
#include "support/reference_png.h"

// The one way tests compare pictures: as PNG pictures (ReferencePng), with one description of
// their differences, and, for the project's own expected pictures, one way to rewrite them.

// A colour at each pixel, red in the low byte (as TColor).
using PixelColors = std::function<std::int32_t(int x, int y)>;

// An opaque picture of width x height of the given colours.
ReferencePng PictureOf(int width, int height, const PixelColors& colorAt);
// What a window shows (0xAARRGGBB), as an opaque picture.
ReferencePng PictureOf(const TArgbImage& shown);

// How actual differs from expected, or "" when it does not: the size, or the number of pixels of
// another colour and the first of them. Where expected is transparent (alpha 0), backdrop's colour
// is expected instead and partly transparent pixels are not compared; without a backdrop only the
// colours are compared.
std::string PictureDifferences(const ReferencePng& actual, const ReferencePng& expected,
                               const PixelColors& backdrop = {});

// Compares actual with one of the project's expected pictures, a PNG file beside the tests. On a
// difference it writes actual beside it as NAME.actual.png and fails, naming both. With
// QI_WRITE_EXPECTED set in the environment it writes actual as the expected picture instead and
// skips the test: after a deliberate change of what is drawn, look at each picture it wrote
// before committing.
void ExpectGoldenPicture(const ReferencePng& actual, const std::filesystem::path& expectedFile);
