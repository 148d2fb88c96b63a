// LZ77 decoder. Decodes straight into the caller's buffer, which also serves as the history
// for copies. It stops at the end marker, at the end of its input, at a copy that reaches
// before the first output byte, and when the buffer is full; it never writes past capacity.
#include <cstring>

#include "codec/codec_api.h"
#include "codec/lz77_format.h"

namespace {

// Hands out flag bits from bit 0 up. After the 16th bit of a word it reads the next word at
// once, before the data bytes of the operation that bit belongs to.
class FlagReader {
 public:
  explicit FlagReader(ByteInput& in) : in_(in) { load(); }
  // 0 or 1, or -1 when the input ended.
  int bit() {
    if (bits_ == 0) return -1;
    const int b = word_ & 1;
    if (--bits_ == 0) {
      load();
    } else {
      word_ >>= 1;
    }
    return b;
  }
  int byte() { return in_.get(); }

 private:
  void load() {
    const int lo = in_.get();
    const int hi = lo < 0 ? -1 : in_.get();
    if (hi < 0) {
      bits_ = 0;  // no further bit can be taken
      return;
    }
    word_ = unsigned(lo) | (unsigned(hi) << 8);
    bits_ = 16;
  }

  ByteInput& in_;
  unsigned word_ = 0;
  int bits_ = 0;
};

}  // namespace

std::size_t lzDecode(ByteInput& source, std::uint8_t* output, std::size_t capacity,
                     ProgressProc progress) {
  FlagReader in(source);
  std::size_t out = 0;
  std::size_t nextProgress = lz77::kProgressStep;
  for (;;) {
    if (progress && out >= nextProgress) {
      progress();
      nextProgress += lz77::kProgressStep;
    }
    const int kind = in.bit();
    if (kind < 0) break;
    if (kind == 1) {
      const int c = in.byte();
      if (c < 0 || out == capacity) break;
      output[out++] = std::uint8_t(c);
      continue;
    }
    const int form = in.bit();
    if (form < 0) break;
    std::size_t length, distance;
    if (form == 1) {
      const int lo = in.byte();
      const int hi = lo < 0 ? -1 : in.byte();
      if (hi < 0) break;
      distance = std::size_t(lz77::kWindow - ((hi >> 3) * 256 + lo));
      if (hi & 7) {
        length = std::size_t(hi & 7) + 2;
      } else {
        const int n = in.byte();
        if (n <= 0) break;  // end marker, or the input ended
        if (n == 1) continue;
        length = std::size_t(n) + 1;
      }
    } else {
      const int h = in.bit();
      const int l = h < 0 ? -1 : in.bit();
      const int d = l < 0 ? -1 : in.byte();
      if (d < 0) break;
      length = std::size_t(2 * h + l + 2);
      distance = std::size_t(256 - d);
    }
    if (distance > out) break;  // a copy from before the data: corrupt stream
    const bool cut = length > capacity - out;
    if (cut) length = capacity - out;
    std::uint8_t* to = output + out;
    const std::uint8_t* from = to - distance;
    if (distance >= length) {
      std::memcpy(to, from, length);
    } else if (distance == 1) {
      std::memset(to, *from, length);  // a run of one byte
    } else {
      // Overlapping: the copy repeats the last `distance` bytes; each piece of at most
      // `distance` bytes reads only bytes already written.
      for (std::size_t k = 0; k < length; k += distance)
        std::memcpy(to + k, from + k, length - k < distance ? length - k : distance);
    }
    out += length;
    if (cut) break;
  }
  return out;
}
