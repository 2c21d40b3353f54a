#include "framework/graphics/bitmap.h"

#include <algorithm>
#include <vector>

#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "framework/core/messages.h"
#include "framework/graphics/bmp_codec.h"
#include "framework/graphics/gdi.h"
#include "framework/graphics/graphics_messages.h"
#include "framework/platform/global_memory.h"
#include "framework/platform/platform_services.h"

struct TBitmap::Image {
  TBitmapHandle bitmap;
  HPALETTE palette = nullptr;

  ~Image() {
    if (palette != nullptr) DeleteObject(palette);
  }
};

// The canvas of a bitmap: a memory surface with the bitmap (and its palette) selected, made when
// first needed.
class TBitmapCanvas : public TCanvas {
 public:
  explicit TBitmapCanvas(TBitmap& owner) : owner_(owner) {}
  ~TBitmapCanvas() override { Free(); }

  // Lets the surface go; the next drawing makes a new one with the bitmap's current image.
  void Free() {
    HDC dc = HandleAllocated() ? Handle() : nullptr;
    ReleaseHandle();
    DeleteDC(dc);
  }

 protected:
  void CreateHandle() override {
    owner_.Unshare();
    HDC dc = CreateCompatibleDC(nullptr);
    if (owner_.image_ && owner_.image_->bitmap) {
      SelectObject(dc, owner_.image_->bitmap.get());
      if (owner_.image_->palette != nullptr) {
        SelectPalette(dc, owner_.image_->palette, true);
        RealizePalette(dc);
      }
    }
    SetHandle(dc);
  }

 private:
  TBitmap& owner_;
};

namespace {

int DepthOf(TPixelFormat format) {
  switch (format) {
    case TPixelFormat::pf1bit:
      return 1;
    case TPixelFormat::pf4bit:
      return 4;
    case TPixelFormat::pf8bit:
      return 8;
    case TPixelFormat::pf24bit:
      return 24;
    default:
      return 32;
  }
}

TPixelFormat FormatOf(int depth) {
  switch (depth) {
    case 1:
      return TPixelFormat::pf1bit;
    case 4:
      return TPixelFormat::pf4bit;
    case 8:
      return TPixelFormat::pf8bit;
    case 24:
      return TPixelFormat::pf24bit;
    default:
      return TPixelFormat::pf32bit;
  }
}

HPALETTE CopyPalette(HPALETTE palette) {
  return palette != nullptr ? CreatePalette(palette->Entries()) : nullptr;
}

// The palette of an indexed colour bitmap: its table's colours.
HPALETTE PaletteOfTable(const TBitmapObject& bitmap) {
  if (!bitmap.IsIndexed() || bitmap.IsMonochrome()) return nullptr;
  std::vector<PALETTEENTRY> entries;
  for (int i = 0; i < bitmap.ColorCount(); ++i) {
    const TColor color = bitmap.ColorTable()[static_cast<std::size_t>(i)];
    entries.push_back({GetRValue(color), GetGValue(color), GetBValue(color), 0});
  }
  return CreatePalette(entries);
}

TBitmapHandle RequireBitmap(HBITMAP bitmap) {
  if (bitmap == nullptr) throw EOutOfResources(messages::kOutOfResources);
  return TBitmapHandle(bitmap);
}

// Copies source into destination through two surfaces, with the device's colour conversion.
void CopyPixels(HBITMAP source, HBITMAP destination, int width, int height) {
  const TScopedDC from, to;
  SelectObject(from.Get(), source);
  SelectObject(to.Get(), destination);
  BitBlt(to.Get(), 0, 0, width, height, from.Get(), 0, 0, SRCCOPY);
}

}  // namespace

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() = default;

const TBitmapObject* TBitmap::Bits() const {
  return image_ ? image_->bitmap.get() : nullptr;
}

bool TBitmap::Empty() const {
  return Bits() == nullptr;
}

bool TBitmap::Monochrome() const {
  return Bits() != nullptr && Bits()->IsMonochrome();
}

HPALETTE TBitmap::Palette() {
  return image_ ? image_->palette : nullptr;
}

