// Round trips of the block-sorting codec over generated sources, and the stream's shape.
#include <gtest/gtest.h>

#include "tests/codec/codec_helpers.h"

namespace {

constexpr std::size_t kBlockEntries = 900000;
constexpr std::size_t kFullBlock = kBlockEntries - 20;  // a block is full at this last index

struct RoundTripCase {
  const char* name;
  Bytes source;
  int blocks;  // blocks in the stream: decode progress calls
};

int progressCalls = 0;
void countProgress() { ++progressCalls; }

Bytes withTail(Bytes head, const std::string& tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

std::vector<RoundTripCase> roundTripCases() {
  return {
      {"empty", {}, 1},
      {"one byte", {0x2A}, 1},
      {"run of 3", Bytes(3, 'a'), 1},
      {"run of 4", Bytes(4, 'a'), 1},
      {"run of 255", Bytes(255, 0), 1},
      {"run of 256", Bytes(256, 0xFF), 1},
      {"run of 300", Bytes(300, 'a'), 1},
      {"runs of every length", withTail(Bytes(1000, 'x'), "yyyyzzzzzqqqqqqqqq"), 1},
      {"text ending in asterisks", bytesOf("text ending in asterisks***"), 1},
      {"only asterisks", bytesOf("****"), 1},
      {"all byte values", periodicBytes(randomBytes(256, 1), 4096), 1},
      {"text", wordText(60000, 7), 1},
      {"random", randomBytes(70000, 3), 1},
      {"periodic", periodicBytes(bytesOf("abcde"), 50000), 1},
      {"periodic long run", Bytes(1000000, 0), 1},
      {"block ends with the source", runFree(wordText(kFullBlock + 1, 5)), 2},
      {"block one entry short", runFree(wordText(kFullBlock, 5)), 1},
      {"several blocks", withTail(runFree(wordText(2 * kBlockEntries + 1000, 9)), "end***"), 3},
  };
}

}  // namespace

TEST(BlockSortingRoundTrip, RestoresEverySourceAndStopsAtTheStreamEnd) {
  for (const RoundTripCase& c : roundTripCases()) {
    SCOPED_TRACE(c.name);
    Bytes stream = encodeBytes(c.source);
    Bytes withTrailer = withTail(stream, "NEXT");
    std::size_t consumed = 0;
    progressCalls = 0;
    Bytes decoded = decodeBytes(withTrailer, c.source.size(), countProgress, &consumed);
    EXPECT_TRUE(decoded == c.source);
    EXPECT_EQ(consumed, stream.size());  // the decoder reads exactly the encoder's bytes
    EXPECT_EQ(progressCalls, c.blocks);
  }
}

TEST(BlockSortingRoundTrip, DecodesIntoAnAreaLargerThanTheData) {
  Bytes source = wordText(5000, 2);
  Bytes decoded = decodeBytes(encodeBytes(source), source.size() + 10);
  EXPECT_TRUE(Bytes(decoded.begin(), decoded.begin() + 5000) == source);
  EXPECT_EQ(decoded[5000], 0xEE);  // nothing written past the data
}

TEST(BlockSortingRoundTrip, CompressProgressRunsOnTheFirstPairAndEvery32769Pairs) {
  struct ProgressCase {
    std::size_t pairs;  // run-free bytes: one pair each, plus the end of the source
    int calls;
  };
  const ProgressCase cases[] = {{0, 1}, {32768, 1}, {32769, 2}, {100000, 4}};
  for (const ProgressCase& c : cases) {
    SCOPED_TRACE(c.pairs);
    progressCalls = 0;
    encodeBytes(runFreeBytes(c.pairs, 4), countProgress);
    EXPECT_EQ(progressCalls, c.calls);
  }
}

TEST(BlockSortingRoundTrip, EveryBlockHeaderButTheLastIsPositive) {
  Bytes stream = encodeBytes(runFree(wordText(kFullBlock + 1, 5)));
  // The first coded bit is 0 and the next 32 carry the first block's header value.
  std::uint32_t first = 0;
  for (int bit = 1; bit <= 32; ++bit) first = first * 2 + ((stream[4 + bit / 8] >> (7 - bit % 8)) & 1);
  EXPECT_GT(std::int32_t(first), 0);
}
