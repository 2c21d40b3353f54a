#include <gtest/gtest.h>

#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "gif/codec/decode_to_dib.h"
#include "gif/codec/gif_image_model.h"
#include "gif_builder.h"
#include "test_lzw_encoder.h"

namespace {

// A 2 x 2 frame of colour 1, coded with minimum code size 2.
std::vector<std::uint8_t> Pixels2x2() {
  return EncodeLzw({1, 1, 1, 1}, 2);
}

// Reads gif into image; returns the failure message, or "" on success.
std::string Read(TGIFImageModel& image, const std::vector<std::uint8_t>& gif) {
  TMemoryStream stream(gif);
  try {
    image.ReadGifContent(stream.Size(), stream);
  } catch (const Exception& error) {
    return error.Message();
  }
  return "";
}

std::vector<std::uint8_t> Bytes(const TSharedBytes& bytes) {
  return {bytes.Span().begin(), bytes.Span().end()};
}

GifBuilder Screen2x2() {
  return std::move(GifBuilder().Signature().Screen(2, 2, 0x81).Table(4));
}

}  // namespace

TEST(GifReader, SmallestGifByHand) {
  const std::vector<std::uint8_t> gif{
      'G',  'I', 'F',  '8',  '9', 'a',  // signature and version
      1,    0,   1,    0,               // logical screen 1 x 1
      0x80, 1,   0,                     // global table of 2 colours, background 1, aspect 0
      0,    0,   0,    255,  255, 255,  // black, white
      0x2C, 0,   0,    0,    0,   1,   0, 1, 0, 0x00,  // image at 0,0, 1 x 1, no local table
      2,    2,   0x4C, 0x01, 0,  // code size 2; codes clear, 1, end; terminator
      0x3B};                     // trailer
  TGIFImageModel image;
  ASSERT_EQ(Read(image, gif), "");
  EXPECT_EQ(image.GifVersion(), 2);
  EXPECT_EQ(image.LogicalWidth(), 1);
  EXPECT_EQ(image.BackColor(), RGB(255, 255, 255));
  ASSERT_EQ(image.FrameCount(), 1);
  EXPECT_EQ(image.CurrentIndex(), 0);
  const TGIFItem& item = *image.FrameAt(0)->SharedPixels();
  EXPECT_EQ(item.FrameBits(), 1);
  EXPECT_EQ(item.FrameColors().count, 2);
  EXPECT_EQ(Bytes(*item.EncodedData()), (std::vector<std::uint8_t>{2, 2, 0x4C, 0x01, 0}));
  EXPECT_FALSE(image.FrameAt(0)->Corrupted());
}

TEST(GifReader, SignatureAndVersionIgnoreCaseAndAnythingElseIsUnknown) {
  TGIFImageModel image;
  EXPECT_EQ(Read(image, GifBuilder().Signature("gif89A").Screen(1, 1, 0).Trailer().Data()), "");
  EXPECT_EQ(image.GifVersion(), 2);
  EXPECT_EQ(Read(image, GifBuilder().Signature("GIF87a").Screen(1, 1, 0).Trailer().Data()), "");
  EXPECT_EQ(image.GifVersion(), 1);
  for (const char* signature : {"GIF90a", "PNG89a", "GIF", "G"}) {
    EXPECT_EQ(Read(image, GifBuilder().Signature(signature).Data()), "Unknown GIF version")
        << signature;
  }
}

TEST(GifReader, TakesExactlySizeBytesAndLeavesTheStreamAfterThem) {
  auto bytes = Screen2x2().Image(0, 0, 2, 2, 0, Pixels2x2()).Trailer().Data();
  const auto size = static_cast<std::int64_t>(bytes.size());
  bytes.insert(bytes.end(), {0x2C, 0xEE, 0xEE});  // never examined: after the trailer
  TMemoryStream stream(bytes);
  TGIFImageModel image;
  image.ReadGifContent(size, stream);
  EXPECT_EQ(stream.Position(), size);
  EXPECT_EQ(image.FrameCount(), 1);

  stream.SetPosition(0);
  EXPECT_THROW(image.ReadGifContent(static_cast<std::int64_t>(bytes.size()) + 1, stream),
               EReadError);
  EXPECT_EQ(image.FrameCount(), 0);
}

