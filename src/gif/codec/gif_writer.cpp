#include "gif/codec/gif_writer.h"

#include <algorithm>
#include <span>

#include "framework/core/memory_stream.h"
#include "framework/core/string_list.h"
#include "gif/codec/color_table.h"
#include "gif/codec/gif_blocks.h"
#include "gif/codec/gif_frame_model.h"

namespace {

constexpr int kMaxSubBlockBytes = 255;

bool HasLocalTable(const TGIFFrameModel& frame) {
  return frame.LocalColors() && frame.SharedPixels()->FrameColors().count > 0;
}

// Whether image data (the code size byte, then sub-blocks) reaches its zero-length terminator.
bool EndsWithTerminator(std::span<const std::uint8_t> data) {
  std::size_t at = 1;
  while (at < data.size()) {
    if (data[at] == 0) return true;
    at += 1 + std::size_t{data[at]};
  }
  return false;
}

}  // namespace

void TGifWriter::WriteAll(TLengthPrefix length) {
  if (length == TLengthPrefix::Written) stream_.WriteUInt32(0);  // made the byte count below
  const std::int64_t start = stream_.Position();
  if (!image_.SharedHeader()->CommentLines().Empty()) image_.SetGifVersion(2);
  WriteSignature();
  WriteScreenDescriptor();
  WriteGlobalTable();
  if (image_.LoopEnabled() && image_.FrameCount() > 1) WriteLoopingBlock();
  for (int i = 0; i < image_.FrameCount(); ++i)
    WriteFrame(*image_.FrameAt(i));
  if (!image_.SharedHeader()->CommentLines().Empty()) WriteComment();
  stream_.WriteByte(gif_blocks::kTrailer);
  if (length == TLengthPrefix::Written) {
    const std::int64_t end = stream_.Position();
    stream_.SetPosition(start - 4);
    stream_.WriteUInt32(static_cast<std::uint32_t>(end - start));
    stream_.SetPosition(end);
  }
}

void TGifWriter::WriteSignature() {
  const std::uint8_t version = image_.GifVersion() == 2 ? 2 : 1;
  stream_.WriteBuffer("GIF", 3);
  stream_.WriteBuffer(TGIFImageModel::kVersions[version], 3);
}

// The colour resolution and the table size both follow from the table's size; the sort flag is
// never set.
void TGifWriter::WriteScreenDescriptor() {
  image_.RecomputeScreen();
  const TGIFData& header = *image_.SharedHeader();
  const GifColorTable& global = header.GlobalColors();
  std::uint8_t packed = 0;
  std::uint8_t background = 0;
  if (global.count > 0) {
    const int bits = ColorCountBits(global.count);
    if (image_.BackColor() != clNone)
      background = static_cast<std::uint8_t>(
          std::max(ColorIndex(global, ColorToRGB(image_.BackColor())), 0));
    packed = static_cast<std::uint8_t>(0x80 | (bits - 1) << 4 | (bits - 1));
  }
  Write16(image_.LogicalWidth());
  Write16(image_.LogicalHeight());
  stream_.WriteByte(packed);
  stream_.WriteByte(background);
  stream_.WriteByte(header.AspectRatio());
}

void TGifWriter::WriteGlobalTable() {
  const GifColorTable& global = image_.SharedHeader()->GlobalColors();
  if (global.count > 0) WriteColors(global, ColorCountBits(global.count));
}

void TGifWriter::WriteLoopingBlock() {
  const std::uint16_t count = image_.LoopCount();
  stream_.WriteByte(gif_blocks::kExtensionIntroducer);
  stream_.WriteByte(ExtensionLabel(ekApplication));
  stream_.WriteByte(sizeof gif_blocks::kLoopIdentifier - 1);
  stream_.WriteBuffer(gif_blocks::kLoopIdentifier, sizeof gif_blocks::kLoopIdentifier - 1);
  const std::uint8_t block[] = {3, 1, static_cast<std::uint8_t>(count),
                                static_cast<std::uint8_t>(count >> 8), 0};
  stream_.WriteBuffer(block, sizeof block);
}

