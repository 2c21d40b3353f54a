#pragma once

#include <cstdint>
#include <memory>

#include "framework/core/shared_bytes.h"
#include "gif/codec/color_table.h"
#include "gif/codec/extension.h"

class TGIFFrameModel;
class TGIFImageModel;
class TStringList;

// Reads GIF data held in memory into a freshly reset image: the body of ReadGifContent. The frames
// keep their LZW data as stored, as parts of the bytes read (no copies); nothing is decoded here.
//
// Tolerated damage: what passes, why, and the test that pins it.
// - A file cut inside its header, a colour table or an extension block: the missing bytes read as
//   zero, so every field has a defined value (a cut signature is still "Unknown GIF version").
//     GifReader.FilesOfTwelveBytesOrLessNeverCrash
// - Image data cut inside a sub-block: the frame keeps its complete sub-blocks and is marked
//   corrupted; the partial bytes are passed over, never taken for further blocks, so a truncated
//   file loads and shows the rows it has.
//     GifReader.CutOffImageDataGivesACorruptedFrameThatStillLoads
// - After image data, zero bytes are skipped and any other byte that starts no block ends the
//   file without error, as does the end of the data where the trailer should be: the frames read
//   stay (common in files written by careless encoders).
//     GifReader.StrayBytesAfterAnImageEndTheImageButAfterExtensionsFail
// - A transparent index at or past the colour count is ignored; disposal methods 4 to 7 are kept
//   as read; a delay beyond 655.35 s saturates instead of wrapping round to a short one.
//     GifReader.TransparencyDisposalAndDelayOfOneGraphicControlBlock
// - An application block whose block size is above 11, or whose first sub-block is shorter than 3
//   bytes or does not start with 1, is no looping block; a loop count above 30000 is taken as
//   30000.
//     GifReader.LoopingBlockCountsAndLimits
// - A frame without any colour table is read; decoding it fails.
//     GifReader.NoColourTableReads, DecodeToDib.FrameWithoutColourTableFails
// - A frame reaching past the logical screen is kept as it is; those who draw it clip.
//     GifConformance.CorpusAgreesWithGiflibAndTheReferenceIndexes
class TGifReader {
 public:
  TGifReader(TGIFImageModel& image, TSharedBytes bytes) : image_(image), bytes_(std::move(bytes)) {}

  void ReadAll();

 private:
  bool AtEnd() const { return at_ >= bytes_.Size(); }
  // Reads count bytes, or raises "Stream read error" when fewer are left.
  void ReadStrict(void* buffer, std::size_t count);
  std::uint8_t ReadStrictByte();
  // Reads what is there of count bytes; the rest of buffer reads as zero.
  void ReadLenient(void* buffer, std::size_t count);
  std::uint8_t ReadLenientByte();

  void ReadSignature();
  void ReadScreenDescriptor();
  void ReadGlobalTable();
  std::unique_ptr<TExtensionList> ReadExtensionRun(std::uint8_t& introducer);
  std::unique_ptr<TExtension> ReadExtension();
  std::unique_ptr<TStringList> ReadSubBlocks();
  void ReadFrame(TGIFFrameModel& frame);
  void CopyImageBlock(TGIFFrameModel& frame);
  void TakeImageData(TGIFFrameModel& frame);
  std::shared_ptr<GifColorTable> GlobalColorsCopy();
  void ApplyGraphicControls(TGIFFrameModel& frame);
  void TakeImageComment(const TExtensionList& run);
  std::uint8_t IntroducerAfterImage();

  TGIFImageModel& image_;
  TSharedBytes bytes_;
  std::size_t at_ = 0;
  // The copy of the global table that frames without a table of their own share.
  std::shared_ptr<GifColorTable> globalCopy_;
  std::uint8_t screenFlags_ = 0;
  std::uint8_t backgroundIndex_ = 0;
};

// An application block that is a well-formed looping block: identifier "NETSCAPE2.0" (as far as
// its block size reaches) and a first sub-block of at least 3 bytes starting with 1.
bool IsLoopBlock(const TExtension& extension);
