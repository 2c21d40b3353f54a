#pragma once

#include <utility>

// Storage shared by the images and frames that were assigned from one another. The count is a
// plain integer: all users are on the UI thread.
class TSharedImage {
 public:
  TSharedImage() = default;
  TSharedImage(const TSharedImage&) = delete;
  TSharedImage& operator=(const TSharedImage&) = delete;
  virtual ~TSharedImage() = default;

  int RefCount() const { return refCount_; }
  void AddRef() { ++refCount_; }
  // Drops one holder; the last one empties and destroys the object. A null image is ignored.
  static void Release(TSharedImage* image);

 protected:
  virtual void ReleaseContents() = 0;

 private:
  int refCount_ = 0;
};

// One holder's reference: AddRef when it takes an object, Release when it drops or replaces it.
template <typename T>
class TSharedRef {
 public:
  TSharedRef() = default;
  explicit TSharedRef(T* image) { Reset(image); }
  TSharedRef(const TSharedRef&) = delete;
  TSharedRef& operator=(const TSharedRef&) = delete;
  ~TSharedRef() { TSharedImage::Release(std::exchange(image_, nullptr)); }

  // Holds image instead of the current object (which may be released and destroyed by this).
  void Reset(T* image) {
    if (image != nullptr) image->AddRef();
    TSharedImage::Release(std::exchange(image_, image));
  }
  T* Get() const { return image_; }
  T* operator->() const { return image_; }
  T& operator*() const { return *image_; }

 private:
  T* image_ = nullptr;
};
