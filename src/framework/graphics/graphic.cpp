#include "framework/graphics/graphic.h"

#include <cstring>

#include "framework/core/file_stream.h"
#include "framework/core/filer.h"
#include "framework/core/memory_stream.h"

void TGraphic::DefineProperties(TFiler& filer) {
  bool hasData;
  if (filer.Ancestor() != nullptr) {
    const auto* ancestor = dynamic_cast<const TGraphic*>(filer.Ancestor());
    hasData = ancestor != nullptr && !Equals(ancestor);
  } else {
    hasData = !Empty();
  }
  filer.DefineBinaryProperty(
      "Data", [this](TStream& stream) { ReadData(stream); },
      [this](TStream& stream) { WriteData(stream); }, hasData);
}

bool TGraphic::Equals(const TGraphic* graphic) {
  if (graphic == nullptr || std::strcmp(graphic->ClassName(), ClassName()) != 0) return false;
  auto* other = const_cast<TGraphic*>(graphic);
  if (Empty() || other->Empty()) return Empty() && other->Empty();
  TMemoryStream mine, theirs;
  SaveToStream(mine);
  other->SaveToStream(theirs);
  return mine.Bytes() == theirs.Bytes();
}

void TGraphic::ReadData(TStream& stream) {
  LoadFromStream(stream);
}

void TGraphic::WriteData(TStream& stream) {
  SaveToStream(stream);
}

void TGraphic::LoadFromFile(const std::string& fileName) {
  TFileStream file(fileName, TFileStream::fmOpenRead);
  LoadFromStream(file);
}

void TGraphic::SaveToFile(const std::string& fileName) {
  TFileStream file(fileName, TFileStream::fmCreate);
  SaveToStream(file);
}

void TGraphic::SetModified(bool value) {
  if (value) {
    Changed(this);
  } else {
    modified_ = false;
  }
}

void TGraphic::Changed(TObject*) {
  modified_ = true;
  if (onChange_) onChange_(this);
}
