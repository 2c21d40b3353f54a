#include "cursors/animated_cursor_resource.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "cursors/cursor_file.h"
#include "framework/core/file_stream.h"
#include "framework/platform/platform_services.h"

namespace {

// Deletes a temporary file when it goes out of scope; a file that is already gone is no error.
class TTemporaryFile {
 public:
  explicit TTemporaryFile(std::string path) : path_(std::move(path)) {}
  ~TTemporaryFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  TTemporaryFile(const TTemporaryFile&) = delete;
  TTemporaryFile& operator=(const TTemporaryFile&) = delete;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace

HCURSOR LoadAnimatedCursorResource(const TResourceName& name) {
  TPlatformServices& platform = Platform();
  const auto data = platform.FindResource(name, RT_ANICURSOR);
  if (!data) return nullptr;
  const TTemporaryFile file(platform.CreateTempFile(platform.TempPath(), "ANI"));
  {
    // Closed before the cursor is read, so that every byte has reached the file.
    TFileStream stream(file.Path(), TFileStream::fmCreate);
    stream.WriteBuffer(data->data(), static_cast<std::int64_t>(data->size()));
  }
  return LoadCursorFromFile(file.Path());
}
