#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "cursors/ani_contents.h"
#include "cursors/icon_frame.h"
#include "framework/core/persistent.h"
#include "framework/graphics/color.h"
#include "framework/graphics/icon_sequence.h"

class TBitmap;
class TStream;

// How DrawFrameStrip lays the frames out, and whether it reduces the strip to the colours of the
// file's images.
enum class TStripLayout { kHorizontal, kVertical };
enum class TStripColors { kKeep, kReduce };

// An animated cursor file (RIFF form "ACON") read into frames, each with its picture, display
// time and hot spot, plus the file's header, title and author. It hands its frames on: the first
// to an icon, all side by side to a bitmap, all to an icon list, frames and rates to a GIF
// picture. Writing the format is not provided.
//
// The frames are the animation's steps in the order shown. With a "seq " chunk, step j shows icon
// seq[j]; without one, step i shows icon i, for each of the header's frames. Step j takes the j-th
// value of the "rate" chunk, or the header's default rate where there is none. Icons that no step
// shows follow as frames of their own (icon number -1, the default rate). Steps whose icon does
// not exist are dropped. Frames showing the same icon share its images.
class TAnimatedCursorImage : public TPersistent, public TIconSequence {
 public:
  TAnimatedCursorImage() = default;
  TAnimatedCursorImage(const TAnimatedCursorImage&) = delete;
  TAnimatedCursorImage& operator=(const TAnimatedCursorImage&) = delete;
  const char* ClassName() const override { return "TAnimatedCursorImage"; }

  // None clears; another animated cursor is copied (each frame with the source's default rate,
  // then as the source frame; on failure the object is cleared); other sources as
  // TPersistent::Assign.
  void Assign(const TPersistent* source) override;
  // Reads the stream from its position to its end (a short read raises "Stream read error") and
  // parses it when there was anything; with nothing left the object stays as it was.
  //
  // Raises EReadError "Stream read error" (see ParseAni for what is tolerated): for data that is
  // not an "ACON" file (the object unchanged), for a bad "anih", for an "icon" sub-chunk cut
  // short, and when no frame with a picture is left. After the first check the object holds the
  // frames of what was read before the failure.
  virtual void LoadFromStream(TStream& stream);
  // Not provided: ReportNotImplemented.
  virtual void SaveToStream(TStream& stream);
  // Reads the file (opened for reading, others may still read and write it); on failure the
  // object is cleared and the exception passes on.
  virtual void LoadFromFile(const std::string& fileName);

  void Clear();
  int FrameCount() const override { return static_cast<int>(frames_.size()); }
  // Index outside the frames: EListError "List index out of bounds".
  TIcon* FrameIcon(int index) const override { return Frame(index)->IconImage(); }
  int FrameRateJiffies(int index) const override { return Frame(index)->RateJiffies(); }
  TIconFrame* Frame(int index) const;
  // The "anih" record as read; after loading its step count is the number of frames.
  const TAniHeader& AniHeader() const { return header_; }
  const std::string& Title() const { return title_; }
  const std::string& Author() const { return author_; }
  // The largest colour count (2, 16 or 256; 0 for other depths) among all images of the file.
  std::uint16_t SourceColors() const { return sourceColors_; }

  // Draws every frame into the bitmap (made a colour bitmap), side by side or one below the other
  // at the first frame's size, over backColor; kReduce then reduces it to SourceColors colours
  // (none when that is 0). Does nothing without frames.
  void DrawFrameStrip(TBitmap& bitmap, TColor backColor, TStripColors colors,
                      TStripLayout layout) const;

 protected:
  // An icon gets the first frame's picture (none without frames), a bitmap the horizontal strip
  // over its brush colour, reduced (empty without frames), an icon list copies of every frame's
  // picture.
  void AssignTo(TPersistent* destination) const override;

 private:
  void TakeFrames(TAniContents& contents);

  TAniHeader header_;
  std::string title_;
  std::string author_;
  std::vector<std::unique_ptr<TIconFrame>> frames_;
  std::uint16_t sourceColors_ = 0;
};

// Reduces the bitmap to the least depth that holds colors colours (BitmapToBmpStreamForColors);
// nothing for no bitmap or no colours.
void ReduceBitmapColors(TBitmap* bitmap, int colors);