TCanvas& TBitmap::Canvas() {
  if (!canvas_) {
    canvas_ = std::make_unique<TBitmapCanvas>(*this);
    canvas_->SetOnChanging([this](TObject*) { Unshare(); });
    canvas_->SetOnChange([this](TObject*) { Changed(this); });
  }
  return *canvas_;
}

void TBitmap::NewImage(TBitmapHandle bitmap, HPALETTE palette) {
  if (canvas_) canvas_->Free();
  auto image = std::make_shared<Image>();
  image->palette = palette;
  if (bitmap) {
    width_ = bitmap->Width();
    height_ = bitmap->Height();
    image->bitmap = std::move(bitmap);
  }
  image_ = std::move(image);
}

void TBitmap::Unshare() {
  if (!image_ || image_.use_count() == 1) return;
  auto copy = std::make_shared<Image>();
  if (image_->bitmap) copy->bitmap = RequireBitmap(image_->bitmap->Clone());
  copy->palette = CopyPalette(image_->palette);
  image_ = std::move(copy);
}

void TBitmap::Assign(const TPersistent* source) {
  if (source == nullptr) {
    if (canvas_) canvas_->Free();
    image_.reset();
    width_ = height_ = 0;
    pixelFormat_ = TPixelFormat::pfDevice;
    Changed(this);
    return;
  }
  const auto* other = dynamic_cast<const TBitmap*>(source);
  if (other == nullptr) {
    TGraphic::Assign(source);
    return;
  }
  if (other == this) return;
  if (canvas_) canvas_->Free();
  image_ = other->image_;
  width_ = other->width_;
  height_ = other->height_;
  pixelFormat_ = other->pixelFormat_;
  // A bitmap drawing through its own surface cannot share what it draws on.
  if (other->canvas_ && other->canvas_->HandleAllocated()) Unshare();
  Changed(this);
}

void TBitmap::Draw(TCanvas& canvas, const TRect& rect) {
  if (Empty()) return;
  HDC destination = canvas.Handle();
  // Reading needs no canvas of its own, so drawing a shared image does not copy it.
  const TScopedDC source;
  SelectObject(source.Get(), image_->bitmap.get());
  const TSavedDCState saved(destination);
  if (Palette() != nullptr) {
    SelectPalette(destination, Palette(), true);
    RealizePalette(destination);
  }
  if (Monochrome()) {
    SetTextColor(destination, clBlack);
    SetBkColor(destination, clWhite);
  }
  StretchBlt(destination, rect.left, rect.top, rect.Width(), rect.Height(), source.Get(), 0, 0,
             width_, height_, canvas.CopyMode());
}

void TBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  const TBitmapObject* old = Bits();
  if (width == 0 || height == 0) {
    HPALETTE palette = image_ ? CopyPalette(image_->palette) : nullptr;
    NewImage(nullptr, palette);
    width_ = width;
    height_ = height;
    Changed(this);
    return;
  }
  const int depth = old ? old->BitsPerPixel() : DepthOf(pixelFormat_);
  const TColorTable& table = old ? old->ColorTable() : DefaultColorTable(depth);
  TBitmapHandle resized = RequireBitmap(TBitmapObject::Create(width, height, depth, table));
  {
    const TScopedDC dc;
    SelectObject(dc.Get(), resized.get());
    FillRect(dc.Get(), Rect(0, 0, width, height), Canvas().Brush().Handle());
  }
  if (old != nullptr) {
    const int rows = std::min(height, old->Height()), columns = std::min(width, old->Width());
    std::vector<std::uint32_t> values(static_cast<std::size_t>(columns));
    for (int y = 0; y < rows; ++y) {
      old->ReadPixels(y, 0, columns, values.data());
      resized->WritePixels(y, 0, columns, values.data());
    }
  }
  NewImage(std::move(resized), image_ ? CopyPalette(image_->palette) : nullptr);
  Changed(this);
}

