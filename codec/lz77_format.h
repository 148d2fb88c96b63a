// Constants of the LZ77 stream shared by its encoder and decoder.
//
// A stream is flag words (16 bits, little-endian, used from bit 0 up) interleaved with data
// bytes. Operations: literal "1 b"; short copy "0 0 h l d" of length 2h+l+2 at offset d-256;
// long copy "0 1 lo hi [n]" at the 13-bit offset -8192 + (hi>>3)*256 + lo, of length
// (hi&7)+2, or when hi&7 is 0 of length n+1 (n >= 2); n = 1 is a no-op and n = 0 the end.
#pragma once

namespace lz77 {

constexpr int kWindow = 8192;          // farthest copy offset
constexpr int kMaxMatch = 256;         // longest copy
constexpr int kMaxShortMatch = 5;      // longest copy of the short form
constexpr int kMaxShortDistance = 255; // farthest copy of the short form
constexpr int kMaxInlineLength = 9;    // longest copy whose length fits in hi's low bits
constexpr int kInputBuffer = 0x4500;   // the encoder's input buffer, 17664 bytes
constexpr int kSlideAt = 0x4000;       // the encoder slides its window past this position
constexpr int kProgressStep = 8192;    // bytes per progress call, both directions

}  // namespace lz77
