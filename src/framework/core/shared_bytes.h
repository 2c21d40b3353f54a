#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

// A run of bytes that nobody changes, holding on to the storage it lies in: the slices of one
// file's bytes that everything read from it refers to, so that the bytes are held once however
// many readers keep a part of them. Copies share the storage.
class TSharedBytes {
 public:
  TSharedBytes() = default;
  // Takes the bytes over, without copying them.
  explicit TSharedBytes(std::vector<std::uint8_t> bytes)
      : TSharedBytes(std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes))) {}
  explicit TSharedBytes(std::shared_ptr<const std::vector<std::uint8_t>> storage)
      : data_(storage->data()), size_(storage->size()), storage_(std::move(storage)) {}

  const std::uint8_t* Data() const { return data_; }
  std::size_t Size() const { return size_; }
  bool Empty() const { return size_ == 0; }
  std::span<const std::uint8_t> Span() const { return {data_, size_}; }

  // The count bytes from offset on, sharing this storage; the caller keeps them inside.
  TSharedBytes Slice(std::size_t offset, std::size_t count) const {
    TSharedBytes slice = *this;
    slice.data_ += offset;
    slice.size_ = count;
    return slice;
  }

 private:
  const std::uint8_t* data_ = nullptr;
  std::size_t size_ = 0;
  std::shared_ptr<const std::vector<std::uint8_t>> storage_;
};
