// The sort of a block's rotations against a plain sort of all rotations, for the small-block
// path, the bucket path and the doubling path.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "codec/bs_block_sort.h"
#include "codec/bs_state.h"
#include "tests/codec/codec_helpers.h"

namespace {

// Lends test-owned buffers to the codec state for one block.
class BlockUnderSort {
 public:
  explicit BlockUnderSort(const Bytes& block)
      : words_(block.size() + kCopyWords),
        order_(block.size()),
        buckets_(kBucketCount + 1),
        keys_(kKeyCacheSize) {
    for (std::size_t i = 0; i < block.size(); ++i) words_[i] = std::uint32_t(block[i]) << 24;
    codecState.blockWords = words_.data();
    codecState.sortOrder = order_.data();
    codecState.bucketStart = buckets_.data();
    codecState.sortKeys = keys_.data();
    codecState.last = std::int32_t(block.size()) - 1;
  }
  ~BlockUnderSort() {
    codecState.blockWords = nullptr;
    codecState.sortOrder = nullptr;
    codecState.bucketStart = nullptr;
    codecState.sortKeys = nullptr;
  }
  std::vector<std::int32_t> order() const { return order_; }

 private:
  std::vector<std::uint32_t> words_;
  std::vector<std::int32_t> order_;
  std::vector<std::int32_t> buckets_;
  std::vector<SortKey> keys_;
};

std::vector<std::int32_t> plainRotationSort(const Bytes& block) {
  const std::size_t n = block.size();
  std::vector<std::int32_t> order(n);
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](std::int32_t a, std::int32_t b) {
    for (std::size_t k = 0; k < n; ++k) {
      std::uint8_t x = block[(a + k) % n], y = block[(b + k) % n];
      if (x != y) return x < y;
    }
    return false;
  });
  return order;
}

// The last column of the sorted rotations: what the coder sends.
Bytes lastColumn(const Bytes& block, const std::vector<std::int32_t>& order) {
  Bytes column;
  for (std::int32_t p : order) column.push_back(block[(p + block.size() - 1) % block.size()]);
  return column;
}

std::vector<std::int32_t> sortWithBudget(const Bytes& block, std::int64_t workPerEntry) {
  std::int64_t previous = setSortWorkPerEntry(workPerEntry);
  BlockUnderSort sorting(block);
  gradedSort();
  setSortWorkPerEntry(previous);
  return sorting.order();
}

std::vector<std::int32_t> sortByDoubling(const Bytes& block) {
  BlockUnderSort sorting(block);
  doublingSort();
  return sorting.order();
}

struct SortCase {
  const char* name;
  Bytes block;
};

Bytes concat(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

}  // namespace

TEST(BlockSort, DistinctRotationsComeInThePlainSortOrderOnEveryPath) {
  const Bytes text = wordText(3000, 11);
  const SortCase cases[] = {
      {"small block", wordText(1024, 3)},
      {"smallest bucketed block", wordText(1025, 3)},
      {"text", text},
      {"random", randomBytes(5000, 2)},
      {"text packed twice", concat(concat(text, text), bytesOf("!"))},
      {"long zero stretch", concat(Bytes(2000, 0), bytesOf("x"))},
  };
  for (const SortCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::int32_t> expected = plainRotationSort(c.block);
    EXPECT_EQ(sortWithBudget(c.block, 1000000), expected);  // graded sort only
    EXPECT_EQ(sortWithBudget(c.block, 0), expected);  // bucketed blocks give up at once
    EXPECT_EQ(sortByDoubling(c.block), expected);
  }
}

TEST(BlockSort, PeriodicBlockGivesTheSameLastColumnOnEveryPath) {
  const Bytes blocks[] = {periodicBytes(bytesOf("abcab"), 1000),
                          periodicBytes(randomBytes(7, 1), 7 * 400),
                          Bytes(2048, 'z')};
  for (const Bytes& block : blocks) {
    Bytes expected = lastColumn(block, plainRotationSort(block));
    EXPECT_EQ(lastColumn(block, sortWithBudget(block, 1000000)), expected);
    EXPECT_EQ(lastColumn(block, sortWithBudget(block, 0)), expected);
    EXPECT_EQ(lastColumn(block, sortByDoubling(block)), expected);
  }
}
