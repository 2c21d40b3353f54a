#include "framework/core/file_replacement.h"

#include <filesystem>
#include <memory>

#include "framework/core/exceptions.h"
#include "framework/core/file_stream.h"
#include "framework/core/format.h"
#include "framework/core/messages.h"

namespace {

namespace fs = std::filesystem;

// A new file beside fileName, named after it, that no one else has.
std::unique_ptr<TFileStream> CreateFileBeside(const std::string& fileName, std::string& name) {
  constexpr int kAttempts = 100;
  for (int attempt = 0;; ++attempt) {
    name = fileName + ".~" + std::to_string(attempt) + ".tmp";
    try {
      return std::make_unique<TFileStream>(name, TFileStream::fmCreateNew);
    } catch (const EFCreateError&) {
      std::error_code ignored;
      if (attempt == kAttempts || !fs::exists(name, ignored))
        throw EFCreateError(Format(messages::kCreateError, {fileName}));
    }
  }
}

}  // namespace

void ReplaceFile(const std::string& fileName, std::span<const std::uint8_t> bytes) {
  std::string temporary;
  auto file = CreateFileBeside(fileName, temporary);
  std::error_code error;
  try {
    file->WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    file->Flush();
    file.reset();
    const fs::file_status old = fs::status(fileName, error);
    if (fs::exists(old)) fs::permissions(temporary, old.permissions(), error);
    fs::rename(temporary, fileName, error);
    if (error) throw EFCreateError(Format(messages::kCreateError, {fileName}));
  } catch (...) {
    file.reset();
    fs::remove(temporary, error);
    throw;
  }
}
