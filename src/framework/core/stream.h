#pragma once

#include <cstdint>

#include "framework/core/object.h"

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

// A sequence of bytes with a position. Read and Write are lenient: they move what they can and
// return the count. ReadBuffer and WriteBuffer are strict: anything short raises EReadError
// "Stream read error" or EWriteError "Stream write error".
class TStream : public TObject {
 public:
  const char* ClassName() const override { return "TStream"; }

  virtual std::int64_t Read(void* buffer, std::int64_t count) = 0;
  virtual std::int64_t Write(const void* buffer, std::int64_t count) = 0;
  // Returns the new position. Positions past the end are allowed; reads there return nothing.
  virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;
  virtual std::int64_t Size();
  virtual void SetSize(std::int64_t size) = 0;

  std::int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
  void SetPosition(std::int64_t position) { Seek(position, TSeekOrigin::soBeginning); }
  std::int64_t Remaining() {
    const std::int64_t left = Size() - Position();
    return left > 0 ? left : 0;
  }
  bool AtEnd() { return Remaining() == 0; }

  void ReadBuffer(void* buffer, std::int64_t count);
  void WriteBuffer(const void* buffer, std::int64_t count);
  // Strict single-byte and little-endian reads, for parsers.
  std::uint8_t ReadByte();
  std::uint16_t ReadUInt16();
  std::uint32_t ReadUInt32();
  void WriteByte(std::uint8_t value) { WriteBuffer(&value, 1); }
  void WriteUInt16(std::uint16_t value);
  void WriteUInt32(std::uint32_t value);

  // Copies count bytes from source's current position (strictly); count 0 copies the whole of
  // source from its start. Returns the number of bytes copied.
  std::int64_t CopyFrom(TStream& source, std::int64_t count);
};