void TGifWriter::WriteFrame(TGIFFrameModel& frame) {
  if (frame.Extensions() != nullptr) WriteExtensions(*frame.Extensions());
  stream_.WriteByte(gif_blocks::kImageIntroducer);
  WriteImageDescriptor(frame);
  WriteLocalTable(frame);
  WriteImageData(frame);
}

void TGifWriter::WriteExtensions(const TExtensionList& list) {
  for (const auto& extension : list) {
    if (!extension) continue;
    stream_.WriteByte(gif_blocks::kExtensionIntroducer);
    stream_.WriteByte(ExtensionLabel(extension->ExtKind()));
    switch (extension->ExtKind()) {
      case ekGraphicControl:
        stream_.WriteBuffer(extension->RawHeader().data(), 6);
        continue;  // no sub-blocks
      case ekPlainText:
        stream_.WriteBuffer(extension->RawHeader().data(), 13);
        break;
      case ekApplication:
        stream_.WriteBuffer(extension->RawHeader().data(), 12);
        break;
      case ekComment:
        break;
    }
    WriteSubBlocks(extension->SubBlocks());
  }
}

// One sub-block a line, cut to 255 bytes; empty lines have none.
void TGifWriter::WriteSubBlocks(const TStringList* lines) {
  for (int i = 0; lines != nullptr && i < lines->Count(); ++i) {
    const std::string& line = (*lines)[i];
    const auto bytes =
        static_cast<std::uint8_t>(std::min<std::size_t>(line.size(), kMaxSubBlockBytes));
    if (bytes == 0) continue;
    stream_.WriteByte(bytes);
    stream_.WriteBuffer(line.data(), bytes);
  }
  stream_.WriteByte(0);
}

// The descriptor is made from the frame's fields; the one read with it is not used.
void TGifWriter::WriteImageDescriptor(TGIFFrameModel& frame) {
  TGIFItem& item = *frame.SharedPixels();
  std::uint8_t packed = 0;
  if (HasLocalTable(frame)) {
    item.SetFrameBits(static_cast<std::uint8_t>(TableBits(item.FrameColors().count)));
    packed = static_cast<std::uint8_t>(0x80 | (item.FrameBits() - 1));
  }
  if (frame.Interlaced()) packed |= 0x40;
  Write16(frame.Origin().x);
  Write16(frame.Origin().y);
  Write16(item.FrameSize().cx);
  Write16(item.FrameSize().cy);
  stream_.WriteByte(packed);
}

void TGifWriter::WriteLocalTable(const TGIFFrameModel& frame) {
  if (HasLocalTable(frame))
    WriteColors(frame.SharedPixels()->FrameColors(), frame.SharedPixels()->FrameBits());
}

void TGifWriter::WriteImageData(const TGIFFrameModel& frame) {
  const TSharedBytes& data = *frame.SharedPixels()->EncodedData();
  stream_.WriteBuffer(data.Data(), static_cast<std::int64_t>(data.Size()));
  if (!EndsWithTerminator(data.Span())) stream_.WriteByte(0);
}

void TGifWriter::WriteComment() {
  stream_.WriteByte(gif_blocks::kExtensionIntroducer);
  stream_.WriteByte(ExtensionLabel(ekComment));
  WriteSubBlocks(&image_.SharedHeader()->CommentLines());
}

void TGifWriter::Write16(int value) {
  stream_.WriteUInt16(static_cast<std::uint16_t>(value));
}

// The 2^bits entries of a table, so that it always has the size the descriptor announces.
void TGifWriter::WriteColors(const GifColorTable& table, int bits) {
  stream_.WriteBuffer(table.entries.data(), 3 * (std::int64_t{1} << bits));
}
