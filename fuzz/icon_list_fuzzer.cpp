// Feeds arbitrary bytes to the icon list as its stored "Icons" property. Accepted data must store
// again and read back to the same entries; refused data must raise the stream's EReadError or the
// icon reader's EInvalidGraphic.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "cursors/icon_list.h"
#include "framework/core/exceptions.h"
#include "framework/core/filer.h"
#include "framework/core/memory_stream.h"

namespace {

// Hands the list's "Icons" property bytes to read, or keeps what it writes.
class TIconsFiler : public TFiler {
 public:
  explicit TIconsFiler(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
  void DefineBinaryProperty(std::string_view, const TStreamProc& readData,
                            const TStreamProc& writeData, bool) override {
    TMemoryStream stream(bytes_);
    if (reading_) {
      readData(stream);
    } else {
      writeData(stream);
      bytes_ = stream.Bytes();
    }
  }
  void Writing() { reading_ = false; }
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
  bool reading_ = true;
};

std::vector<std::uint8_t> Stored(TIconList& list) {
  TIconsFiler filer({});
  filer.Writing();
  list.DefineProperties(filer);
  return filer.Bytes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TIconList list;
  try {
    TIconsFiler filer(std::vector<std::uint8_t>(data, data + size));
    list.DefineProperties(filer);
  } catch (const EReadError&) {
    return 0;
  } catch (const EInvalidGraphic&) {
    return 0;
  }
  const std::vector<std::uint8_t> stored = Stored(list);
  TIconList again;
  TIconsFiler filer(stored);
  again.DefineProperties(filer);
  if (again.GetCount() != list.GetCount() || Stored(again) != stored) std::abort();
  return 0;
}
