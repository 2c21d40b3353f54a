#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/shared_bytes.h"
#include "framework/core/stream.h"

// A stream held in memory; writing past the end grows it. Its bytes can be shared with readers
// that keep parts of them (ShareBytes) without a copy: the stream then copies them once before it
// next changes, so what the readers hold never changes under them.
class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<std::uint8_t> bytes);
  const char* ClassName() const override { return "TMemoryStream"; }

  std::int64_t Read(void* buffer, std::int64_t count) override;
  std::int64_t Write(const void* buffer, std::int64_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  std::int64_t Size() override { return static_cast<std::int64_t>(Bytes().size()); }
  void SetSize(std::int64_t size) override;

  // Makes room for that many bytes without changing the size, so that writing up to there
  // allocates nothing more.
  void SetCapacity(std::int64_t bytes);

  // The bytes to change: valid until the stream's size changes or its bytes are shared.
  std::uint8_t* Memory();
  const std::uint8_t* Memory() const { return Bytes().data(); }
  const std::vector<std::uint8_t>& Bytes() const;
  // The count bytes from offset on (which the caller keeps inside the stream), shared.
  TSharedBytes ShareBytes(std::int64_t offset, std::int64_t count);
  void Clear();

  void LoadFromStream(TStream& source);
  void SaveToStream(TStream& destination) const;
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName) const;

 private:
  // The bytes, owned by this stream alone from now on.
  std::vector<std::uint8_t>& OwnBytes();

  // None while the stream is empty and has never been written.
  std::shared_ptr<std::vector<std::uint8_t>> data_;
  std::int64_t position_ = 0;
};
