#include "cursors/icon_frame.h"

void TIconFrame::Assign(const TPersistent* source) {
  const auto* frame = dynamic_cast<const TIconFrame*>(source);
  if (frame == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  if (frame == this) return;
  if (!iconImage_) iconImage_ = std::make_unique<TIcon>();
  iconImage_->Assign(frame->iconImage_.get());
  fromIcon_ = frame->fromIcon_;
  chunkHeader_ = frame->chunkHeader_;
  hotSpot_ = frame->hotSpot_;
  rateJiffies_ = frame->rateJiffies_;
  iconNumber_ = frame->iconNumber_;
}
