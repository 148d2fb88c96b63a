// The codec's one bit stream: bits packed into bytes most significant bit first.
// A full byte is written only when the first bit of its successor arrives, or at close.
#pragma once

#include <cstdint>

#include "codec/bs_report.h"
#include "foundation/byte_stream.h"

constexpr int kWriteChunk = 4096;

struct BitStream {
  ByteInput* input = nullptr;
  ByteOutput* output = nullptr;
  std::int32_t buffer = 0;  // bits of the byte being assembled or consumed
  std::int32_t live = 0;    // writing: bits held (0..8); reading: bits not yet taken (0..7)
  char mode = 0;            // 'r' or 'w'
  bool open = false;
  // Writing: finished bytes not yet handed to output, which takes them a chunk at a time.
  // (Reading takes one byte at a time, so the source ends exactly after the stream.)
  int chunkUsed = 0;
  std::uint8_t chunk[kWriteChunk];
};

// The one bit stream of the process; the codec runs one operation at a time.
extern BitStream theBitStream;

void bsOpenReadStream(ByteInput& input);
void bsOpenWriteStream(ByteOutput& output);
void bsClose();
// Hands the finished bytes to the output; a refused write is reported ("EOF!").
void bsWriteChunk();

inline void bsPutBit(int bit) {
  BitStream& s = theBitStream;
  if (s.live == 8) {
    s.chunk[s.chunkUsed++] = std::uint8_t(s.buffer);
    if (s.chunkUsed == kWriteChunk) bsWriteChunk();
    s.buffer = bit;
    s.live = 1;
  } else {
    s.buffer = s.buffer * 2 + bit;
    ++s.live;
  }
}

// Puts the low `count` bits of `bits` (count <= 48), most significant first; the same as
// `count` calls of bsPutBit.
inline void bsPutBits(std::uint64_t bits, int count) {
  BitStream& s = theBitStream;
  std::uint64_t held = (std::uint64_t(s.buffer) << count) | bits;
  int heldCount = s.live + count;
  while (heldCount > 8) {
    heldCount -= 8;
    s.chunk[s.chunkUsed++] = std::uint8_t(held >> heldCount);
    if (s.chunkUsed == kWriteChunk) bsWriteChunk();
  }
  s.buffer = std::int32_t(held & ((1u << heldCount) - 1));
  s.live = heldCount;
}

inline int bsGetBit() {
  BitStream& s = theBitStream;
  if (s.live <= 0) {
    int byte = s.input->get();
    if (byte < 0 || s.input->failed()) BS_REPORT("Compressed stream EOF");
    s.buffer = byte;
    s.live = 7;
    return (byte >> 7) & 1;
  }
  --s.live;
  return (s.buffer >> s.live) & 1;
}

inline void bsPutByte(int value) {
  for (int bit = 7; bit >= 0; --bit) bsPutBit((value >> bit) & 1);
}

inline int bsGetByte() {
  int value = 0;
  for (int i = 0; i < 8; ++i) value = value * 2 + bsGetBit();
  return value;
}
