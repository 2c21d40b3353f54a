#pragma once

#include <cstdint>
#include <string>

#include "framework/core/persistent.h"
#include "framework/graphics/handles.h"
#include "framework/graphics/types.h"
#include "framework/platform/handles.h"

class TCanvas;
class TStream;

// A picture that can draw itself, load and save itself and travel through the clipboard. Concrete
// pictures (bitmaps, icons, metafiles, GIF images) override the virtual operations below; a
// TPicture holds one and picks its class from a file extension or a stored class name.
class TGraphic : public TPersistent {
 public:
  TGraphic() = default;
  const char* ClassName() const override { return "TGraphic"; }

  // Stores the picture as one binary property, "Data" (ReadData / WriteData). Written when there
  // is no ancestor and the picture is not empty, or when the ancestor is a graphic not Equal to it.
  void DefineProperties(TFiler& filer) override;

  virtual void Draw(TCanvas& canvas, const TRect& rect) = 0;
  // Same content; the default compares the classes and the saved bytes.
  virtual bool Equals(const TGraphic* graphic);
  virtual bool Empty() const = 0;
  virtual int Height() = 0;
  virtual int Width() = 0;
  virtual void ReadData(TStream& stream);
  virtual void SetHeight(int value) = 0;
  virtual void SetWidth(int value) = 0;
  virtual void WriteData(TStream& stream);
  virtual void LoadFromFile(const std::string& fileName);
  virtual void SaveToFile(const std::string& fileName);
  virtual void LoadFromStream(TStream& stream) = 0;
  virtual void SaveToStream(TStream& stream) = 0;
  virtual void LoadFromClipboardFormat(std::uint16_t format, HGLOBAL data, HPALETTE palette) = 0;
  virtual void SaveToClipboardFormat(std::uint16_t& format, HGLOBAL& data, HPALETTE& palette) = 0;

  virtual HPALETTE Palette() { return nullptr; }

  bool Modified() const { return modified_; }
  void SetModified(bool value);
  const TNotifyEvent& OnChange() const { return onChange_; }
  void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }

 protected:
  // The change notification: sets the modified flag, then calls OnChange when one is assigned.
  virtual void Changed(TObject* sender);

 private:
  bool modified_ = false;
  TNotifyEvent onChange_;
};
