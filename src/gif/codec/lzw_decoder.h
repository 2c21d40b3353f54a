#pragma once

#include <cstdint>

#include "framework/graphics/dib_format.h"
#include "gif/codec/codec_progress.h"

class TStream;

// What the decoder does with a damaged code stream.
enum class TDamagePolicy {
  Fail,      // raise "GIF encoded data is corrupt" or "Stream read error"
  Tolerate,  // stop, keep the rows decoded so far and report the data corrupt
};

// Decodes one frame's LZW data into the pixel rows of a bitmap of header's width, height and
// depth (biBitCount 1, 4 or 8; rows bottom-up, each padded to 4 bytes). Source is positioned at
// the minimum code size byte; pixels holds the zero-filled rows. Pixel values are masked to
// frameBits bits, so that none indexes past the frame's colour table.
//
// Tolerated damage: what passes, why, and the test that pins it.
// - Data that runs out before the last row (codes exhausted, or a sub-block shorter than its
//   length byte) is damage: Tolerate keeps the rows decoded so far (the rest colour 0), as cut-off
//   files are common and show what they have; Fail raises "Stream read error".
//     LzwDecode.DataRunningOutBeforeTheLastRowIsDamageOrAReadError
//     DecodeToDib.TruncatedDataMarksTheFrameAndKeepsItsRows
// - A code that expands to more than 4096 pixels (a loop in the table) is damage: Tolerate stops
//   there; Fail raises "GIF encoded data is corrupt".
//     LzwDecode.LoopingTableIsCorruptDataInStrictModeAndDamageInTolerantMode
// - A code above the next free code is taken as the next free code (the string being defined),
//   and a code naming an entry not assigned yet reads the zero-filled entry (pixels of colour 0).
//     LzwDecode.LoopingTableIsCorruptDataInStrictModeAndDamageInTolerantMode
// - Data that ends right after the last pixel, without an end code or terminator, is complete:
//   encoders that stop there are common.
//     LzwDecode.DataEndingRightAfterTheLastPixelIsComplete
// - Codes after the last pixel are ignored: the frame's size decides, as in other decoders.
//     LzwDecode.CodesPastTheLastPixelAreIgnored
// - A first code that is not a clear code decodes as if one came first.
//     LzwDecode.LeadingClearCodeChangesNothing
// - A full table (4096 entries) without a clear code goes on at 12 bits adding no entries, the
//   deferred clear that GIF89a appendix F allows.
//     LzwDecode.FullTableWithoutClearCodeKeepsDecodingAtTwelveBits
void LzwDecode(TStream& source, const BITMAPINFOHEADER& header, bool interlaced,
               const TCodecProgress& progress, bool& corrupt, std::uint8_t* pixels,
               std::uint8_t frameBits, TDamagePolicy damage);
