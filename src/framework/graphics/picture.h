#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/persistent.h"
#include "framework/graphics/graphic.h"

class TBitmap;
class TIcon;
class TMetafile;

// A graphic class as the picture registries know it: its name and its virtual constructor.
struct TGraphicClass {
  std::string name;
  std::function<std::unique_ptr<TGraphic>()> create;

  template <typename T>
  static TGraphicClass Of() {
    return {T().ClassName(), [] { return std::unique_ptr<TGraphic>(new T()); }};
  }
};

struct TPictureFileFormat {
  std::string extension;  // without the dot
  std::string description;
  TGraphicClass graphicClass;
};

// Holds one graphic of any registered class (or none). Files are loaded by the class registered
// for their extension (compared ignoring case), clipboard data by the class registered for its
// format, and stored form data ("Data") names the class before the graphic's own data.
class TPicture : public TPersistent {
 public:
  TPicture();
  ~TPicture() override;
  const char* ClassName() const override { return "TPicture"; }

  // From another picture or a graphic (copied into a new graphic of its class), or none.
  void Assign(const TPersistent* source) override;
  // Stores "Data": one length byte and the class name, then the graphic's WriteData.
  void DefineProperties(TFiler& filer) override;

  TGraphic* Graphic() const { return graphic_.get(); }
  void SetGraphic(const TGraphic* graphic);
  // The graphic as a bitmap, icon or metafile; a graphic of another class is replaced by a new,
  // empty one of that class.
  TBitmap& Bitmap();
  TIcon& Icon();
  TMetafile& Metafile();
  int Width() const;
  int Height() const;

  // Raises EInvalidGraphic "Unknown picture file extension (.%s)" for an unregistered extension;
  // the graphic made for the file is freed when loading it fails, and the picture keeps what it
  // had.
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName);
  void LoadFromClipboardFormat(std::uint16_t format, HGLOBAL data, HPALETTE palette);
  void SaveToClipboardFormat(std::uint16_t& format, HGLOBAL& data, HPALETTE& palette);
  static bool SupportsClipboardFormat(std::uint16_t format);

  static void RegisterFileFormat(std::string_view extension, std::string_view description,
                                 TGraphicClass graphicClass);
  // Registers the class for the format number, in place of any class registered for it before.
  static void RegisterClipboardFormat(std::uint16_t format, TGraphicClass graphicClass);
  // The format registered for the named class; none when it has none.
  static std::optional<std::uint16_t> ClipboardFormatOf(std::string_view className);
  // Forgets every file and clipboard format of the named class.
  static void UnregisterGraphicClass(std::string_view className);
  static std::vector<TPictureFileFormat> FileFormats();

  const TNotifyEvent& OnChange() const { return onChange_; }
  void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }

 protected:
  void AssignTo(TPersistent* destination) const override;

 private:
  void Adopt(std::unique_ptr<TGraphic> graphic);
  template <typename T>
  T& ForceClass();
  void Changed();
  void ReadData(TStream& stream);
  void WriteData(TStream& stream);

  std::unique_ptr<TGraphic> graphic_;
  TNotifyEvent onChange_;
};
