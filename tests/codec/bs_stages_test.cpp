// The block stages around the sort: the run-length form of a block and the perturbed
// positions, checked on the block itself.
#include <gtest/gtest.h>

#include "codec/bs_state.h"
#include "tests/codec/codec_helpers.h"

namespace {

// Lends test-owned compression buffers to the codec state at level 9.
class CompressionBlock {
 public:
  CompressionBlock() : words_(900000 + kCopyWords) {
    codecState.level = 9;
    codecState.blockWords = words_.data();
    codecState.lookahead = -1;
    codecState.sourceEnded = false;
  }
  ~CompressionBlock() {
    codecState.blockWords = nullptr;
    codecState.level = 0;
  }
  Bytes entries() const {
    Bytes out;
    for (std::int32_t i = 0; i <= codecState.last; ++i) out.push_back(std::uint8_t(words_[i] >> 24));
    return out;
  }

 private:
  std::vector<std::uint32_t> words_;
};

Bytes runEntries(std::uint8_t c, std::initializer_list<int> counts) {
  Bytes out;
  for (int count : counts) {
    out.insert(out.end(), 4, c);
    out.push_back(std::uint8_t(count));
  }
  return out;
}

Bytes concat(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

}  // namespace

TEST(BlockStages, RunsBecomeFourBytesAndACount) {
  struct RunCase {
    Bytes source;
    Bytes entries;  // without the end marker
  };
  const RunCase cases[] = {
      {Bytes(3, 'a'), Bytes(3, 'a')},
      {Bytes(4, 'a'), runEntries('a', {0})},
      {Bytes(255, 'a'), runEntries('a', {251})},
      {Bytes(256, 'a'), concat(runEntries('a', {251}), bytesOf("a"))},
      {Bytes(300, 'a'), runEntries('a', {251, 41})},
      {bytesOf("xyyyyyz***"), concat(concat(bytesOf("x"), runEntries('y', {1})), bytesOf("z***"))},
  };
  for (const RunCase& c : cases) {
    CompressionBlock block;
    MemoryInput input(c.source.data(), c.source.size());
    EXPECT_TRUE(getRLEpair(input, nullptr));
    EXPECT_EQ(block.entries(), concat(c.entries, {kEndMarker}));
  }
}

TEST(BlockStages, PerturbationTouchesTheFixedPositionsBelowLast) {
  struct SpotCase {
    std::int32_t last;
    std::vector<std::int32_t> firstChanged;
    std::size_t changedCount;
  };
  const SpotCase cases[] = {
      {8000, {}, 0},
      {8001, {8000}, 1},
      {899984, {8000, 15983, 23983, 32051, 40000, 48017, 56051, 64017, 71949, 79932, 87932, 96000},
       112},
  };
  for (const SpotCase& c : cases) {
    SCOPED_TRACE(c.last);
    CompressionBlock block;
    codecState.last = c.last;
    Bytes before = randomBytes(std::size_t(c.last) + 1, 8);
    before[8000] = 255;  // wraps to 0
    for (std::int32_t i = 0; i <= c.last; ++i) codecState.blockWords[i] = std::uint32_t(before[i]) << 24;
    spotBlock(true);
    Bytes after = block.entries();
    std::vector<std::int32_t> changed;
    for (std::int32_t i = 0; i <= c.last; ++i) {
      if (after[i] == before[i]) continue;
      EXPECT_EQ(after[i], std::uint8_t(before[i] + 1));
      changed.push_back(i);
    }
    ASSERT_EQ(changed.size(), c.changedCount);
    EXPECT_TRUE(std::equal(c.firstChanged.begin(), c.firstChanged.end(), changed.begin()));
    if (!changed.empty()) {
      EXPECT_EQ(after[8000], 0);
    }
    if (c.changedCount == 112) {
      EXPECT_EQ(changed.back(), 895354);
    }
  }
}
