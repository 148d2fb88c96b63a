// The graded sort of a block's rotations and the origin pointer.
//
// Blocks above kSmallBlock entries are sorted on four-byte keys: word p holds the bytes of
// positions p..p+3 (cyclically), big-endian. Positions are bucketed by their first two bytes;
// buckets are sorted smallest grade first, and each sorted bucket's positions get their
// rank in bits 0-15, so a later comparison that reaches two positions of a sorted bucket is
// decided by one word. Words n..n+15 mirror words 0..15, so the four word reads of one
// comparison step never wrap.
#include "codec/bs_block_sort.h"

#include <cstring>
#include <utility>

#include "codec/bs_report.h"
#include "codec/bs_state.h"

namespace {

constexpr std::int32_t kSmallBlock = 1024;
constexpr std::int32_t kInsertionSpan = 10;  // ranges with hi - lo <= this are insertion-sorted
constexpr int kStackDepth = 40;
constexpr int kGradeCount = 5;
constexpr std::int32_t kGradeLow[kGradeCount] = {2, 16, 256, 4096, 65536};
constexpr std::int32_t kGradeHigh[kGradeCount] = {15, 255, 4095, 65535, 900000};
constexpr std::int32_t kUnrankedSize = 65535;  // buckets this large keep their bytes

std::int64_t workPerEntry = 32;

struct Sorter {
  std::uint32_t* words;
  std::int32_t* order;
  std::int32_t n;
  std::int64_t workLeft;  // comparison steps left before the block goes to doublingSort

  // Sign of rotation a minus rotation b, 16 bytes per step, stopping after n bytes.
  int compare(std::int32_t a, std::int32_t b) {
    const std::uint32_t* w = words;
    if (a == b) return 0;
    for (std::int32_t done = 0; done < n; done += 16) {
      // Once the budget is spent every comparison answers "equal" at once, which stops
      // every scan of the partition where it stands.
      if (--workLeft < 0) return 0;
      if (w[a] != w[b]) return w[a] < w[b] ? -1 : 1;
      if (w[a + 4] != w[b + 4]) return w[a + 4] < w[b + 4] ? -1 : 1;
      if (w[a + 8] != w[b + 8]) return w[a + 8] < w[b + 8] ? -1 : 1;
      if (w[a + 12] != w[b + 12]) return w[a + 12] < w[b + 12] ? -1 : 1;
      a += 16;
      if (a >= n) a -= n;
      b += 16;
      if (b >= n) b -= n;
    }
    return 0;
  }

  bool less(std::int32_t a, std::int32_t b) { return compare(a, b) < 0; }

  void insertionSort(std::int32_t lo, std::int32_t hi) {
    for (std::int32_t i = lo + 1; i <= hi; ++i) {
      std::int32_t v = order[i];
      std::int32_t j = i;
      while (j > lo && less(v, order[j - 1])) {
        order[j] = order[j - 1];
        --j;
      }
      order[j] = v;
    }
  }

