#include "gif/codec/gif_reader.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "framework/core/exceptions.h"
#include "framework/core/format.h"
#include "framework/core/little_endian.h"
#include "framework/core/messages.h"
#include "framework/core/text.h"
#include "gif/codec/color_table.h"
#include "gif/codec/gif_blocks.h"
#include "gif/codec/gif_error.h"
#include "gif/codec/gif_image_model.h"
#include "gif/codec/gif_messages.h"
#include "gif/codec/image_size.h"

namespace {

using gif_blocks::kExtensionIntroducer;
using gif_blocks::kImageIntroducer;
using gif_blocks::kLoopIdentifier;
using gif_blocks::kTrailer;
constexpr std::uint16_t kMaxLoopCount = 30000;

}  // namespace

void TGifReader::ReadStrict(void* buffer, std::size_t count) {
  if (bytes_.Size() - std::min(at_, bytes_.Size()) < count) throw EReadError(messages::kReadError);
  std::memcpy(buffer, bytes_.Data() + at_, count);
  at_ += count;
}

std::uint8_t TGifReader::ReadStrictByte() {
  std::uint8_t value;
  ReadStrict(&value, 1);
  return value;
}

// Header fields are read leniently: bytes missing at the end of the data read as zero, so a
// file cut inside its header still gives defined values.
void TGifReader::ReadLenient(void* buffer, std::size_t count) {
  const std::size_t available = std::min(count, bytes_.Size() - std::min(at_, bytes_.Size()));
  std::memcpy(buffer, bytes_.Data() + at_, available);
  std::memset(static_cast<std::uint8_t*>(buffer) + available, 0, count - available);
  at_ += available;
}

std::uint8_t TGifReader::ReadLenientByte() {
  std::uint8_t value;
  ReadLenient(&value, 1);
  return value;
}

void TGifReader::ReadAll() {
  ReadSignature();
  ReadScreenDescriptor();
  ReadGlobalTable();
  std::uint8_t introducer = ReadLenientByte();
  while (introducer != 0 && introducer != kTrailer && !AtEnd()) {
    std::unique_ptr<TExtensionList> run = ReadExtensionRun(introducer);
    if (introducer == kImageIntroducer) {
      std::unique_ptr<TGIFFrameModel> frame = image_.NewFrame();
      const GifColorTable& global = std::as_const(*image_.SharedHeader()).GlobalColors();
      if (global.count != 0) {
        frame->SharedPixels()->SetFrameBits(
            static_cast<std::uint8_t>(ColorCountBits(global.count)));
      }
      frame->SetExtensions(std::move(run));
      ReadFrame(*frame);
      image_.AddFrame(std::move(frame));
      introducer = IntroducerAfterImage();
    } else if (image_.SharedHeader()->CommentLines().Empty() && run) {
      TakeImageComment(*run);
    } else if (introducer != 0 && introducer != kTrailer) {
      GifError(messages::kReadError);
    }
  }
}

void TGifReader::ReadSignature() {
  image_.SetGifVersion(0);
  char bytes[3];
  ReadLenient(bytes, 3);
  if (!SameText(std::string_view(bytes, 3), "GIF")) GifError(gif_messages::kUnknownVersion);
  ReadLenient(bytes, 3);
  for (std::uint8_t version = 0; version < std::size(TGIFImageModel::kVersions); ++version) {
    if (SameText(std::string_view(bytes, 3), TGIFImageModel::kVersions[version])) {
      image_.SetGifVersion(version);
      break;
    }
  }
  if (image_.GifVersion() == 0) GifError(gif_messages::kUnknownVersion);
}

void TGifReader::ReadScreenDescriptor() {
  std::uint8_t bytes[7];
  ReadLenient(bytes, 7);
  const std::uint16_t width = ReadLittleEndian16(bytes);
  const std::uint16_t height = ReadLittleEndian16(bytes, 2);
  CheckImageSize(width, height);
  image_.SetLogicalWidth(width);
  image_.SetLogicalHeight(height);
  screenFlags_ = bytes[4];
  backgroundIndex_ = bytes[5];
  TGIFData& header = *image_.SharedHeader();
  header.SetAspectRatio(bytes[6]);
  header.SetGlobalBits(static_cast<std::uint8_t>((screenFlags_ & 7) + 1));
  header.SetColorResolution(static_cast<std::uint8_t>(((screenFlags_ >> 4) & 7) + 1));
}

