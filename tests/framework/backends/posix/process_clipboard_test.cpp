#include "framework/backends/posix/process_clipboard.h"

#include <gtest/gtest.h>

#include "framework/platform/platform_services.h"

TEST(ProcessClipboard, RegisteredFormatsAreNumberedFrom0xC000ByName) {
  TGlobalHeap heap;
  TProcessClipboard clipboard(heap);
  const unsigned gif = clipboard.RegisterFormat("GIF Image");
  const unsigned icon = clipboard.RegisterFormat("Icon List");
  EXPECT_EQ(gif, 0xC000u);
  EXPECT_EQ(icon, 0xC001u);
  EXPECT_EQ(clipboard.RegisterFormat("gif image"), gif);
  EXPECT_EQ(clipboard.RegisterFormat(""), 0u);
}

TEST(ProcessClipboard, HoldsOneBlockPerFormatAndOwnsIt) {
  TGlobalHeap heap;
  TProcessClipboard clipboard(heap);
  const unsigned format = clipboard.RegisterFormat("GIF Image");
  EXPECT_FALSE(clipboard.HasFormat(format));
  EXPECT_EQ(clipboard.Data(format), nullptr);

  const HGLOBAL first = heap.Alloc(4);
  EXPECT_EQ(clipboard.SetData(format, first), first);
  EXPECT_TRUE(clipboard.HasFormat(format));
  EXPECT_EQ(clipboard.Data(format), first);
  EXPECT_EQ(clipboard.SetData(format, first), first) << "setting the same block again keeps it";
  EXPECT_TRUE(heap.IsLive(first));

  const HGLOBAL second = heap.Alloc(4);
  clipboard.SetData(format, second);
  EXPECT_FALSE(heap.IsLive(first)) << "the replaced block is freed";
  const HGLOBAL bitmap = heap.Alloc(4);
  clipboard.SetData(CF_BITMAP, bitmap);

  clipboard.Empty();
  EXPECT_FALSE(clipboard.HasFormat(format));
  EXPECT_FALSE(clipboard.HasFormat(CF_BITMAP));
  EXPECT_FALSE(heap.IsLive(second));
  EXPECT_FALSE(heap.IsLive(bitmap));
}

TEST(ProcessClipboard, RefusesBlocksItCannotOwn) {
  TGlobalHeap heap;
  TProcessClipboard clipboard(heap);
  const HGLOBAL freed = heap.Alloc(4);
  heap.Free(freed);
  EXPECT_EQ(clipboard.SetData(CF_TEXT, freed), nullptr);
  EXPECT_EQ(clipboard.SetData(CF_TEXT, nullptr), nullptr);
  const HGLOBAL block = heap.Alloc(4);
  EXPECT_EQ(clipboard.SetData(0, block), nullptr);
  EXPECT_FALSE(clipboard.HasFormat(CF_TEXT));
  heap.Free(block);
}

TEST(ProcessClipboard, FreesWhatItHoldsWhenItGoes) {
  TGlobalHeap heap;
  const HGLOBAL block = heap.Alloc(4);
  {
    TProcessClipboard clipboard(heap);
    clipboard.SetData(CF_TEXT, block);
  }
  EXPECT_FALSE(heap.IsLive(block));
}
