// The run-length stage that fills a block from the source, its inverse that writes decoded
// bytes out, and the fixed perturbation of a few block positions.
//
// Run-length form: a run of r equal bytes (1 <= r <= 255) is stored as the byte r times
// when r <= 3, else as the byte four times and a count byte r - 4. Runs never cross a block.
#include <cstring>

#include "codec/bs_report.h"
#include "codec/bs_state.h"

namespace {

constexpr int kMaxRun = 255;
constexpr int kFullMargin = 20;         // a block is full when last >= limit - kFullMargin
constexpr std::int32_t kProgressPairs = 32768;
constexpr std::int32_t kSpotStart = 8000;

// Next byte of the source, or -1 at its end; the run-length stage keeps its own one-byte
// look-ahead instead of pushing bytes back into the caller's stream.
inline int nextByte(ByteInput& source) {
  CodecState& s = codecState;
  if (s.lookahead >= 0) {
    int c = s.lookahead;
    s.lookahead = -1;
    return c;
  }
  if (s.sourceEnded) return -1;
  int c = source.get();
  if (c < 0) s.sourceEnded = true;
  return c;
}

inline void store(std::uint32_t* words, std::int32_t at, int byte) {
  words[at] = (words[at] & 0x00FFFFFFu) | (std::uint32_t(byte) << 24);
}

// Next value of the perturbation's step cycle 1 -> 4 -> 5 -> 9 -> 2 -> 6 -> 7 -> 3 -> 1.
int nextSpotStep(int d) {
  switch (d) {
    case 1: return 4;
    case 4: return 5;
    case 5: return 9;
    case 9: return 2;
    case 2: return 6;
    case 6: return 7;
    case 7: return 3;
    default: return 1;
  }
}

}  // namespace

bool getRLEpair(ByteInput& source, ProgressProc progress) {
  CodecState& s = codecState;
  std::uint32_t* words = s.blockWords;
  const std::int32_t full = blockLimit() - kFullMargin;
  std::int32_t last = -1;
  std::int32_t countdown = 0;
  for (;;) {
    int c = nextByte(source);
    int run = 0;
    if (c >= 0) {
      run = 1;
      int next;
      while ((next = nextByte(source)) == c && ++run < kMaxRun) {
      }
      if (next >= 0 && next != c) s.lookahead = next;
    }
    if (progress) {
      if (countdown == 0) {
        progress();
        countdown = kProgressPairs;
      } else {
        --countdown;
      }
    }
    if (c < 0) {
      store(words, ++last, kEndMarker);
      s.last = last;
      return true;
    }
    for (int i = 0; i < run && i < 4; ++i) store(words, ++last, c);
    if (run >= 4) store(words, ++last, run - 4);
    if (last >= full) {
      s.last = last;
      return false;
    }
  }
}

void spotBlock(bool compressing) {
  CodecState& s = codecState;
  int d = 1;
  for (std::int32_t p = kSpotStart; p < s.last;) {
    if (compressing) {
      std::uint32_t byte = ((s.blockWords[p] >> 24) + 1) & 0xFF;
      store(s.blockWords, p, int(byte));
    } else {
      s.outBlock[p] = std::uint8_t(s.outBlock[p] - 1);
    }
    d = nextSpotStep(d);
    p += kSpotStart + 17 * (d - 5);
  }
}

void expandBlock(std::uint8_t* output, std::size_t capacity, std::size_t* position,
                 bool lastBlock) {
  CodecState& s = codecState;
  const std::uint8_t* block = s.outBlock;
  if (lastBlock && (s.last < 0 || block[s.last] != kEndMarker)) BS_REPORT("Unblock error");
  const std::int32_t end = lastBlock ? s.last - 1 : s.last;
  std::size_t at = *position;
  int prev = -1;
  int count = 0;
  for (std::int32_t i = 0; i <= end;) {
    std::uint8_t b = block[i++];
    std::size_t extra = 0;
    if (b != prev) {
      count = 1;
    } else if (++count == 4) {
      // The count byte of a long run; a block that ends right after four equal bytes
      // carries none, as the encoder never splits a run from its count.
      if (i <= end) extra = block[i++];
      count = 0;
    }
    if (1 + extra > capacity - at) BS_REPORT("Output overrun during decompression");
    output[at++] = b;
    std::memset(output + at, b, extra);
    at += extra;
    prev = b;
  }
  *position = at;
}
