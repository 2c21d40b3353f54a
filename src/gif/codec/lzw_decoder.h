#pragma once

#include <cstdint>
#include <span>

#include "framework/graphics/dib_format.h"
#include "gif/codec/codec_progress.h"
#include "gif/codec/pixel_rows.h"

class TStream;

// What the decoder does with a damaged code stream.
enum class TDamagePolicy {
  Fail,      // raise "GIF encoded data is corrupt" or "Stream read error"
  Tolerate,  // stop, keep the rows decoded so far and report the data corrupt
};

// Decodes one frame's LZW data (the minimum code size byte, then the data sub-blocks) into rows,
// writing every row whole (with its padding; rows not decoded as colour 0). Pixel values are masked
// to frameBits bits, so that none indexes past the frame's colour table. Progress: StageStarting,
// StageRunning after every code read (but the first of the data and the one after each clear code)
// with the share of data a reader fetching each sub-block only when it needs its bits would have
// read, then StageEnding: 100, or 0 with the message of the error that is propagating (also one
// raised by a progress handler).
//
// Damage, and what each policy makes of it: what passes, why, and the test that pins it.
// - Data that runs out before the last row (codes exhausted, or a sub-block shorter than its
//   length byte): Tolerate keeps the rows decoded so far (the rest colour 0) and reports the data
//   corrupt, as cut-off files are common and show what they have; Fail raises "Stream read
//   error" (the framework's read error for a cut sub-block).
//     LzwDecode.DataRunningOutBeforeTheLastRowIsDamageOrAReadError
//     DecodeToDib.TruncatedDataMarksTheFrameAndKeepsItsRows
// - An end code before the last row, and a code above the next free code (one naming a string
//   not defined yet, such as a table code right after a clear code): Tolerate stops there,
//   keeping what came before, and reports the data corrupt; Fail raises "GIF encoded data is
//   corrupt". Other decoders reject such data; showing the rows before it is kinder.
//     LzwDecode.DamageStopsDecodingWhereItIsFound
//     GifConformance.DamagedCorpusFilesAreReportedCorrupted
// - Root codes at or past the colour count (but below the clear code, which encoders with a code
//   size above the table's depth allow) stand for their value masked to the table's size.
//     LzwDecode.RootsPastTheColourTableAreMaskedToIt
// - Data that ends right after the last pixel, without an end code or terminator, is complete:
//   encoders that stop there are common.
//     LzwDecode.DataEndingRightAfterTheLastPixelIsComplete
// - Codes after the last pixel are ignored: the frame's size decides, as in other decoders.
//     LzwDecode.CodesPastTheLastPixelAreIgnored
// - A first code that is not a clear code decodes as if one came first; a clear code right after
//   a clear code starts the table once more (no pixel), as in other decoders.
//     LzwDecode.LeadingAndRepeatedClearCodesChangeNothing
// - A full table (4096 entries) without a clear code goes on at 12 bits adding no entries, the
//   deferred clear that GIF89a appendix F allows.
//     LzwDecode.FullTableWithoutClearCodeKeepsDecodingAtTwelveBits
// - Zero-length sub-blocks in the middle of the data add nothing and do not end it.
//     LzwDecode.ZeroLengthSubBlocksDoNotEndTheData
void LzwDecode(std::span<const std::uint8_t> data, const TPixelRows& rows, bool interlaced,
               const TCodecProgress& progress, bool& corrupt, std::uint8_t frameBits,
               TDamagePolicy damage);

// The same from source's position (at the minimum code size byte) into the bottom-up rows of a
// bitmap of header's width, height (positive) and depth (biBitCount 1, 4 or 8) held in pixels.
// Progress counts source's whole size.
void LzwDecode(TStream& source, const BITMAPINFOHEADER& header, bool interlaced,
               const TCodecProgress& progress, bool& corrupt, std::uint8_t* pixels,
               std::uint8_t frameBits, TDamagePolicy damage);
