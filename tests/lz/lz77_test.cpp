// LZ77 codec: the fixed vectors, byte equality with the plain chain-walking encoder, round
// trips across window slides, and a decoder that stops safely on bad or short streams.
#include <gtest/gtest.h>

#include "codec/codec_api.h"
#include "tests/lz/codec_test_data.h"
#include "tests/lz/lz77_reference.h"

namespace {

Bytes encode(const Bytes& input) {
  MemoryInput in(input.data(), input.size());
  MemoryOutput out;
  const int written = lzEncode(in, out, nullptr);
  EXPECT_EQ(written, int(out.bytes().size()));
  return out.bytes();
}

Bytes decode(const Bytes& stream, std::size_t capacity) {
  MemoryInput in(stream.data(), stream.size());
  Bytes out(capacity + 1, 0xEE);  // one guard byte past the capacity
  const std::size_t n = lzDecode(in, out.data(), capacity, nullptr);
  EXPECT_LE(n, capacity);
  EXPECT_EQ(out[capacity], 0xEE) << "wrote past the capacity";
  out.resize(n);
  return out;
}

TEST(Lz77, FixedVectors) {
  EXPECT_EQ(encode({0x41}), (Bytes{0x05, 0x00, 0x41, 0x01, 0x00, 0x00}));
  EXPECT_EQ(encode(Bytes(300, 0x07)),
            (Bytes{0x55, 0x00, 0x07, 0xFF, 0xF8, 0xFF, 0xFF, 0xF8, 0x2A, 0x01, 0x00, 0x00}));
}

TEST(Lz77, TwoByteRepeatIsCopiedOnlyWithin255Bytes) {
  // "XY", a run of z, "XY": at distance 202 the pair is a short copy (d = 0x36); at 302 it
  // is two literals, since a copy that far needs three bytes.
  auto input = [](std::size_t run) {
    return bytesOf("XY" + std::string(run, 'z') + "XY");
  };
  EXPECT_EQ(encode(input(200)), (Bytes{0x17, 0x04, 'X', 'Y', 'z', 0xFF, 0xF8, 0xC6, 0x36, 0x01,
                                       0x00, 0x00}));
  EXPECT_EQ(encode(input(300)), (Bytes{0xD7, 0x05, 'X', 'Y', 'z', 0xFF, 0xF8, 0xFF, 0xFF, 0xF8,
                                       0x2A, 'X', 'Y', 0x01, 0x00, 0x00}));
}

struct Case {
  const char* name;
  Bytes input;
};

std::vector<Case> cases() {
  Bytes mixed = wordText(30000, 7);
  const Bytes tail = noise(20000, 256, 3);
  mixed.insert(mixed.end(), tail.begin(), tail.end());
  return {
      {"empty", {}},
      {"one byte", {0x00}},
      {"two bytes", {0x10, 0x10}},
      {"three equal", {1, 1, 1}},
      {"binary noise", noise(5000, 256, 1)},
      {"four symbols across slides", noise(70000, 4, 2)},
      {"word text across slides", wordText(120000, 5)},
      {"text then noise", mixed},
      {"long run", Bytes(50000, 0)},
  };
}

TEST(Lz77, EncoderMatchesPlainChainWalkAndRoundTrips) {
  for (const Case& c : cases()) {
    SCOPED_TRACE(c.name);
    const Bytes stream = encode(c.input);
    if (!c.input.empty()) {
      EXPECT_EQ(stream, referenceLzEncode(c.input));
    }
    EXPECT_EQ(decode(stream, c.input.size()), c.input);
  }
}

TEST(Lz77, FlagWordIsReadBeforeTheDataOfTheOperationItEnds) {
  // 15 literals and a copy whose first flag bit is the 16th: its two data bytes follow the
  // next flag word. Then "abc" again through a long copy.
  Bytes input;
  for (int k = 0; k < 15; ++k) input.push_back(std::uint8_t('A' + k));
  input.insert(input.end(), {'A', 'B', 'C'});
  const Bytes stream = encode(input);
  ASSERT_EQ(stream, referenceLzEncode(input));
  // Word 1 (15 literal bits, then the copy's 0), the 15 literals, word 2 (the copy's
  // 0, 0, 1 and the end marker's 0, 1), then the copy's offset byte -15.
  EXPECT_EQ(stream, (Bytes{0xFF, 0x7F, 'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K',
                           'L', 'M', 'N', 'O', 0x14, 0x00, 0xF1, 0x01, 0x00, 0x00}));
  EXPECT_EQ(decode(stream, input.size()), input);
}

TEST(Lz77, EncoderReportsFailedWrite) {
  const Bytes input = wordText(40000, 9);
  MemoryInput in(input.data(), input.size());
  MemoryOutput out(100);
  EXPECT_EQ(lzEncode(in, out, nullptr), -1);
}

int progressCalls = 0;
void countProgress() { ++progressCalls; }

TEST(Lz77, ProgressOncePer8192Bytes) {
  const Bytes input = noise(100000, 3, 4);
  progressCalls = 0;
  MemoryInput in(input.data(), input.size());
  MemoryOutput out;
  lzEncode(in, out, countProgress);
  EXPECT_GE(progressCalls, 9);
  EXPECT_LE(progressCalls, 12);
  progressCalls = 0;
  MemoryInput back(out.bytes().data(), out.bytes().size());
  Bytes decoded(input.size());
  EXPECT_EQ(lzDecode(back, decoded.data(), decoded.size(), countProgress), input.size());
  EXPECT_EQ(progressCalls, int(input.size() / 8192));
}

TEST(Lz77, DecoderStopsAtCapacityAndAtEndOfInput) {
  const Bytes input = wordText(5000, 11);
  const Bytes stream = encode(input);
  // Smaller buffer: exactly the prefix, nothing past it.
  const Bytes prefix = decode(stream, 1234);
  EXPECT_EQ(prefix, Bytes(input.begin(), input.begin() + 1234));
  // Every truncation: a short result, never the whole data.
  for (std::size_t cut = 0; cut + 3 < stream.size(); cut += 7) {
    const Bytes part = decode(Bytes(stream.begin(), stream.begin() + cut), input.size());
    EXPECT_LT(part.size(), input.size()) << "cut at " << cut;
    EXPECT_EQ(part, Bytes(input.begin(), input.begin() + part.size()));
  }
}

TEST(Lz77, DecoderRejectsCopiesBeforeTheStartAndHandlesNoOp) {
  struct Stream {
    const char* name;
    Bytes bytes;
    Bytes expected;
  };
  const Stream streams[] = {
      // literal 'a', long copy at offset -1 (hi&7 = 0, n = 1: no-op), literal 'b', end.
      {"no-op marker", {0x2D, 0x00, 'a', 0xFF, 0xF8, 0x01, 'b', 0x01, 0x00, 0x00}, {'a', 'b'}},
      // short copy of 2 at offset -1 with nothing decoded yet.
      {"copy from nothing", {0x00, 0x00, 0xFF}, {}},
      // literal 'z', long copy of 9 at offset -2: reaches before the data.
      {"copy too far", {0x05, 0x00, 'z', 0xFE, 0xFF}, {'z'}},
      // long copy of length 3 overlapping offset -1 after one literal.
      {"overlap", {0x15, 0x00, 'q', 0xFF, 0xF8, 0x02, 0x01, 0x00, 0x00}, {'q', 'q', 'q', 'q'}},
  };
  for (const Stream& s : streams) {
    SCOPED_TRACE(s.name);
    EXPECT_EQ(decode(s.bytes, 64), s.expected);
  }
}

}  // namespace
