// Opening and closing the codec's bit stream.
#include "codec/bs_bit_stream.h"

BitStream theBitStream;

void bsOpenReadStream(ByteInput& input) {
  if (theBitStream.open) BS_REPORT("bsOpenReadStream");
  BitStream& s = theBitStream;
  s.input = &input;
  s.output = nullptr;
  s.buffer = 0;
  s.live = 0;
  s.mode = 'r';
  s.open = true;
}

void bsOpenWriteStream(ByteOutput& output) {
  if (theBitStream.open) BS_REPORT("bsOpenWriteStream");
  BitStream& s = theBitStream;
  s.input = nullptr;
  s.output = &output;
  s.buffer = 0;
  s.live = 0;
  s.mode = 'w';
  s.open = true;
  s.chunkUsed = 0;
}

void bsClose() {
  BitStream& s = theBitStream;
  if (!s.open) BS_REPORT("bsClose");
  s.open = false;
  if (s.mode != 'w') return;
  while (s.live < 8) {
    s.buffer *= 2;
    ++s.live;
  }
  s.chunk[s.chunkUsed++] = std::uint8_t(s.buffer);
  bsWriteChunk();
  if (!s.output->flush() || s.output->failed()) BS_REPORT("EOF!");
}

void bsWriteChunk() {
  BitStream& s = theBitStream;
  bool written = s.output->write(s.chunk, std::size_t(s.chunkUsed));
  s.chunkUsed = 0;
  if (!written || s.output->failed()) BS_REPORT("EOF!");
}
