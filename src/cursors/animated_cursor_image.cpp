#include "cursors/animated_cursor_image.h"

#include <algorithm>
#include <limits>

#include "colour/bmp_stream.h"
#include "cursors/icon_list.h"
#include "framework/core/exceptions.h"
#include "framework/core/file_stream.h"
#include "framework/core/memory_stream.h"
#include "framework/core/messages.h"
#include "framework/core/not_implemented.h"
#include "framework/graphics/bitmap.h"

namespace {

struct TStep {
  std::int64_t iconNumber;
  std::int32_t rateJiffies;
};

// The animation's steps as the file orders them (see the class comment); every count is bounded
// by what the data holds, whatever the header claims.
std::vector<TStep> StepsOf(const TAniContents& contents) {
  const TAniHeader header = contents.header.value_or(TAniHeader{});
  const auto icons = static_cast<std::int64_t>(contents.icons.size());
  const auto rateOf = [&](std::size_t step) {
    return step < contents.rates.size() ? contents.rates[step] : header.defaultRate;
  };
  std::vector<TStep> steps;
  if (contents.sequence) {
    const std::vector<std::int32_t>& sequence = *contents.sequence;
    const std::int64_t count = std::min<std::int64_t>(
        header.stepCount, std::max(static_cast<std::int64_t>(sequence.size()), icons));
    for (std::size_t step = 0; static_cast<std::int64_t>(step) < count; ++step) {
      const std::int64_t icon =
          step < sequence.size() ? sequence[step] : static_cast<std::int64_t>(step);
      steps.push_back({icon, rateOf(step)});
    }
  } else {
    const std::int64_t count = std::min<std::int64_t>(header.frameCount, icons);
    for (std::size_t step = 0; static_cast<std::int64_t>(step) < count; ++step)
      steps.push_back({static_cast<std::int64_t>(step), rateOf(step)});
  }
  return steps;
}

std::unique_ptr<TIconFrame> FrameOf(int iconNumber, int rateJiffies, const TAniIcon& icon) {
  auto frame = std::make_unique<TIconFrame>(iconNumber, rateJiffies);
  auto picture = std::make_unique<TIcon>();
  picture->Assign(icon.icon.get());
  frame->SetIconImage(std::move(picture));
  frame->SetFromIcon(icon.fromIcon);
  frame->SetChunkHeader(icon.chunkHeader);
  frame->SetHotSpot(icon.hotSpot);
  return frame;
}

int StripSide(int side, int frames) {
  return static_cast<int>(
      std::min<std::int64_t>(std::int64_t{side} * frames, std::numeric_limits<int>::max()));
}

}  // namespace

void TAnimatedCursorImage::Clear() {
  frames_.clear();
  header_ = {};
  title_.clear();
  author_.clear();
  sourceColors_ = 0;
}

TIconFrame* TAnimatedCursorImage::Frame(int index) const {
  if (index < 0 || index >= FrameCount()) throw EListError(messages::kListIndexError);
  return frames_[static_cast<std::size_t>(index)].get();
}

void TAnimatedCursorImage::TakeFrames(TAniContents& contents) {
  header_ = contents.header.value_or(TAniHeader{});
  title_ = contents.title;
  author_ = contents.author;
  sourceColors_ = contents.sourceColors;
  std::vector<bool> shown(contents.icons.size());
  for (const TStep& step : StepsOf(contents)) {
    if (step.iconNumber < 0 || step.iconNumber >= static_cast<std::int64_t>(shown.size())) continue;
    const auto number = static_cast<std::size_t>(step.iconNumber);
    shown[number] = true;
    frames_.push_back(FrameOf(static_cast<int>(number), step.rateJiffies, contents.icons[number]));
  }
  for (std::size_t number = 0; number < shown.size(); ++number) {
    if (!shown[number]) frames_.push_back(FrameOf(-1, header_.defaultRate, contents.icons[number]));
  }
  header_.stepCount = FrameCount();
}

