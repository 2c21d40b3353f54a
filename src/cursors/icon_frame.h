#pragma once

#include <memory>

#include "cursors/riff_chunks.h"
#include "framework/core/persistent.h"
#include "framework/graphics/icon.h"
#include "framework/graphics/types.h"

// One frame of an animated cursor: its picture, how long it shows, and where it came from.
class TIconFrame : public TPersistent {
 public:
  // No picture until one is attached (SetIconImage).
  TIconFrame(int iconNumber, int rateJiffies)
      : rateJiffies_(rateJiffies), iconNumber_(iconNumber) {}
  const char* ClassName() const override { return "TIconFrame"; }

  // From another frame: a copy of its icon (sharing the images, which never change) and every
  // field; other sources as TPersistent::Assign.
  void Assign(const TPersistent* source) override;

  // The frame's picture (owned), null until attached.
  TIcon* IconImage() const { return iconImage_.get(); }
  void SetIconImage(std::unique_ptr<TIcon> icon) { iconImage_ = std::move(icon); }
  // Icon data (resource type 1) rather than cursor data (type 2).
  bool FromIcon() const { return fromIcon_; }
  void SetFromIcon(bool value) { fromIcon_ = value; }
  // The "icon" chunk the picture came from.
  const TChunkHeader& ChunkHeader() const { return chunkHeader_; }
  void SetChunkHeader(const TChunkHeader& value) { chunkHeader_ = value; }
  // A cursor's hot spot; the picture's centre for icon data.
  TPoint HotSpot() const { return hotSpot_; }
  void SetHotSpot(TPoint value) { hotSpot_ = value; }
  // Display time in jiffies (1/60 s).
  int RateJiffies() const { return rateJiffies_; }
  void SetRateJiffies(int value) { rateJiffies_ = value; }
  // The number of the "icon" chunk (from 0) the frame shows; -1 for a picture no step asked for.
  int IconNumber() const { return iconNumber_; }
  void SetIconNumber(int value) { iconNumber_ = value; }

 private:
  std::unique_ptr<TIcon> iconImage_;
  bool fromIcon_ = false;
  TChunkHeader chunkHeader_;
  TPoint hotSpot_;
  int rateJiffies_;
  int iconNumber_;
};