void TBitmap::ConvertTo(int bitsPerPixel, const TColorTable& table) {
  if (Empty()) return;
  TBitmapHandle converted =
      RequireBitmap(TBitmapObject::Create(width_, height_, bitsPerPixel, table));
  CopyPixels(image_->bitmap.get(), converted.get(), width_, height_);
  const bool keepsPalette = converted->IsIndexed() && !converted->IsMonochrome();
  NewImage(std::move(converted), keepsPalette ? CopyPalette(Palette()) : nullptr);
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == pixelFormat_) return;
  const int depth = DepthOf(format);
  if (!Empty() && Bits()->BitsPerPixel() != depth) {
    HPALETTE palette = Palette();
    TColorTable table = DefaultColorTable(depth);
    if (palette != nullptr && depth <= 8 && palette->Count() <= (1 << depth)) {
      std::copy(palette->Colors().begin(), palette->Colors().end(), table.begin());
    }
    ConvertTo(depth, table);
  }
  pixelFormat_ = format;
  Changed(this);
}

void TBitmap::SetMonochrome(bool value) {
  if (value == Monochrome()) return;
  if (Empty()) {
    pixelFormat_ = value ? TPixelFormat::pf1bit : TPixelFormat::pfDevice;
    return;
  }
  if (value) {
    ConvertTo(1, DefaultColorTable(1));
    pixelFormat_ = TPixelFormat::pf1bit;
  } else {
    ConvertTo(32, DefaultColorTable(32));
    pixelFormat_ = TPixelFormat::pfDevice;
  }
  Changed(this);
}

void TBitmap::SetPalette(HPALETTE palette) {
  if (palette == Palette()) return;
  Unshare();
  if (!image_) image_ = std::make_shared<Image>();
  if (image_->palette != nullptr) DeleteObject(image_->palette);
  image_->palette = palette;
  TBitmapObject* bits = image_->bitmap.get();
  if (palette != nullptr && bits != nullptr && bits->IsIndexed() && !bits->IsMonochrome()) {
    TColorTable table = bits->ColorTable();
    const auto count = std::min(palette->Count(), bits->ColorCount());
    std::copy_n(palette->Colors().begin(), count, table.begin());
    bits->SetColorTable(table);
  }
  if (canvas_) canvas_->Free();
  Changed(this);
}

HBITMAP TBitmap::Handle() {
  Unshare();
  return image_ ? image_->bitmap.get() : nullptr;
}

void TBitmap::SetHandle(HBITMAP bitmap) {
  if (bitmap != nullptr && bitmap == Bits()) return;
  if (bitmap == nullptr) {
    Assign(nullptr);
    return;
  }
  pixelFormat_ = FormatOf(bitmap->BitsPerPixel());
  NewImage(TBitmapHandle(bitmap), nullptr);
  Changed(this);
}

void TBitmap::LoadFromStream(TStream& stream) {
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(stream.Remaining()));
  stream.ReadBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  if (bytes.empty()) {
    Assign(nullptr);
    return;
  }
  TakeBitmap(ReadBmp(bytes));
}

void TBitmap::TakeBitmap(TBitmapHandle bitmap) {
  HPALETTE palette = PaletteOfTable(*bitmap);
  pixelFormat_ = FormatOf(bitmap->BitsPerPixel());
  NewImage(std::move(bitmap), palette);
  Changed(this);
}

void TBitmap::SaveToStream(TStream& stream) {
  if (!Empty()) WriteBmp(stream, *Bits());
}

void TBitmap::ReadData(TStream& stream) {
  const std::uint32_t size = stream.ReadUInt32();
  if (size > stream.Remaining()) throw EReadError(messages::kReadError);
  if (size == 0) {
    Assign(nullptr);
    return;
  }
  TMemoryStream image;
  image.CopyFrom(stream, size);
  image.SetPosition(0);
  LoadFromStream(image);
}

void TBitmap::WriteData(TStream& stream) {
  TMemoryStream image;
  SaveToStream(image);
  stream.WriteUInt32(static_cast<std::uint32_t>(image.Size()));
  stream.WriteBuffer(image.Memory(), image.Size());
}

void TBitmap::LoadFromClipboardFormat(std::uint16_t format, HGLOBAL data, HPALETTE) {
  if (format != CF_BITMAP) throw EInvalidGraphic(graphics_messages::kClipboardFormat);
  TMemoryStream image(GlobalBlockBytes(data));
  LoadFromStream(image);
}

void TBitmap::SaveToClipboardFormat(std::uint16_t& format, HGLOBAL& data, HPALETTE& palette) {
  TMemoryStream image;
  SaveToStream(image);
  data = GlobalBlockOf(image.Bytes());
  format = CF_BITMAP;
  palette = nullptr;
}
