#pragma once

#include <functional>
#include <string_view>

class TPersistent;
class TStream;

using TStreamProc = std::function<void(TStream&)>;

// What a persistent object sees of the form reader or writer in DefineProperties: a way to offer
// properties that are stored as raw bytes, and the ancestor object that a writer compares with.
class TFiler {
 public:
  explicit TFiler(const TPersistent* ancestor = nullptr) : ancestor_(ancestor) {}
  TFiler(const TFiler&) = delete;
  TFiler& operator=(const TFiler&) = delete;
  virtual ~TFiler() = default;

  // A reader calls readData with a stream holding the stored bytes when it is reading this
  // property; a writer stores what writeData writes, but only when hasData is true.
  virtual void DefineBinaryProperty(std::string_view name, const TStreamProc& readData,
                                    const TStreamProc& writeData, bool hasData) = 0;

  // The object of the same kind that the written object is compared with (none: write everything
  // that has data).
  const TPersistent* Ancestor() const { return ancestor_; }

 protected:
  void SetAncestor(const TPersistent* ancestor) { ancestor_ = ancestor; }

 private:
  const TPersistent* ancestor_;
};
