#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "cursors/riff_chunks.h"
#include "framework/graphics/icon.h"
#include "framework/graphics/types.h"

// What an animated cursor file (RIFF form "ACON") holds, chunk by chunk, before it becomes frames.

// The "anih" record: nine 32-bit values, 36 bytes.
struct TAniHeader {
  std::int32_t headerSize = 0;
  std::int32_t frameCount = 0;
  std::int32_t stepCount = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t bitCount = 0;
  std::int32_t planes = 0;
  std::int32_t defaultRate = 0;  // jiffies (1/60 s)
  std::int32_t flags = 0;        // bit 0: the frames are icon or cursor files

  static constexpr std::size_t kBytes = 36;
};

// The picture of one "icon" sub-chunk.
struct TAniIcon {
  std::unique_ptr<TIcon> icon;
  bool fromIcon = false;  // icon data (type 1), not cursor data (type 2)
  TChunkHeader chunkHeader;
  TPoint hotSpot;  // the last directory entry's; the image's centre for icon data
};

struct TAniContents {
  std::optional<TAniHeader> header;  // the last "anih" chunk
  std::string title;                 // "INAM", at most 255 characters
  std::string author;                // "IART", at most 255 characters
  std::vector<TAniIcon> icons;       // in file order, numbered from 0
  std::vector<std::int32_t> rates;   // the last "rate" chunk's values, one per step
  std::optional<std::vector<std::int32_t>> sequence;  // the last "seq " chunk's icon numbers
  std::uint16_t sourceColors = 0;  // largest colour count (2, 16, 256) among the images
};

// Whether the bytes start as an animated cursor file: a "RIFF" chunk header and the form "ACON".
bool IsAniFile(std::span<const std::uint8_t> bytes);

// Raises EReadError "Stream read error", the reader's one error.
[[noreturn]] void RaiseRiffError();

// Reads the chunks of an "ACON" file into contents, which holds everything read so far also when
// this raises. Chunks may come in any order.
//
// Raises EReadError "Stream read error" (RaiseRiffError) when the data is not IsAniFile (contents
// untouched), for an "anih" whose flag bit 0 is clear or whose step count is 0, and for
// an "icon" sub-chunk cut short by the end of the data.
//
// Tolerated, each ending the reading quietly:
//   - the end of the data inside any other chunk (what came before stays);
//   - an "icon" sub-chunk that holds no icon or cursor the icon reader accepts (the rest of its
//     "fram" list is skipped: the pictures after it could not be numbered);
//   - an "INAM" or "IART" longer than its list (the rest of the list is skipped).
// Also tolerated: the RIFF size (never used; real files get it wrong), an "anih" of another size
// than 36 (a shorter one leaves the missing values 0, a longer one is cut), "rate" and "seq "
// chunks of any length (whole values only), sub-chunks running past their "fram" list (read as
// far as the data goes), and bytes at the end of a list too few for a sub-chunk (skipped).
void ParseAni(std::span<const std::uint8_t> bytes, TAniContents& contents);