void TGifReader::ReadGlobalTable() {
  if ((screenFlags_ & 0x80) == 0) return;
  TGIFData& header = *image_.SharedHeader();
  GifColorTable& table = header.GlobalColors();
  table.count = 1 << header.GlobalBits();
  ReadLenient(table.entries.data(), 3 * static_cast<std::size_t>(table.count));
  if (backgroundIndex_ < table.count)
    image_.SetBackColor(TripleToColor(table.entries[backgroundIndex_]));
}

std::unique_ptr<TExtensionList> TGifReader::ReadExtensionRun(std::uint8_t& introducer) {
  std::unique_ptr<TExtensionList> run;
  while (introducer == kExtensionIntroducer) {
    std::unique_ptr<TExtension> extension = ReadExtension();
    const TExtensionKind kind = extension->ExtKind();
    // A graphic control block before a plain text block belongs to that text and goes with it.
    if (kind == ekPlainText) run.reset();
    if (kind == ekPlainText || kind == ekApplication) {
      if (IsLoopBlock(*extension)) {
        const std::string& block = (*extension->SubBlocks())[0];
        const int count =
            static_cast<std::uint8_t>(block[1]) + 256 * static_cast<std::uint8_t>(block[2]);
        image_.SetLoopEnabled(true);
        image_.SetLoopCount(static_cast<std::uint16_t>(std::min<int>(count, kMaxLoopCount)));
      }
    } else {
      if (!run) run = std::make_unique<TExtensionList>();
      run->push_back(std::move(extension));
    }
    introducer = AtEnd() ? kTrailer : ReadStrictByte();
  }
  return run;
}

std::unique_ptr<TExtension> TGifReader::ReadExtension() {
  auto extension = std::make_unique<TExtension>();
  const std::uint8_t label = ReadLenientByte();
  int headerSize = 0;
  switch (label) {
    case 0xF9:
      extension->SetExtKind(ekGraphicControl);
      headerSize = 6;
      break;
    case 0xFE:
      extension->SetExtKind(ekComment);
      break;
    case 0x01:
      extension->SetExtKind(ekPlainText);
      headerSize = 13;
      break;
    case 0xFF:
      extension->SetExtKind(ekApplication);
      headerSize = 12;
      break;
    default:
      GifError(Format(gif_messages::kUnrecognizedExtension, {std::int64_t{label}}));
  }
  ReadLenient(extension->RawHeader().data(), static_cast<std::size_t>(headerSize));
  if (extension->ExtKind() != ekGraphicControl) extension->SetSubBlocks(ReadSubBlocks());
  return extension;
}

std::unique_ptr<TStringList> TGifReader::ReadSubBlocks() {
  auto blocks = std::make_unique<TStringList>();
  std::uint8_t length;
  do {
    length = ReadLenientByte();
    if (length > 0) {
      std::string block(length, '\0');
      ReadLenient(block.data(), length);
      blocks->Add(std::move(block));
    }
  } while (length != 0 && !AtEnd());
  return blocks;
}

bool IsLoopBlock(const TExtension& extension) {
  if (extension.ExtKind() != ekApplication) return false;
  // The identifier and authentication code hold 11 bytes; a longer block size cannot name them.
  const std::uint8_t size = extension.RawHeader()[0];
  if (size > 11 || std::memcmp(extension.RawHeader().data() + 1, kLoopIdentifier, size) != 0) {
    return false;
  }
  const TStringList* blocks = extension.SubBlocks();
  return blocks != nullptr && !blocks->Empty() && (*blocks)[0].size() >= 3 && (*blocks)[0][0] == 1;
}

void TGifReader::ReadFrame(TGIFFrameModel& frame) {
  TGIFItem& item = *frame.SharedPixels();
  try {
    CopyImageBlock(frame);
    if (!frame.LocalColors()) item.ShareFrameColors(GlobalColorsCopy());
    ApplyGraphicControls(frame);
  } catch (...) {
    item.DropEncodedData();
    throw;
  }
}

std::shared_ptr<GifColorTable> TGifReader::GlobalColorsCopy() {
  if (!globalCopy_) {
    globalCopy_ =
        std::make_shared<GifColorTable>(std::as_const(*image_.SharedHeader()).GlobalColors());
  }
  return globalCopy_;
}

