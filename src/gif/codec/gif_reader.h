#pragma once

#include <cstdint>
#include <memory>

#include "gif/codec/extension.h"

class TGIFFrameModel;
class TGIFImageModel;
class TMemoryStream;
class TStringList;

// Reads GIF data held in memory into a freshly reset image: the body of ReadGifContent. The frames
// keep their LZW data as stored; nothing is decoded here.
class TGifReader {
 public:
  TGifReader(TGIFImageModel& image, TMemoryStream& stream) : image_(image), stream_(stream) {}

  void ReadAll();

 private:
  void ReadSignature();
  void ReadScreenDescriptor();
  void ReadGlobalTable();
  std::unique_ptr<TExtensionList> ReadExtensionRun(std::uint8_t& introducer);
  std::unique_ptr<TExtension> ReadExtension();
  std::unique_ptr<TStringList> ReadSubBlocks();
  void ReadFrame(TGIFFrameModel& frame);
  void CopyImageBlock(TGIFFrameModel& frame);
  void CopyDataSubBlocks(TGIFFrameModel& frame);
  void ApplyGraphicControls(TGIFFrameModel& frame);
  void TakeImageComment(const TExtensionList& run);
  std::uint8_t IntroducerAfterImage();
  std::uint8_t ReadLenientByte();

  TGIFImageModel& image_;
  TMemoryStream& stream_;
  std::uint8_t screenFlags_ = 0;
  std::uint8_t backgroundIndex_ = 0;
};

// An application block that is a well-formed looping block: identifier "NETSCAPE2.0" (as far as
// its block size reaches) and a first sub-block of at least 3 bytes starting with 1.
bool IsLoopBlock(const TExtension& extension);
