#pragma once

#include <memory>

#include "framework/graphics/bitmap_object.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/graphic.h"

enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf24bit, pf32bit };

class TBitmapCanvas;

// A bitmap picture: a device bitmap with an optional palette and a canvas to draw on it. Bitmaps
// assigned from one another share their image until one of them is changed; a bitmap whose canvas
// has a surface always owns its image alone, so writing through that surface never shows in
// another bitmap. New bitmaps have the screen's depth (pfDevice, 32 bits per pixel).
class TBitmap : public TGraphic {
 public:
  TBitmap();
  ~TBitmap() override;
  const char* ClassName() const override { return "TBitmap"; }

  // From another bitmap (sharing its image) or from none (empty). Icons, metafiles and other
  // graphics cannot be assigned: "Cannot assign a TIcon to a TBitmap".
  void Assign(const TPersistent* source) override;
  void Draw(TCanvas& canvas, const TRect& rect) override;
  bool Empty() const override;
  int Height() override { return height_; }
  int Width() override { return width_; }
  void SetHeight(int value) override { SetSize(width_, value); }
  void SetWidth(int value) override { SetSize(value, height_); }
  // Keeps the content at the top left; the rest is filled with the canvas's brush colour.
  void SetSize(int width, int height);
  // The stored "Data": a 32-bit byte count, then the bitmap file image.
  void ReadData(TStream& stream) override;
  void WriteData(TStream& stream) override;
  // The bitmap file image from the stream's position to its end; no bytes make an empty bitmap.
  void LoadFromStream(TStream& stream) override;
  // Takes over a bitmap made elsewhere (such as one decoded straight into its rows), with a
  // palette of its colour table, as loading its bitmap file image would.
  void TakeBitmap(TBitmapHandle bitmap);
  // The bitmap file image at the bitmap's own depth; nothing for an empty bitmap.
  void SaveToStream(TStream& stream) override;
  // CF_BITMAP data: a global memory block holding the bitmap file image, colours included (no
  // palette travels beside it). Other formats: EInvalidGraphic "Unsupported clipboard format".
  void LoadFromClipboardFormat(std::uint16_t format, HGLOBAL data, HPALETTE palette) override;
  void SaveToClipboardFormat(std::uint16_t& format, HGLOBAL& data, HPALETTE& palette) override;

  HPALETTE Palette() override;
  // Takes ownership. An indexed colour bitmap also takes the palette's colours into its table.
  void SetPalette(HPALETTE palette);
  TCanvas& Canvas();
  // The device bitmap, owned by this bitmap alone from now on; null when empty.
  HBITMAP Handle();
  // Takes ownership of a device bitmap (null empties the bitmap).
  void SetHandle(HBITMAP bitmap);
  TPixelFormat PixelFormat() const { return pixelFormat_; }
  void SetPixelFormat(TPixelFormat format);
  bool Monochrome() const;
  void SetMonochrome(bool value);

 private:
  struct Image;
  friend class TBitmapCanvas;

  void NewImage(TBitmapHandle bitmap, HPALETTE palette);
  // Gives this bitmap an image of its own.
  void Unshare();
  void ConvertTo(int bitsPerPixel, const TColorTable& table);
  const TBitmapObject* Bits() const;

  std::shared_ptr<Image> image_;
  int width_ = 0;
  int height_ = 0;
  TPixelFormat pixelFormat_ = TPixelFormat::pfDevice;
  std::unique_ptr<TBitmapCanvas> canvas_;
};
