#pragma once

#include <cstdint>

#include "gif/codec/extension.h"
#include "gif/codec/gif_image_model.h"

class TGIFFrameModel;
class TMemoryStream;
class TStringList;

// Writes an image whose frames are all encoded as GIF data into a memory stream: the body of
// WriteGif. Frames' image data go out as they are held.
//
// Where the output is mended so that readers get the whole image back: what, why, and the test
// that pins it.
// - An image without a version is written as a GIF87a (it has no extension or comment, or it
//   would be a GIF89a by now).
//     GifWriter.ImageWithoutVersionIsWrittenAsGif87a
// - A frame marked as carrying its own colour table that has no colours is written without one:
//   the descriptor would announce a table the file does not hold.
//     GifWriter.LocalTableWithoutColoursIsLeftOut
// - Image data read from a file cut inside it lacks its terminator; it gets one, so that the blocks
//   after it are still read.
//     GifWriter.ImageDataWithoutTerminatorGetsOne
class TGifWriter {
 public:
  TGifWriter(TGIFImageModel& image, TMemoryStream& stream) : image_(image), stream_(stream) {}

  void WriteAll(TLengthPrefix length);

 private:
  void WriteSignature();
  void WriteScreenDescriptor();
  void WriteGlobalTable();
  void WriteLoopingBlock();
  void WriteFrame(TGIFFrameModel& frame);
  void WriteExtensions(const TExtensionList& list);
  void WriteSubBlocks(const TStringList* lines);
  void WriteImageDescriptor(TGIFFrameModel& frame);
  void WriteLocalTable(const TGIFFrameModel& frame);
  void WriteImageData(const TGIFFrameModel& frame);
  void WriteComment();
  void Write16(int value);
  void WriteColors(const GifColorTable& table, int bits);

  TGIFImageModel& image_;
  TMemoryStream& stream_;
};