TEST(GifReader, LoopingBlockCountsAndLimits) {
  struct Case {
    std::string block;
    bool enabled;
    int count;
  };
  for (const Case& c :
       {Case{{1, 0, 0}, true, 0}, Case{{1, '\xFF', '\xFF'}, true, 30000},
        Case{{1, 5, 1}, true, 261}, Case{{1, 5}, false, 1}, Case{{2, 5, 0}, false, 1}}) {
    TGIFImageModel image;
    ASSERT_EQ(Read(image, Screen2x2()
                              .Application("NETSCAPE2.0", {c.block})
                              .Image(0, 0, 2, 2, 0, Pixels2x2())
                              .Trailer()
                              .Data()),
              "");
    EXPECT_EQ(image.LoopEnabled(), c.enabled);
    EXPECT_EQ(image.LoopCount(), c.count);
    EXPECT_EQ(image.FrameAt(0)->Extensions(), nullptr);  // application blocks are never kept
  }
  // A block size above the 11 bytes of identifier and code names no looping block.
  TGIFImageModel image;
  ASSERT_EQ(Read(image, Screen2x2()
                            .Bytes({0x21, 0xFF, 12, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2',
                                    '.', '0', 3, 1, 5, 0, 0})
                            .Image(0, 0, 2, 2, 0, Pixels2x2())
                            .Trailer()
                            .Data()),
            "");
  EXPECT_FALSE(image.LoopEnabled());
}

TEST(GifReader, CommentsBeforeTheTrailerMakeTheImageCommentAndOthersStayWithTheirFrame) {
  TGIFImageModel image;
  ASSERT_EQ(Read(image, Screen2x2()
                            .Comment({"frame note"})
                            .Image(0, 0, 2, 2, 0, Pixels2x2())
                            .Comment({"first", "block"})
                            .Comment({"second"})
                            .Trailer()
                            .Data()),
            "");
  const TStringList& comment = image.SharedHeader()->CommentLines();
  ASSERT_EQ(comment.Count(), 4);
  EXPECT_EQ(comment[0], "first");
  EXPECT_EQ(comment[1], "block");
  EXPECT_EQ(comment[2], "\r\n\r\n");
  EXPECT_EQ(comment[3], "second");
  const TStringList* frameComment = image.FrameAt(0)->CommentText(false);
  ASSERT_NE(frameComment, nullptr);
  EXPECT_EQ((*frameComment)[0], "frame note");
}

TEST(GifReader, TwoGraphicControlBlocksTakeTheLongerDelayAndTheLaterRest) {
  TGIFImageModel image;
  ASSERT_EQ(Read(image, Screen2x2()
                            .GraphicControl(0x01 | 2 << 2, 50, 3)  // transparent 3, background
                            .GraphicControl(0x00 | 3 << 2, 20, 0)  // no transparency, previous
                            .Image(0, 0, 2, 2, 0, Pixels2x2())
                            .Trailer()
                            .Data()),
            "");
  const TGIFFrameModel& frame = *image.FrameAt(0);
  EXPECT_EQ(frame.DelayMs(), 500);
  EXPECT_EQ(frame.TransparentColor(), clNone);
  EXPECT_EQ(frame.Disposal(), 3);
  EXPECT_FALSE(image.HasTransparentFrame());
}

TEST(GifReader, TransparencyDisposalAndDelayOfOneGraphicControlBlock) {
  TGIFImageModel image;
  ASSERT_EQ(Read(image, Screen2x2()
                            .GraphicControl(0x01 | 7 << 2, 7000, 2)  // disposal 7, 70 s
                            .Image(0, 0, 2, 2, 0, Pixels2x2())
                            .GraphicControl(0x01, 1, 4)  // index 4 is past a 4-colour table
                            .Image(0, 0, 2, 2, 0, Pixels2x2())
                            .Trailer()
                            .Data()),
            "");
  const GifRgb two = TestColor(2);
  EXPECT_EQ(image.FrameAt(0)->TransparentColor(), TripleToColor(two));
  EXPECT_EQ(image.FrameAt(0)->Disposal(), 7);
  // 7000 hundredths are 70 000 ms: more than 16 bits hold, so the delay saturates.
  EXPECT_EQ(image.FrameAt(0)->DelayMs(), 65535);
  EXPECT_EQ(image.FrameAt(1)->TransparentColor(), clNone);
  EXPECT_EQ(image.FrameAt(1)->DelayMs(), 10);
  EXPECT_TRUE(image.HasTransparentFrame());
}

