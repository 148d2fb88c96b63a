// LZ77 encoder. The output is fixed by a greedy matcher over an 8192-byte window: at each
// position the longest match (at most 256 bytes) wins, the nearest among equal lengths; a
// two-byte match is used only within 255 bytes. Instead of walking every earlier position
// holding the same byte, we look up three-byte hash chains for matches of 3 or more and the
// nearest two-byte occurrence for matches of 2. Both find exactly the match that the full
// walk finds, so the bytes are the same, only produced faster.
#include <algorithm>
#include <cstring>

#include "codec/codec_api.h"
#include "codec/lz77_format.h"

namespace {

using namespace lz77;
using Pos = std::int64_t;  // absolute position in the source; -1 for none

constexpr int kHashBits = 15;
constexpr int kRing = 32768;  // more than the input buffer: a link inside the window stays live
constexpr int kPadding = 16;  // lets the hash functions load whole words near the end

// Chains of positions whose first k bytes hash alike, for k = 3, 6 and 12. A search walks
// the 3-byte chain and moves to a longer-key chain once the best match is long enough that
// any better one must share that longer prefix: the same candidates, far fewer visits.
constexpr int kLevels = 3;
constexpr int kKeyLength[kLevels] = {3, 6, 12};

struct Chains {
  Pos head[1 << kHashBits];  // latest position of each hash
  Pos prev[kRing];           // previous position with the same hash, by position % kRing
};

// Working storage, one set per process like the decoder's.
struct EncoderState {
  std::uint8_t buffer[kInputBuffer + kPadding];
  Chains level[kLevels];
  Pos last2[65536];  // latest position of each two-byte pair
};
EncoderState state;

inline std::uint64_t load64(const std::uint8_t* p) {
  std::uint64_t v;
  std::memcpy(&v, p, 8);
  return v;  // byte order does not matter for a hash
}

inline unsigned hashKey(const std::uint8_t* p, int level) {
  std::uint64_t v;
  if (level == 0) {
    v = (std::uint64_t(p[0]) << 16) | (std::uint64_t(p[1]) << 8) | p[2];
  } else if (level == 1) {
    v = load64(p) & 0xFFFFFFFFFFFFull;  // the first 6 bytes (our targets are little-endian)
  } else {
    v = load64(p) * 0x9E3779B97F4A7C15ull ^ (std::uint64_t(p[8]) | std::uint64_t(p[9]) << 8 |
                                             std::uint64_t(p[10]) << 16 | std::uint64_t(p[11]) << 24);
  }
  return unsigned((v * 0x9E3779B97F4A7C15ull) >> (64 - kHashBits));
}
inline unsigned key2(const std::uint8_t* p) { return (unsigned(p[0]) << 8) | p[1]; }

// Collects flag bits from bit 0 up with the data bytes that follow them; the 16th bit sends
// the word and its bytes, so later data bytes follow the next word.
class FlagWriter {
 public:
  explicit FlagWriter(ByteOutput& out) : out_(out) {}
  void bit(unsigned b) {
    word_ |= b << bits_;
    if (++bits_ == 16) send();
  }
  void data(std::uint8_t b) { pending_[pendingCount_++] = b; }
  // Sends the last word, shifted so that its first bit is bit 0 (it was built that way).
  void finish() { send(); }
  bool ok() const { return ok_; }
  long written() const { return written_; }

 private:
  void send() {
    if (ok_) {
      const std::uint8_t head[2] = {std::uint8_t(word_), std::uint8_t(word_ >> 8)};
      ok_ = out_.write(head, 2) && out_.write(pending_, pendingCount_);
      written_ += 2 + pendingCount_;
    }
    word_ = 0;
    bits_ = 0;
    pendingCount_ = 0;
  }

  ByteOutput& out_;
  unsigned word_ = 0;
  int bits_ = 0;
  // At most 16 operations start in one word, each with up to 3 data bytes, plus the tail of
  // an operation that began in the previous word.
  std::uint8_t pending_[64];
  int pendingCount_ = 0;
  long written_ = 0;
  bool ok_ = true;
};

int fill(ByteInput& source, std::uint8_t* to, int room) {
  int n = 0;
  for (int c; n < room && (c = source.get()) >= 0;) to[n++] = std::uint8_t(c);
  return n;
}

}  // namespace

