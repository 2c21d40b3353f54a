#include "framework/graphics/picture.h"

#include <algorithm>

#include "framework/core/class_registry.h"
#include "framework/core/exceptions.h"
#include "framework/core/filer.h"
#include "framework/core/format.h"
#include "framework/core/stream.h"
#include "framework/core/text.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/graphics_messages.h"
#include "framework/graphics/icon.h"
#include "framework/graphics/metafile.h"

namespace {

struct ClipboardFormat {
  std::uint16_t format;
  TGraphicClass graphicClass;
};

struct Registry {
  std::vector<TPictureFileFormat> files = {
      {"bmp", "Bitmaps", TGraphicClass::Of<TBitmap>()},
      {"ico", "Icons", TGraphicClass::Of<TIcon>()},
      {"cur", "Cursors", TGraphicClass::Of<TIcon>()},
  };
  std::vector<ClipboardFormat> clipboard;
  // Classes known without a format of their own.
  std::vector<TGraphicClass> builtIn = {TGraphicClass::Of<TMetafile>()};
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

std::string ExtensionOf(const std::string& fileName) {
  const auto dot = fileName.find_last_of('.');
  const auto slash = fileName.find_last_of("/\\");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  return fileName.substr(dot + 1);
}

// A new graphic of the named class: the picture registries first, then the class registry.
std::unique_ptr<TGraphic> CreateGraphic(std::string_view className) {
  const Registry& registry = TheRegistry();
  for (const auto& format : registry.files) {
    if (SameText(format.graphicClass.name, className)) return format.graphicClass.create();
  }
  for (const auto& format : registry.clipboard) {
    if (SameText(format.graphicClass.name, className)) return format.graphicClass.create();
  }
  for (const auto& graphicClass : registry.builtIn) {
    if (SameText(graphicClass.name, className)) return graphicClass.create();
  }
  std::unique_ptr<TPersistent> object(class_registry::Create(className, nullptr));
  if (auto* graphic = dynamic_cast<TGraphic*>(object.get())) {
    object.release();
    return std::unique_ptr<TGraphic>(graphic);
  }
  throw EInvalidGraphic(Format(graphics_messages::kUnknownPictureClass, {className}));
}

bool SameGraphic(TGraphic* a, TGraphic* b) {
  if (a == nullptr || b == nullptr) return a == b;
  return SameText(a->ClassName(), b->ClassName()) && a->Equals(b);
}

}  // namespace

TPicture::TPicture() = default;

TPicture::~TPicture() {
  if (graphic_) graphic_->SetOnChange(nullptr);
}

void TPicture::Changed() {
  if (onChange_) onChange_(this);
}

void TPicture::Adopt(std::unique_ptr<TGraphic> graphic) {
  if (graphic_) graphic_->SetOnChange(nullptr);
  graphic_ = std::move(graphic);
  if (graphic_) graphic_->SetOnChange([this](TObject*) { Changed(); });
  Changed();
}

void TPicture::SetGraphic(const TGraphic* graphic) {
  if (graphic == nullptr) {
    Adopt(nullptr);
    return;
  }
  std::unique_ptr<TGraphic> copy = CreateGraphic(graphic->ClassName());
  copy->Assign(graphic);
  Adopt(std::move(copy));
}

template <typename T>
T& TPicture::ForceClass() {
  if (dynamic_cast<T*>(graphic_.get()) == nullptr) Adopt(std::make_unique<T>());
  return static_cast<T&>(*graphic_);
}

TBitmap& TPicture::Bitmap() {
  return ForceClass<TBitmap>();
}
TIcon& TPicture::Icon() {
  return ForceClass<TIcon>();
}
TMetafile& TPicture::Metafile() {
  return ForceClass<TMetafile>();
}

int TPicture::Width() const {
  return graphic_ ? graphic_->Width() : 0;
}
int TPicture::Height() const {
  return graphic_ ? graphic_->Height() : 0;
}

void TPicture::Assign(const TPersistent* source) {
  if (source == nullptr) {
    SetGraphic(nullptr);
  } else if (const auto* picture = dynamic_cast<const TPicture*>(source)) {
    if (picture != this) SetGraphic(picture->Graphic());
  } else if (const auto* graphic = dynamic_cast<const TGraphic*>(source)) {
    SetGraphic(graphic);
  } else {
    TPersistent::Assign(source);
  }
}

void TPicture::AssignTo(TPersistent* destination) const {
  if (graphic_ && dynamic_cast<TGraphic*>(destination) != nullptr) {
    destination->Assign(graphic_.get());
    return;
  }
  TPersistent::AssignTo(destination);
}

void TPicture::LoadFromFile(const std::string& fileName) {
  const std::string extension = ExtensionOf(fileName);
  for (const auto& format : TheRegistry().files) {
    if (!SameText(format.extension, extension)) continue;
    std::unique_ptr<TGraphic> graphic = format.graphicClass.create();
    graphic->LoadFromFile(fileName);
    Adopt(std::move(graphic));
    return;
  }
  throw EInvalidGraphic(Format(graphics_messages::kUnknownExtension, {extension}));
}

void TPicture::SaveToFile(const std::string& fileName) {
  if (graphic_) graphic_->SaveToFile(fileName);
}

void TPicture::LoadFromClipboardFormat(std::uint16_t format, HGLOBAL data, HPALETTE palette) {
  for (const auto& entry : TheRegistry().clipboard) {
    if (entry.format != format) continue;
    std::unique_ptr<TGraphic> graphic = entry.graphicClass.create();
    graphic->LoadFromClipboardFormat(format, data, palette);
    Adopt(std::move(graphic));
    return;
  }
  throw EInvalidGraphic(graphics_messages::kClipboardFormat);
}

void TPicture::SaveToClipboardFormat(std::uint16_t& format, HGLOBAL& data, HPALETTE& palette) {
  if (graphic_) graphic_->SaveToClipboardFormat(format, data, palette);
}

bool TPicture::SupportsClipboardFormat(std::uint16_t format) {
  const auto& clipboard = TheRegistry().clipboard;
  return std::any_of(clipboard.begin(), clipboard.end(),
                     [format](const ClipboardFormat& entry) { return entry.format == format; });
}

void TPicture::RegisterFileFormat(std::string_view extension, std::string_view description,
                                  TGraphicClass graphicClass) {
  TheRegistry().files.push_back(
      {std::string(extension), std::string(description), std::move(graphicClass)});
}

void TPicture::RegisterClipboardFormat(std::uint16_t format, TGraphicClass graphicClass) {
  auto& clipboard = TheRegistry().clipboard;
  std::erase_if(clipboard,
                [format](const ClipboardFormat& entry) { return entry.format == format; });
  clipboard.push_back({format, std::move(graphicClass)});
}

std::optional<std::uint16_t> TPicture::ClipboardFormatOf(std::string_view className) {
  for (const auto& entry : TheRegistry().clipboard) {
    if (SameText(entry.graphicClass.name, className)) return entry.format;
  }
  return std::nullopt;
}

void TPicture::UnregisterGraphicClass(std::string_view className) {
  Registry& registry = TheRegistry();
  std::erase_if(registry.files, [className](const TPictureFileFormat& format) {
    return SameText(format.graphicClass.name, className);
  });
  std::erase_if(registry.clipboard, [className](const ClipboardFormat& format) {
    return SameText(format.graphicClass.name, className);
  });
}

std::vector<TPictureFileFormat> TPicture::FileFormats() {
  return TheRegistry().files;
}

void TPicture::DefineProperties(TFiler& filer) {
  bool hasData = graphic_ != nullptr;
  if (filer.Ancestor() != nullptr) {
    const auto* ancestor = dynamic_cast<const TPicture*>(filer.Ancestor());
    hasData = ancestor == nullptr || !SameGraphic(graphic_.get(), ancestor->Graphic());
  }
  filer.DefineBinaryProperty(
      "Data", [this](TStream& stream) { ReadData(stream); },
      [this](TStream& stream) { WriteData(stream); }, hasData);
}

void TPicture::ReadData(TStream& stream) {
  const std::uint8_t length = stream.ReadByte();
  if (length == 0) {
    Adopt(nullptr);
    return;
  }
  std::string className(length, '\0');
  stream.ReadBuffer(className.data(), length);
  std::unique_ptr<TGraphic> graphic = CreateGraphic(className);
  graphic->ReadData(stream);
  Adopt(std::move(graphic));
}

void TPicture::WriteData(TStream& stream) {
  if (!graphic_) {
    stream.WriteByte(0);
    return;
  }
  const std::string className = graphic_->ClassName();
  stream.WriteByte(static_cast<std::uint8_t>(className.size()));
  stream.WriteBuffer(className.data(), static_cast<std::int64_t>(className.size()));
  graphic_->WriteData(stream);
}