TEST(GifReader, GraphicControlBeforePlainTextGoesWithTheText) {
  TGIFImageModel image;
  ASSERT_EQ(Read(image, Screen2x2()
                            .GraphicControl(0x01, 100, 1)
                            .PlainText({"hello"})
                            .Image(0, 0, 2, 2, 0, Pixels2x2())
                            .Trailer()
                            .Data()),
            "");
  EXPECT_EQ(image.FrameAt(0)->Extensions(), nullptr);
  EXPECT_EQ(image.FrameAt(0)->DelayMs(), 0);
  EXPECT_EQ(image.FrameAt(0)->TransparentColor(), clNone);
}

TEST(GifReader, UnknownExtensionLabelIsNamedInHex) {
  TGIFImageModel image;
  EXPECT_EQ(Read(image, Screen2x2().Bytes({0x21, 0x2A, 0}).Trailer().Data()),
            "Unrecognized extension block: 2A");
  EXPECT_EQ(Read(image, Screen2x2().Bytes({0x21, 0x0B, 0}).Trailer().Data()),
            "Unrecognized extension block: 0B");
}

TEST(GifReader, StrayBytesAfterAnImageEndTheImageButAfterExtensionsFail) {
  TGIFImageModel image;
  // Zeros after image data are skipped; any other stray byte there ends reading.
  ASSERT_EQ(Read(image, Screen2x2()
                            .Image(0, 0, 2, 2, 0, Pixels2x2())
                            .Bytes({0, 0, 0})
                            .Image(0, 0, 2, 2, 0, Pixels2x2())
                            .Bytes({'X'})
                            .Image(0, 0, 2, 2, 0, Pixels2x2())
                            .Data()),
            "");
  EXPECT_EQ(image.FrameCount(), 2);
  // Data that ends after an image, without a trailer, ends the file too.
  ASSERT_EQ(Read(image, Screen2x2().Image(0, 0, 2, 2, 0, Pixels2x2()).Data()), "");
  EXPECT_EQ(image.FrameCount(), 1);
  // After extension blocks, a byte that starts no block is a read error. The frames read before
  // stay, with no current frame.
  EXPECT_EQ(Read(image, Screen2x2()
                            .Image(0, 0, 2, 2, 0, Pixels2x2())
                            .Comment({"x"})
                            .GraphicControl(0, 0, 0)
                            .Bytes({'X'})
                            .Trailer()
                            .Data()),
            "Stream read error");
  EXPECT_EQ(image.FrameCount(), 1);
  EXPECT_EQ(image.CurrentIndex(), -1);
}

TEST(GifReader, CutOffImageDataGivesACorruptedFrameThatStillLoads) {
  auto gif = Screen2x2().Image(0, 0, 2, 2, 0, {2, 10, 0x4C, 0x01}).Data();  // 10 bytes announced
  TGIFImageModel image;
  ASSERT_EQ(Read(image, gif), "");
  ASSERT_EQ(image.FrameCount(), 1);
  EXPECT_TRUE(image.FrameAt(0)->Corrupted());
  // Only the code size byte was kept: the partial sub-block is left out.
  EXPECT_EQ(Bytes(*image.FrameAt(0)->SharedPixels()->EncodedData()), std::vector<std::uint8_t>{2});
  TMemoryStream dib;
  EXPECT_NO_THROW(DecodeToDib(*image.FrameAt(0), dib));
}

TEST(GifReader, FilesOfTwelveBytesOrLessNeverCrash) {
  const auto full = Screen2x2().Image(0, 0, 2, 2, 0, Pixels2x2()).Trailer().Data();
  for (std::size_t size = 0; size <= 12; ++size) {
    TGIFImageModel image;
    const std::string message = Read(image, {full.begin(), full.begin() + static_cast<long>(size)});
    // No bytes at all is an empty picture; a few are a header cut short.
    EXPECT_EQ(message, size > 0 && size < 6 ? "Unknown GIF version" : "") << size;
    EXPECT_EQ(image.FrameCount(), 0);
  }
}

