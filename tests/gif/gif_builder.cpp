#include "gif_builder.h"

GifRgb TestColor(int index) {
  return {static_cast<std::uint8_t>(index), static_cast<std::uint8_t>(255 - index),
          static_cast<std::uint8_t>(index * 7)};
}

GifBuilder& GifBuilder::Signature(std::string_view text) {
  bytes_.insert(bytes_.end(), text.begin(), text.end());
  return *this;
}

GifBuilder& GifBuilder::Screen(int width, int height, std::uint8_t flags, std::uint8_t background,
                               std::uint8_t aspect) {
  Put16(width);
  Put16(height);
  return Bytes({flags, background, aspect});
}

GifBuilder& GifBuilder::Table(int entries) {
  for (int i = 0; i < entries; ++i) {
    const GifRgb rgb = TestColor(i);
    Bytes({rgb.red, rgb.green, rgb.blue});
  }
  return *this;
}

GifBuilder& GifBuilder::GraphicControl(std::uint8_t packed, std::uint16_t delay, std::uint8_t index,
                                       std::uint8_t blockSize) {
  Bytes({0x21, 0xF9, blockSize, packed});
  Put16(delay);
  return Bytes({index, 0});
}

GifBuilder& GifBuilder::Comment(const std::vector<std::string>& blocks) {
  Bytes({0x21, 0xFE});
  PutSubBlocks(blocks);
  return *this;
}

GifBuilder& GifBuilder::Application(std::string_view identifier,
                                    const std::vector<std::string>& blocks) {
  Bytes({0x21, 0xFF, 11});
  bytes_.insert(bytes_.end(), identifier.begin(), identifier.end());
  PutSubBlocks(blocks);
  return *this;
}

GifBuilder& GifBuilder::PlainText(const std::vector<std::string>& blocks) {
  Bytes({0x21, 0x01, 12});
  bytes_.insert(bytes_.end(), 12, 0);
  PutSubBlocks(blocks);
  return *this;
}

GifBuilder& GifBuilder::Image(int left, int top, int width, int height, std::uint8_t flags,
                              const std::vector<std::uint8_t>& data) {
  Bytes({0x2C});
  Put16(left);
  Put16(top);
  Put16(width);
  Put16(height);
  Bytes({flags});
  bytes_.insert(bytes_.end(), data.begin(), data.end());
  return *this;
}

GifBuilder& GifBuilder::Bytes(std::initializer_list<std::uint8_t> bytes) {
  bytes_.insert(bytes_.end(), bytes);
  return *this;
}

GifBuilder& GifBuilder::Bytes(const std::vector<std::uint8_t>& bytes) {
  bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
  return *this;
}

void GifBuilder::Put16(int value) {
  Bytes({static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)});
}

void GifBuilder::PutSubBlocks(const std::vector<std::string>& blocks) {
  for (const std::string& block : blocks) {
    bytes_.push_back(static_cast<std::uint8_t>(block.size()));
    bytes_.insert(bytes_.end(), block.begin(), block.end());
  }
  bytes_.push_back(0);
}

std::vector<std::uint8_t> SimpleGif(int width, int height, int bits,
                                    const std::vector<std::uint8_t>& data) {
  return GifBuilder()
      .Signature()
      .Screen(width, height, static_cast<std::uint8_t>(0x80 | (bits - 1)))
      .Table(1 << bits)
      .Image(0, 0, width, height, 0, data)
      .Trailer()
      .Data();
}
