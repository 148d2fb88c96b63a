// The inverse transformation: rebuilds a block from its sorted last column and the sorted
// index of the rotation that starts at position 0.
#include "codec/bs_report.h"
#include "codec/bs_state.h"

void undoReversibleTransformation() {
  CodecState& s = codecState;
  const std::int32_t last = s.last;
  if (last < 0) return;  // an empty block; the block loop decides whether that is an error
  if (s.originPointer < 0 || s.originPointer > last) BS_REPORT("Origin pointer out of range");

  const std::uint8_t* column = s.lastColumn;
  std::int32_t* occurrence = s.occurrence;
  std::int32_t start[256] = {};
  for (std::int32_t i = 0; i <= last; ++i) occurrence[i] = start[column[i]]++;
  std::int32_t sum = 0;
  for (int c = 0; c < 256; ++c) {
    std::int32_t count = start[c];
    start[c] = sum;
    sum += count;
  }
  // Fold the bucket start into each entry so the walk below is one lookup per byte.
  for (std::int32_t i = 0; i <= last; ++i) occurrence[i] += start[column[i]];

  std::uint8_t* out = s.outBlock;
  std::int32_t r = s.originPointer;
  for (std::int32_t a = last; a >= 0; --a) {
    out[a] = column[r];
    r = occurrence[r];
  }
}
