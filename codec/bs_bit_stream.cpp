// Opening and closing the codec's bit stream.
#include "codec/bs_bit_stream.h"

BitStream theBitStream;

void bsOpenReadStream(ByteInput& input) {
  if (theBitStream.open) BS_REPORT("bsOpenReadStream");
  theBitStream = BitStream{&input, nullptr, 0, 0, 'r', true};
}

void bsOpenWriteStream(ByteOutput& output) {
  if (theBitStream.open) BS_REPORT("bsOpenWriteStream");
  theBitStream = BitStream{nullptr, &output, 0, 0, 'w', true};
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
  if (!s.output->put(std::uint8_t(s.buffer)) || s.output->failed()) BS_REPORT("EOF!");
  if (!s.output->flush() || s.output->failed()) BS_REPORT("EOF!");
}
