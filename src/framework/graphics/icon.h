#pragma once

#include <memory>

#include "framework/graphics/graphic.h"
#include "framework/graphics/icon_codec.h"

// An icon or cursor picture: every image of its file, of which it shows the one that best fits the
// size asked for (SetRequestedSize), or the largest when none is asked for; the deepest of equal
// sizes. Drawing leaves the background where the image's AND mask is set, or
// blends by the alpha of a 32-bit image that has one. Icons assigned from one another share their
// images, which never change once read.
class TIcon : public TGraphic {
 public:
  const char* ClassName() const override { return "TIcon"; }

  void Assign(const TPersistent* source) override;
  void Draw(TCanvas& canvas, const TRect& rect) override;
  bool Empty() const override { return current_ == nullptr; }
  int Height() override { return current_ ? current_->Height() : 0; }
  int Width() override { return current_ ? current_->Width() : 0; }
  // An icon's size is that of its images: EInvalidGraphicOperation "Cannot change the size of an
  // icon".
  void SetHeight(int value) override;
  void SetWidth(int value) override;
  // The .ico or .cur file image from the stream's position to its end.
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;
  // Clipboard data is the icon's file image in a global memory block, under the format the
  // picture class has registered for icons (EInvalidGraphic "Unsupported clipboard format" when
  // none is registered).
  void LoadFromClipboardFormat(std::uint16_t format, HGLOBAL data, HPALETTE palette) override;
  void SaveToClipboardFormat(std::uint16_t& format, HGLOBAL& data, HPALETTE& palette) override;

  // The size of image to show: the image of that size, else the smallest larger one (scaled down),
  // else the largest smaller one. (0, 0), the default, asks for none: the largest image shows.
  // The choice is made again at once; the images stay.
  void SetRequestedSize(TSize size);
  TSize RequestedSize() const { return requestedSize_; }

  bool IsCursor() const { return file_ && file_->cursor; }
  // The shown image's hot spot (a cursor's; (0, 0) for icons).
  TPoint HotSpot() const { return current_ ? current_->hotSpot : TPoint{}; }
  int ImageCount() const { return file_ ? static_cast<int>(file_->images.size()) : 0; }
  // The image shown; null for an empty icon.
  const TIconImage* ShownImage() const { return current_; }
  const TIconImage& Image(int index) const;
  // Replaces the images (none makes the icon empty).
  void SetImages(TIconFile file);

 private:
  std::shared_ptr<TIconFile> file_;
  const TIconImage* current_ = nullptr;
  TSize requestedSize_;
};
