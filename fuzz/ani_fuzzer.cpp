// Feeds arbitrary bytes to the animated-cursor reader. Whatever it accepts must have at least one
// frame, each with a picture, and a step count equal to its frames, and must survive being copied,
// handed to an icon list and drawn as a strip; whatever it refuses must raise EReadError.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "cursors/animated_cursor_image.h"
#include "cursors/icon_list.h"
#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "framework/graphics/bitmap.h"

namespace {

// Strips wider than this are not drawn, so that each input stays quick.
constexpr long kLargestStripPixels = 1 << 20;

void Check(const TAnimatedCursorImage& image) {
  if (image.FrameCount() < 1 || image.AniHeader().stepCount != image.FrameCount()) std::abort();
  for (int i = 0; i < image.FrameCount(); ++i) {
    if (image.FrameIcon(i) == nullptr || image.FrameIcon(i)->Empty()) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TAnimatedCursorImage image;
  try {
    TMemoryStream stream(std::vector<std::uint8_t>(data, data + size));
    image.LoadFromStream(stream);
  } catch (const EReadError&) {
    return 0;
  }
  if (size == 0) return 0;
  Check(image);
  TAnimatedCursorImage copy;
  copy.Assign(&image);
  Check(copy);
  TIconList list;
  list.Assign(&image);
  if (list.GetCount() != image.FrameCount()) std::abort();
  TIcon& first = *image.FrameIcon(0);
  if (long{first.Width()} * first.Height() * image.FrameCount() <= kLargestStripPixels) {
    TBitmap strip;
    image.DrawFrameStrip(strip, clWhite, TStripColors::kKeep, TStripLayout::kHorizontal);
  }
  return 0;
}