void TGifReader::CopyImageBlock(TGIFFrameModel& frame) {
  TGIFItem& item = *frame.SharedPixels();
  frame.SetCorrupted(false);
  std::uint8_t descriptor[9];
  ReadStrict(descriptor, 9);
  const std::uint16_t width = ReadLittleEndian16(descriptor, 4);
  const std::uint16_t height = ReadLittleEndian16(descriptor, 6);
  CheckImageSize(width, height);
  const std::uint8_t flags = descriptor[8];
  frame.SetInterlaced((flags & 0x40) != 0);
  if ((flags & 0x80) != 0) {
    item.SetFrameBits(static_cast<std::uint8_t>((flags & 7) + 1));
    frame.SetLocalColors(true);
    GifColorTable& table = item.EditFrameColors();
    table.count = 1 << item.FrameBits();
    ReadStrict(table.entries.data(), 3 * static_cast<std::size_t>(table.count));
  } else {
    frame.SetLocalColors(false);
    item.ShareFrameColors(nullptr);
  }
  TakeImageData(frame);
  frame.SetOrigin({ReadLittleEndian16(descriptor), ReadLittleEndian16(descriptor, 2)});
  item.SetFrameSize({width, height});
  item.SetDescriptorFlags(flags);
}

// Takes the LZW minimum code size byte (strictly) and the data sub-blocks up to and including the
// terminator, in one piece, as a part of the bytes read. A sub-block cut off by the end of the
// data is left out and marks the frame corrupted, and its partial bytes are passed over, so that
// they are never taken for further blocks: a truncated file loads and shows the rows it has.
void TGifReader::TakeImageData(TGIFFrameModel& frame) {
  const std::size_t start = at_;
  ReadStrictByte();  // LZW minimum code size
  const std::uint8_t* data = bytes_.Data();
  const std::size_t size = bytes_.Size();
  std::size_t end = at_;
  while (end < size) {
    const std::size_t length = data[end];
    if (size - (end + 1) < length) {
      frame.SetCorrupted(true);
      break;
    }
    end += 1 + length;
    if (length == 0) break;
  }
  frame.SharedPixels()->SetEncodedData(bytes_.Slice(start, end - start));
  at_ = frame.Corrupted() ? size : end;
}

void TGifReader::ApplyGraphicControls(TGIFFrameModel& frame) {
  const GifColorTable& colors = frame.SharedPixels()->FrameColors();
  std::uint16_t delayMs = 0;
  if (const TExtensionList* extensions = frame.Extensions()) {
    for (const auto& extension : *extensions) {
      if (extension->ExtKind() != ekGraphicControl) continue;
      const TExtension::Header& block = extension->RawHeader();
      const std::uint8_t flags = block[1];
      const std::uint8_t index = block[4];
      if ((flags & 1) == 0) {
        frame.SetTransparentColor(clNone);
      } else if (index < colors.count) {
        frame.SetTransparentColor(TripleToColor(colors.entries[index]));
      }
      // Delays above 655.35 s saturate instead of wrapping round to a short display time.
      const int delay = std::min(ReadLittleEndian16(block, 2) * 10, 0xFFFF);
      delayMs = std::max(static_cast<std::uint16_t>(delay), delayMs);
      frame.SetDisposal(static_cast<std::uint8_t>((flags >> 2) & 7));
    }
  }
  frame.SetDelayMs(delayMs);
}

void TGifReader::TakeImageComment(const TExtensionList& run) {
  TStringList& comment = image_.SharedHeader()->CommentLines();
  for (const auto& extension : run) {
    if (extension->ExtKind() != ekComment) continue;
    if (!comment.Empty()) comment.Add("\r\n\r\n");
    if (extension->SubBlocks() != nullptr) comment.AddStrings(*extension->SubBlocks());
  }
}

std::uint8_t TGifReader::IntroducerAfterImage() {
  if (AtEnd()) return kTrailer;
  std::uint8_t introducer = ReadStrictByte();
  while (introducer == 0 && !AtEnd())
    introducer = ReadStrictByte();
  // Anything but a block introducer after image data ends the image without error.
  if (introducer != kExtensionIntroducer && introducer != kImageIntroducer &&
      introducer != kTrailer) {
    return 0;
  }
  return introducer;
}