TEST(GifReader, NoColourTableReads) {
  const auto gif = GifBuilder()
                       .Signature()
                       .Screen(2, 2, 0x00)
                       .Image(0, 0, 2, 2, 0, Pixels2x2())
                       .Trailer()
                       .Data();
  TGIFImageModel image;
  ASSERT_EQ(Read(image, gif), "");
  EXPECT_EQ(image.FrameAt(0)->SharedPixels()->FrameBits(), 0);
  EXPECT_EQ(image.BackColor(), clNone);
}

TEST(GifReader, LocalTableReplacesTheGlobalOneForItsFrame) {
  TGIFImageModel image;
  ASSERT_EQ(Read(image, Screen2x2()
                            .Image(3, 4, 2, 2, 0x80 | 0x40 | 2, {})  // local 8 colours, interlaced
                            .Table(8)
                            .Bytes({2})
                            .Bytes({0})
                            .Trailer()
                            .Data()),
            "");
  const TGIFFrameModel& frame = *image.FrameAt(0);
  EXPECT_TRUE(frame.LocalColors());
  EXPECT_TRUE(frame.Interlaced());
  EXPECT_EQ(frame.Origin(), (TPoint{3, 4}));
  EXPECT_EQ(frame.SharedPixels()->FrameBits(), 3);
  EXPECT_EQ(frame.SharedPixels()->FrameColors().count, 8);
  EXPECT_EQ(frame.SharedPixels()->DescriptorFlags(), 0xC2);
}

TEST(GifReader, FramesKeepPartsOfTheBytesReadAndShareTheGlobalTable) {
  const auto gif = Screen2x2()
                       .Image(0, 0, 2, 2, 0, Pixels2x2())
                       .Image(0, 0, 2, 2, 0, Pixels2x2())
                       .Trailer()
                       .Data();
  TMemoryStream stream(gif);
  TGIFImageModel image;
  image.ReadGifContent(stream.Size(), stream);
  ASSERT_EQ(image.FrameCount(), 2);
  const TGIFItem& first = *image.FrameAt(0)->SharedPixels();
  const TGIFItem& second = *image.FrameAt(1)->SharedPixels();
  // The code size byte of the first frame follows the header, the table and the descriptor.
  EXPECT_EQ(first.EncodedData()->Data(), stream.Bytes().data() + 13 + 12 + 10);
  EXPECT_EQ(&first.FrameColors(), &second.FrameColors());

  // Changing the stream or a frame's table leaves the rest as read.
  stream.Memory()[13 + 12 + 10] = 7;
  image.FrameAt(1)->SharedPixels()->EditFrameColors().entries[0] = {1, 2, 3};
  EXPECT_EQ(first.EncodedData()->Span()[0], 2);
  EXPECT_EQ(first.FrameColors().entries[0], TestColor(0));
  EXPECT_EQ(second.FrameColors().entries[0], (GifRgb{1, 2, 3}));
}

TEST(GifReader, PicturesBeyondTheBitmapSizeCapAreRefusedBeforeDecoding) {
  TGIFImageModel image;
  EXPECT_EQ(Read(image, GifBuilder().Signature().Screen(65535, 65535, 0).Trailer().Data()),
            "GIF image too large: 65535 x 65535 pixels");
  // Frames are held to what an 8-bit bitmap may be: 16384 pixels a side, 64 MiB in all.
  struct Case {
    int width;
    int height;
    const char* message;
  };
  for (const Case& frame : {Case{16384, 4096, ""}, Case{8192, 8192, ""}, Case{0, 0, ""},
                            Case{9000, 9000, "GIF image too large: 9000 x 9000 pixels"},
                            Case{20000, 100, "GIF image too large: 20000 x 100 pixels"},
                            Case{16385, 1, "GIF image too large: 16385 x 1 pixels"}}) {
    EXPECT_EQ(
        Read(image, Screen2x2().Image(0, 0, frame.width, frame.height, 0, Pixels2x2()).Data()),
        frame.message)
        << frame.width << " x " << frame.height;
  }
}