int lzEncode(ByteInput& source, ByteOutput& destination, ProgressProc progress) {
  EncoderState& s = state;
  for (Chains& c : s.level) std::fill(std::begin(c.head), std::end(c.head), Pos(-1));
  std::fill(std::begin(s.last2), std::end(s.last2), Pos(-1));
  std::uint8_t* const buf = s.buffer;
  int len = fill(source, buf, kInputBuffer);
  if (len == 0) buf[0] = 0;  // an empty source still begins with one literal
  Pos base = 0;              // absolute position of buf[0]

  // Positions whose pair or triple runs past the data are never a candidate for a later
  // position, so they are simply not entered.
  auto enter = [&](int i) {
    const Pos at = base + i;
    if (i + 1 < len) s.last2[key2(buf + i)] = at;
    for (int l = 0; l < kLevels && i + kKeyLength[l] <= len; ++l) {
      Chains& c = s.level[l];
      const unsigned h = hashKey(buf + i, l);
      c.prev[at & (kRing - 1)] = c.head[h];
      c.head[h] = at;
    }
  };

  FlagWriter w(destination);
  w.bit(1);
  w.data(buf[0]);
  enter(0);

  for (int i = 1; i < len; ++i) {
    const std::uint8_t* cur = buf + i;
    const int maxLen = std::min(len - i, kMaxMatch);
    const Pos at = base + i;
    const Pos windowStart = std::max(base, at - kWindow);
    int bestLen = 0;
    Pos bestPos = -1;
    if (maxLen >= 3) {
      int l = 0;
      Pos seen = at;  // candidates at or above this were already measured
      for (Pos p = s.level[0].head[hashKey(cur, 0)]; p >= windowStart;) {
        if (p < seen) {
          seen = p;
          const std::uint8_t* cand = buf + (p - base);
          if (bestLen == 0 || cand[bestLen] == cur[bestLen]) {  // else it cannot be longer
            int m = 0;
            while (m < maxLen && cand[m] == cur[m]) ++m;
            if (m > bestLen && m >= 3) {
              bestLen = m;
              bestPos = p;
              if (m == maxLen) break;
              // A longer match now shares the next level's key: continue on its chain.
              if (l + 1 < kLevels && bestLen + 1 >= kKeyLength[l + 1] &&
                  maxLen >= kKeyLength[l + 1]) {
                while (l + 1 < kLevels && bestLen + 1 >= kKeyLength[l + 1] &&
                       maxLen >= kKeyLength[l + 1]) {
                  ++l;
                }
                p = s.level[l].head[hashKey(cur, l)];
                continue;
              }
            }
          }
        }
        p = s.level[l].prev[p & (kRing - 1)];
      }
    }
    if (bestLen < 3 && maxLen >= 2) {
      const Pos p = s.last2[key2(cur)];
      if (p >= windowStart && at - p <= kMaxShortDistance) {
        bestLen = 2;
        bestPos = p;
      }
    }

    if (bestLen >= 2) {
      const int length = bestLen;
      const int offset = int(bestPos - at);  // -8192 .. -1
      w.bit(0);
      for (int k = 0; k < length; ++k) enter(i + k);
      i += length - 1;
      if (length <= kMaxShortMatch && offset >= -kMaxShortDistance) {
        w.bit(0);
        w.bit(((length - 2) >> 1) & 1);
        w.bit((length - 2) & 1);
        w.data(std::uint8_t(offset));
      } else {
        w.bit(1);
        w.data(std::uint8_t(offset));
        const std::uint8_t high = std::uint8_t(((offset & 0x1FFF) >> 5) & 0xF8);
        if (length <= kMaxInlineLength) {
          w.data(std::uint8_t(high | (length - 2)));
        } else {
          w.data(high);
          w.data(std::uint8_t(length - 1));
        }
      }
    } else {
      w.bit(1);
      w.data(*cur);
      enter(i);
    }
    if (!w.ok()) return -1;

    if (i > kSlideAt) {
      if (progress) progress();
      std::memmove(buf, buf + kWindow, std::size_t(len - kWindow));
      base += kWindow;
      len -= kWindow;
      len += fill(source, buf + len, kInputBuffer - len);
      i -= kWindow;
    }
  }

  // End marker: a long copy with hi & 7 = 0 and n = 0.
  w.bit(0);
  w.bit(1);
  w.data(1);
  w.data(0);
  w.data(0);
  w.finish();
  return w.ok() ? int(w.written()) : -1;
}
