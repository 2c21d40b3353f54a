#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

// A reference picture: 8-bit red, green, blue and alpha per pixel, rows top-down.
struct ReferencePng {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;

  std::uint8_t Alpha(int x, int y) const { return rgba[Offset(x, y) + 3]; }
  // Red in the low byte, as colours are.
  std::int32_t Color(int x, int y) const {
    const std::size_t at = Offset(x, y);
    return rgba[at] | rgba[at + 1] << 8 | rgba[at + 2] << 16;
  }

 private:
  std::size_t Offset(int x, int y) const {
    return (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
            static_cast<std::size_t>(x)) *
           4;
  }
};

// The PNG file as RGBA, or none when it cannot be read.
std::optional<ReferencePng> ReadReferencePng(const std::filesystem::path& file);
// Writes the picture as an RGBA PNG file; false when it cannot be written.
bool WriteReferencePng(const ReferencePng& picture, const std::filesystem::path& file);
