#pragma once

#include <utility>

#include "framework/graphics/handles.h"

// Base of every object a drawing surface can hold (bitmaps, palettes, brushes, pens, fonts).
// Surfaces count their references, including those in saved states, so that DeleteObject on an
// object that is still selected only marks it; it goes when the last surface lets it go. Stock
// objects are never deleted.
class TGdiObject {
 public:
  TGdiObject() = default;
  TGdiObject(const TGdiObject&) = delete;
  TGdiObject& operator=(const TGdiObject&) = delete;
  virtual ~TGdiObject() = default;

  bool IsStock() const { return stock_; }
  void MakeStock() { stock_ = true; }

  void AddReference() { ++references_; }
  void ReleaseReference();
  // What DeleteObject does: delete now when nothing holds the object, later otherwise.
  void RequestDelete();

 private:
  int references_ = 0;
  bool deletePending_ = false;
  bool stock_ = false;
};

// Deletes a bitmap, palette, brush, pen or font. False for a null handle or a stock object.
bool DeleteObject(HGDIOBJ object);

// A counted reference held by a drawing surface.
template <typename T>
class TGdiReference {
 public:
  TGdiReference() = default;
  explicit TGdiReference(T* object) : object_(object) {
    if (object_ != nullptr) object_->AddReference();
  }
  TGdiReference(const TGdiReference& other) : TGdiReference(other.object_) {}
  TGdiReference& operator=(const TGdiReference& other) {
    TGdiReference copy(other);
    std::swap(object_, copy.object_);
    return *this;
  }
  ~TGdiReference() {
    if (object_ != nullptr) object_->ReleaseReference();
  }
  T* Get() const { return object_; }
  T* operator->() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

 private:
  T* object_ = nullptr;
};
