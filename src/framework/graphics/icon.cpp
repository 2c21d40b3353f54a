#include "framework/graphics/icon.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "framework/core/messages.h"
#include "framework/core/stream.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/gdi.h"
#include "framework/graphics/graphics_messages.h"
#include "framework/graphics/picture.h"
#include "framework/platform/platform_services.h"

namespace {

// Orders images by how well they fit the size asked for; (0, 0) asks for the largest. Larger
// images come before smaller ones, as scaling down loses less; of equal sizes the deepest wins.
bool FitsBetter(const TIconImage& image, const TIconImage& than, TSize asked) {
  const auto area = [](const TIconImage& i) { return std::int64_t{i.Width()} * i.Height(); };
  const auto covers = [asked](const TIconImage& i) {
    return i.Width() >= asked.cx && i.Height() >= asked.cy;
  };
  if (area(image) == area(than)) return image.color->BitsPerPixel() > than.color->BitsPerPixel();
  if (asked == TSize{}) return area(image) > area(than);
  if (covers(image) != covers(than)) return covers(image);
  return covers(image) ? area(image) < area(than) : area(image) > area(than);
}

const TIconImage* ChooseImage(const TIconFile& file, TSize asked) {
  const TIconImage* best = nullptr;
  for (const TIconImage& image : file.images) {
    if (best == nullptr || FitsBetter(image, *best, asked)) best = &image;
  }
  return best;
}

// Blends a 32-bit image with straight alpha over the surface, scaled to rect by nearest pixels.
void DrawBlended(HDC dc, const TRect& rect, const TIconImage& image) {
  const TRect target = dc->ToDevice(rect);
  const TRect area = dc->DrawableArea();
  TBitmapObject& surface = dc->Bitmap();
  for (int y = std::max(target.top, area.top); y < std::min(target.bottom, area.bottom); ++y) {
    const int sy =
        static_cast<int>(std::int64_t{y - target.top} * image.Height() / target.Height());
    const std::uint32_t* row = image.color->Row32(sy);
    for (int x = std::max(target.left, area.left); x < std::min(target.right, area.right); ++x) {
      const int sx =
          static_cast<int>(std::int64_t{x - target.left} * image.Width() / target.Width());
      const std::uint32_t pixel = row[sx];
      const auto alpha = static_cast<int>(pixel >> 24);
      if (alpha == 0) continue;
      const TColor over = static_cast<TColor>(SwapRedBlue(pixel & 0xFFFFFF));
      surface.SetPixel(x, y, surface.ValueOf(BlendColors(over, surface.PixelColor(x, y), alpha)));
    }
  }
}

// The classic way: AND the mask into the background, then XOR the colour image onto it.
void DrawMasked(HDC dc, const TRect& rect, const TIconImage& image) {
  const TSavedDCState saved(dc);
  SetTextColor(dc, clBlack);
  SetBkColor(dc, clWhite);
  SetStretchBltMode(dc, COLORONCOLOR);
  const TScopedDC mask, color;
  SelectObject(mask.Get(), image.mask.get());
  SelectObject(color.Get(), image.color.get());
  StretchBlt(dc, rect.left, rect.top, rect.Width(), rect.Height(), mask.Get(), 0, 0, image.Width(),
             image.Height(), SRCAND);
  StretchBlt(dc, rect.left, rect.top, rect.Width(), rect.Height(), color.Get(), 0, 0, image.Width(),
             image.Height(), SRCINVERT);
}

}  // namespace

void TIcon::Assign(const TPersistent* source) {
  if (source == nullptr) {
    SetImages({});
    return;
  }
  if (const auto* icon = dynamic_cast<const TIcon*>(source)) {
    if (icon == this) return;
    file_ = icon->file_;
    current_ = file_ ? ChooseImage(*file_, requestedSize_) : nullptr;
    Changed(this);
    return;
  }
  TGraphic::Assign(source);
}

void TIcon::Draw(TCanvas& canvas, const TRect& rect) {
  if (current_ == nullptr || rect.IsEmpty()) return;
  if (current_->HasAlpha()) {
    DrawBlended(canvas.Handle(), rect, *current_);
  } else {
    DrawMasked(canvas.Handle(), rect, *current_);
  }
}

void TIcon::SetHeight(int) {
  throw EInvalidGraphicOperation(graphics_messages::kChangeIconSize);
}

void TIcon::SetWidth(int) {
  throw EInvalidGraphicOperation(graphics_messages::kChangeIconSize);
}

void TIcon::LoadFromStream(TStream& stream) {
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(stream.Remaining()));
  stream.ReadBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  SetImages(ReadIconFile(bytes));
}

void TIcon::SaveToStream(TStream& stream) {
  if (file_) WriteIconFile(stream, *file_);
}

void TIcon::LoadFromClipboardFormat(std::uint16_t, HGLOBAL data, HPALETTE) {
  TPlatformServices& platform = Platform();
  const auto* bytes = static_cast<const std::uint8_t*>(platform.GlobalLock(data));
  if (bytes == nullptr) throw EInvalidGraphic(graphics_messages::kClipboardFormat);
  try {
    SetImages(ReadIconFile({bytes, platform.GlobalSize(data)}));
  } catch (...) {
    platform.GlobalUnlock(data);
    throw;
  }
  platform.GlobalUnlock(data);
}

void TIcon::SaveToClipboardFormat(std::uint16_t& format, HGLOBAL& data, HPALETTE& palette) {
  const auto registered = TPicture::ClipboardFormatOf(ClassName());
  if (!registered) throw EInvalidGraphic(graphics_messages::kClipboardFormat);
  TMemoryStream image;
  SaveToStream(image);
  TPlatformServices& platform = Platform();
  HGLOBAL block = platform.GlobalAlloc(static_cast<std::size_t>(image.Size()));
  std::memcpy(platform.GlobalLock(block), image.Memory(), static_cast<std::size_t>(image.Size()));
  platform.GlobalUnlock(block);
  format = *registered;
  data = block;
  palette = nullptr;
}

const TIconImage& TIcon::Image(int index) const {
  if (index < 0 || index >= ImageCount()) throw EListError(messages::kListIndexError);
  return file_->images[static_cast<std::size_t>(index)];
}

void TIcon::SetRequestedSize(TSize size) {
  if (size == requestedSize_) return;
  requestedSize_ = size;
  if (!file_) return;
  current_ = ChooseImage(*file_, requestedSize_);
  Changed(this);
}

void TIcon::SetImages(TIconFile file) {
  if (file.images.empty()) {
    file_.reset();
    current_ = nullptr;
  } else {
    file_ = std::make_shared<TIconFile>(std::move(file));
    current_ = ChooseImage(*file_, requestedSize_);
  }
  Changed(this);
}