  // Quicksort of order[lo..hi] with median-of-three pivots and an explicit stack; the
  // larger part is pushed, so the stack stays below log2(n) ranges. False when the work
  // budget ran out.
  bool sortBucket(std::int32_t lo, std::int32_t hi) {
    std::int32_t stack[kStackDepth][2];
    int depth = 0;
    for (;;) {
      while (hi - lo > kInsertionSpan) {
        if (workLeft < 0) return false;
        std::int32_t mid = lo + (hi - lo) / 2;
        if (less(order[mid], order[lo])) std::swap(order[lo], order[mid]);
        if (less(order[hi], order[lo])) std::swap(order[lo], order[hi]);
        if (less(order[hi], order[mid])) std::swap(order[mid], order[hi]);
        std::swap(order[mid], order[hi - 1]);
        const std::int32_t pivot = order[hi - 1];
        std::int32_t i = lo, j = hi - 1;
        for (;;) {
          while (less(order[++i], pivot)) {
          }
          while (less(pivot, order[--j])) {
          }
          if (i >= j) break;
          std::swap(order[i], order[j]);
        }
        std::swap(order[i], order[hi - 1]);
        if (i - lo > hi - i) {
          stack[depth][0] = lo;
          stack[depth][1] = i - 1;
          lo = i + 1;
        } else {
          stack[depth][0] = i + 1;
          stack[depth][1] = hi;
          hi = i - 1;
        }
        ++depth;
      }
      insertionSort(lo, hi);
      if (workLeft < 0) return false;
      if (depth == 0) return true;
      --depth;
      lo = stack[depth][0];
      hi = stack[depth][1];
    }
  }
};

// Compares rotations one byte at a time; for blocks of at most kSmallBlock entries.
bool smallRotationGreater(const std::uint32_t* words, std::int32_t n, std::int32_t a,
                          std::int32_t b) {
  for (std::int32_t k = 0; k < n; ++k) {
    std::uint32_t x = words[a] >> 24, y = words[b] >> 24;
    if (x != y) return x > y;
    if (++a == n) a = 0;
    if (++b == n) b = 0;
  }
  return false;
}

// Shell sort with the gaps 1, 4, 13, 40, 121, 364, 1093.
void smallBlockSort(const std::uint32_t* words, std::int32_t* order, std::int32_t n) {
  const std::int32_t last = n - 1;
  for (std::int32_t i = 0; i < n; ++i) order[i] = i;
  std::int32_t h = 1;
  while (h <= n) h = 3 * h + 1;
  do {
    h /= 3;
    if (h > last) continue;
    for (std::int32_t i = h; i <= last; ++i) {
      std::int32_t v = order[i];
      std::int32_t j = i;
      while (j >= h && smallRotationGreater(words, n, order[j - h], v)) {
        order[j] = order[j - h];
        j -= h;
      }
      order[j] = v;
    }
  } while (h > 1);
}

// Builds the four-byte keys, buckets the positions by their first two bytes and sorts the
// buckets grade by grade. False when the work budget ran out.
bool bucketSort(std::uint32_t* words, std::int32_t* order, std::int32_t* bucketStart,
                std::int32_t n) {
  for (std::int32_t p = 0; p < n; ++p) {
    std::int32_t p1 = p + 1 < n ? p + 1 : p + 1 - n;
    std::int32_t p2 = p + 2 < n ? p + 2 : p + 2 - n;
    std::int32_t p3 = p + 3 < n ? p + 3 : p + 3 - n;
    words[p] = (words[p] & 0xFF000000u) | ((words[p1] >> 24) << 16) | ((words[p2] >> 24) << 8) |
               (words[p3] >> 24);
  }
  std::memset(bucketStart, 0, sizeof(std::int32_t) * (kBucketCount + 1));
  for (std::int32_t p = 0; p < n; ++p) ++bucketStart[words[p] >> 16];
  for (int k = 1; k <= kBucketCount; ++k) bucketStart[k] += bucketStart[k - 1];
  for (std::int32_t p = 0; p < n; ++p) order[--bucketStart[words[p] >> 16]] = p;
  std::memcpy(words + n, words, sizeof(std::uint32_t) * kCopyWords);

  Sorter sorter{words, order, n, workPerEntry * n};
  for (int grade = 0; grade < kGradeCount; ++grade) {
    if (kGradeLow[grade] > n) continue;
    for (int k = 0; k < kBucketCount; ++k) {
      std::int32_t first = bucketStart[k], size = bucketStart[k + 1] - first;
      if (size < kGradeLow[grade] || size > kGradeHigh[grade]) continue;
      if (!sorter.sortBucket(first, first + size - 1)) return false;
      if (size >= kUnrankedSize) continue;
      for (std::int32_t r = 0; r < size; ++r) {
        std::int32_t p = order[first + r];
        words[p] = (words[p] & 0xFFFF0000u) | std::uint32_t(r);
        if (p < kCopyWords) words[p + n] = words[p];
      }
    }
  }
  return true;
}

}  // namespace

std::int64_t setSortWorkPerEntry(std::int64_t steps) {
  std::swap(workPerEntry, steps);
  return steps;
}

void gradedSort() {
  CodecState& s = codecState;
  const std::int32_t n = s.last + 1;
  if (n <= kSmallBlock) {
    smallBlockSort(s.blockWords, s.sortOrder, n);
    return;
  }
  if (!bucketSort(s.blockWords, s.sortOrder, s.bucketStart, n)) doublingSort();
}

void doReversibleTransformation() {
  CodecState& s = codecState;
  gradedSort();
  for (std::int32_t i = 0; i <= s.last; ++i) {
    if (s.sortOrder[i] == 0) {
      s.originPointer = i;
      return;
    }
  }
  BS_REPORT("doReversibleTransformation");
}
