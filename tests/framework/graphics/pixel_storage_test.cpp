#include "framework/graphics/pixel_storage.h"

#include <gtest/gtest.h>

#include <cstddef>

#include "framework/graphics/bitmap_object.h"
#include "framework/graphics/gdi_object.h"

namespace {

// Window-sized bitmaps are made and freed again and again; the pixel blocks they leave behind are
// handed on, and what a new bitmap shows must never be what the last one held.
TEST(PixelStorage, ABitmapMadeWhereAnotherWasFreedStartsBlack) {
  for (int round = 0; round < 3; ++round) {
    for (int bits : {1, 8, 32}) {
      HBITMAP bitmap = TBitmapObject::Create(467, 335, bits);
      ASSERT_NE(bitmap, nullptr);
      for (int y = 0; y < bitmap->Height(); ++y)
        for (int x = 0; x < bitmap->Width(); ++x)
          EXPECT_EQ(bitmap->Pixel(x, y), 0u) << bits << " bits at " << x << ", " << y;
      bitmap->Fill(bits == 32 ? 0xFFFFFFu : 1u);
      DeleteObject(bitmap);
    }
  }
}

TEST(PixelStorage, BlocksOfEverySizeComeAndGo) {
  for (std::size_t bytes :
       {std::size_t{16}, std::size_t{1} << 16, std::size_t{700} << 10, std::size_t{40} << 20}) {
    for (int i = 0; i < 10; ++i) {
      void* block = pixel_storage::Allocate(bytes);
      static_cast<unsigned char*>(block)[bytes - 1] = 1;  // all of it is there
      pixel_storage::Release(block, bytes);
    }
  }
}

}  // namespace