void TAnimatedCursorImage::LoadFromStream(TStream& stream) {
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(stream.Remaining()));
  stream.ReadBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  if (bytes.empty()) return;
  if (!IsAniFile(bytes)) RaiseRiffError();
  Clear();
  TAniContents contents;
  try {
    ParseAni(bytes, contents);
  } catch (...) {
    TakeFrames(contents);
    throw;
  }
  TakeFrames(contents);
  if (frames_.empty()) RaiseRiffError();
}

void TAnimatedCursorImage::SaveToStream(TStream&) {
  ReportNotImplemented();
}

void TAnimatedCursorImage::LoadFromFile(const std::string& fileName) {
  TFileStream file(fileName, TFileStream::fmOpenRead);
  try {
    LoadFromStream(file);
  } catch (...) {
    Clear();
    throw;
  }
}

void TAnimatedCursorImage::Assign(const TPersistent* source) {
  if (source == this) return;
  if (source == nullptr) {
    Clear();
    return;
  }
  const auto* other = dynamic_cast<const TAnimatedCursorImage*>(source);
  if (other == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  Clear();
  try {
    header_ = other->header_;
    title_ = other->title_;
    author_ = other->author_;
    sourceColors_ = other->sourceColors_;
    for (const auto& frame : other->frames_) {
      auto copy = std::make_unique<TIconFrame>(-1, other->header_.defaultRate);
      copy->Assign(frame.get());
      frames_.push_back(std::move(copy));
    }
  } catch (...) {
    Clear();
    throw;
  }
}

void TAnimatedCursorImage::AssignTo(TPersistent* destination) const {
  if (auto* icon = dynamic_cast<TIcon*>(destination)) {
    icon->Assign(frames_.empty() ? nullptr : FrameIcon(0));
  } else if (auto* bitmap = dynamic_cast<TBitmap*>(destination)) {
    if (frames_.empty()) {
      bitmap->Assign(nullptr);
    } else {
      DrawFrameStrip(*bitmap, bitmap->Canvas().Brush().Color(), TStripColors::kReduce,
                     TStripLayout::kHorizontal);
    }
  } else if (auto* list = dynamic_cast<TIconList*>(destination)) {
    list->BeginChanges();
    try {
      list->Clear();
      for (const auto& frame : frames_)
        list->Add(frame->IconImage());
    } catch (...) {
      list->EndChanges();
      throw;
    }
    list->EndChanges();
  } else {
    TPersistent::AssignTo(destination);
  }
}

void TAnimatedCursorImage::DrawFrameStrip(TBitmap& bitmap, TColor backColor, TStripColors colors,
                                          TStripLayout layout) const {
  if (frames_.empty()) return;
  bitmap.SetMonochrome(false);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush().SetColor(backColor);
  TIcon& first = *FrameIcon(0);
  const int count = FrameCount();
  if (layout == TStripLayout::kHorizontal) {
    bitmap.SetSize(StripSide(first.Width(), count), first.Height());
  } else {
    bitmap.SetSize(first.Width(), StripSide(first.Height(), count));
  }
  canvas.FillRect(Rect(0, 0, bitmap.Width(), bitmap.Height()));
  for (int index = 0; index < count; ++index) {
    TIcon& icon = *FrameIcon(index);
    if (layout == TStripLayout::kHorizontal) {
      canvas.Draw(index * icon.Width(), 0, &icon);
    } else {
      canvas.Draw(0, index * icon.Height(), &icon);
    }
  }
  if (colors == TStripColors::kReduce) ReduceBitmapColors(&bitmap, sourceColors_);
}

void ReduceBitmapColors(TBitmap* bitmap, int colors) {
  if (bitmap == nullptr || colors <= 0) return;
  const std::unique_ptr<TMemoryStream> reduced = BitmapToBmpStreamForColors(*bitmap, colors);
  bitmap->LoadFromStream(*reduced);
}
