// The inverse transformation: rebuilds a block from its sorted last column and the sorted
// index of the rotation that starts at position 0.
#include "codec/bs_report.h"
#include "codec/bs_state.h"

void undoReversibleTransformation() {
  CodecState& s = codecState;
  const std::int32_t last = s.last;
  if (last < 0) return;  // an empty block; the block loop decides whether that is an error
  if (s.originPointer < 0 || s.originPointer > last) BS_REPORT("Origin pointer out of range");

  // occurrence[i] becomes the successor index of entry i (its equal bytes before it plus
  // the bytes below it) shifted left by 8, with the entry's byte in the low 8 bits: the walk
  // below then costs one memory access per byte. Indices stay below 2^24.
  const std::uint8_t* column = s.lastColumn;
  std::uint32_t* next = reinterpret_cast<std::uint32_t*>(s.occurrence);
  std::uint32_t start[256] = {};
  for (std::int32_t i = 0; i <= last; ++i) ++start[column[i]];
  std::uint32_t sum = 0;
  for (int c = 0; c < 256; ++c) {
    std::uint32_t count = start[c];
    start[c] = sum;
    sum += count;
  }
  for (std::int32_t i = 0; i <= last; ++i) next[i] = (start[column[i]]++ << 8) | column[i];

  std::uint8_t* out = s.outBlock;
  std::uint32_t r = std::uint32_t(s.originPointer);
  for (std::int32_t a = last; a >= 0; --a) {
    std::uint32_t entry = next[r];
    out[a] = std::uint8_t(entry);
    r = entry >> 8;
  }
}
