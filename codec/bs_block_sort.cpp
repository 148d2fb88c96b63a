// The graded sort of a block's rotations and the origin pointer.
//
// Blocks above kSmallBlock entries are sorted on four-byte keys: word p holds the bytes of
// positions p..p+3 (cyclically), big-endian. Positions are bucketed by their first two bytes
// (see sortBuckets for the order), and each sorted bucket's positions get their rank in
// bits 0-15, so a later comparison that reaches two positions of a sorted bucket is decided
// by one word. Words n..n+15 mirror words 0..15, so the four word reads of one
// comparison step never wrap.
#include "codec/bs_block_sort.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "codec/bs_report.h"
#include "codec/bs_state.h"

namespace {

constexpr std::int32_t kSmallBlock = 1024;
constexpr std::int32_t kInsertionSpan = 10;  // ranges with hi - lo <= this are insertion-sorted
constexpr int kStackDepth = 40;
constexpr std::int32_t kUnrankedSize = 65535;  // buckets this large keep their bytes
constexpr std::int32_t kReadAhead = 16;  // entries between a prefetch and the read it serves

// Text and executables need about 4 to 7 steps per entry, data with a period of a thousand
// bytes up to 19; a block with long repeats that ranked buckets cannot cut short needs
// thousands, and the doubling sort is quicker there.
std::int64_t workPerEntry = 24;

struct Sorter {
  std::uint32_t* words;
  std::int32_t* order;
  std::int32_t n;
  std::int64_t workLeft;  // comparison steps left before the block goes to doublingSort
  SortKey* keyCache;  // [0..kKeyCacheSize-1]

  // Sign of rotation a minus rotation b, 16 bytes per step, stopping after n bytes.
  int compare(std::int32_t a, std::int32_t b) { return a == b ? 0 : compareFrom(a, b, 0); }

  // The steps of compare from byte `done` on; a and b are the rotations advanced by done.
  int compareFrom(std::int32_t a, std::int32_t b, std::int32_t done) {
    const std::uint32_t* w = words;
    for (; done < n; done += 16) {
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

  // Entries of the quicksort: plain positions, or for buckets of at most kKeyCacheSize
  // positions a SortKey, so that most comparisons are decided without reaching into
  // blockWords. Both kinds give the same answers and spend the same work budget.
  bool less(std::int32_t a, std::int32_t b) { return compare(a, b) < 0; }
  bool less(const SortKey& x, const SortKey& y) {
    if (x.words != y.words) {
      // Differing first words decide before compare's first step; the second word is
      // part of that step.
      if ((x.words >> 32) == (y.words >> 32) && --workLeft < 0) return false;
      return x.words < y.words;
    }
    std::int32_t a = x.position, b = y.position;
    if (a == b || --workLeft < 0) return false;
    const std::uint32_t* w = words;
    if (w[a + 8] != w[b + 8]) return w[a + 8] < w[b + 8];
    if (w[a + 12] != w[b + 12]) return w[a + 12] < w[b + 12];
    a += 16;
    if (a >= n) a -= n;
    b += 16;
    if (b >= n) b -= n;
    return compareFrom(a, b, 16) < 0;
  }

  template <typename Entry>
  void insertionSort(Entry* entries, std::int32_t lo, std::int32_t hi) {
    for (std::int32_t i = lo + 1; i <= hi; ++i) {
      Entry v = entries[i];
      std::int32_t j = i;
      while (j > lo && less(v, entries[j - 1])) {
        entries[j] = entries[j - 1];
        --j;
      }
      entries[j] = v;
    }
  }

  // Quicksort of entries[lo..hi] with median-of-three pivots and an explicit stack; the
  // larger part is pushed, so the stack stays below log2(n) ranges. False when the work
  // budget ran out.
  template <typename Entry>
  bool quickSort(Entry* entries, std::int32_t lo, std::int32_t hi) {
    std::int32_t stack[kStackDepth][2];
    int depth = 0;
    for (;;) {
      while (hi - lo > kInsertionSpan) {
        if (workLeft < 0) return false;
        std::int32_t mid = lo + (hi - lo) / 2;
        if (less(entries[mid], entries[lo])) std::swap(entries[lo], entries[mid]);
        if (less(entries[hi], entries[lo])) std::swap(entries[lo], entries[hi]);
        if (less(entries[hi], entries[mid])) std::swap(entries[mid], entries[hi]);
        std::swap(entries[mid], entries[hi - 1]);
        const Entry pivot = entries[hi - 1];
        std::int32_t i = lo, j = hi - 1;
        for (;;) {
          while (less(entries[++i], pivot)) {
          }
          while (less(pivot, entries[--j])) {
          }
          if (i >= j) break;
          std::swap(entries[i], entries[j]);
        }
        std::swap(entries[i], entries[hi - 1]);
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
      insertionSort(entries, lo, hi);
      if (workLeft < 0) return false;
      if (depth == 0) return true;
      --depth;
      lo = stack[depth][0];
      hi = stack[depth][1];
    }
  }

  // Sorts the bucket order[lo..hi] by rotation; false when the work budget ran out.
  bool sortBucket(std::int32_t lo, std::int32_t hi) {
    const std::int32_t size = hi - lo + 1;
    if (size > kKeyCacheSize) return quickSort(order, lo, hi);
    for (std::int32_t i = 0; i < size; ++i) {
      if (i + kReadAhead < size) __builtin_prefetch(words + order[lo + i + kReadAhead]);
      std::int32_t p = order[lo + i];
      keyCache[i] = {(std::uint64_t(words[p]) << 32) | words[p + 4], p};
    }
    if (!quickSort(keyCache, 0, size - 1)) return false;
    for (std::int32_t i = 0; i < size; ++i) order[lo + i] = keyCache[i].position;
    return true;
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

// Gives each position of the sorted bucket k its rank in bits 0-15 of its word (and of its
// copy word), so later comparisons that reach two positions of the bucket end there.
void rankBucket(std::uint32_t* words, const std::int32_t* order, const std::int32_t* bucketStart,
                std::int32_t n, int k) {
  const std::int32_t first = bucketStart[k], size = bucketStart[k + 1] - first;
  if (size < 2 || size >= kUnrankedSize) return;
  for (std::int32_t r = 0; r < size; ++r) {
    if (r + kReadAhead < size) __builtin_prefetch(words + order[first + r + kReadAhead], 1);
    std::int32_t p = order[first + r];
    words[p] = (words[p] & 0xFFFF0000u) | std::uint32_t(r);
    if (p < kCopyWords) words[p + n] = words[p];
  }
}

// Builds the four-byte keys and buckets the positions by their first two bytes.
void fillBuckets(std::uint32_t* words, std::int32_t* order, std::int32_t* bucketStart,
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
}

// Sorts the buckets. The positions whose first byte is c form the group c of buckets
// (c, 0..255). Groups are finished from the smallest to the largest: the group's buckets
// that are not yet sorted are quicksorted, and then one scan of the sorted group puts every
// bucket (t, c) of a group t still to come in order without a comparison, since the
// rotation at p - 1 is byte t followed by the rotation at p. So of the buckets (x, y) and
// (y, x) only one is ever quicksorted. False when the work budget ran out.
bool sortBuckets(std::uint32_t* words, std::int32_t* order, const std::int32_t* bucketStart,
                 std::int32_t n) {
  auto groupStart = [&](int c) { return bucketStart[c << 8]; };
  auto groupEnd = [&](int c) { return bucketStart[(c + 1) << 8]; };  // [65536] holds n
  int groups[256];
  for (int c = 0; c < 256; ++c) groups[c] = c;
  std::sort(groups, groups + 256, [&](int a, int b) {  // std::sort allocates nothing
    std::int32_t sizeA = groupEnd(a) - groupStart(a), sizeB = groupEnd(b) - groupStart(b);
    return sizeA != sizeB ? sizeA < sizeB : a < b;
  });

  Sorter sorter{words, order, n, workPerEntry * n, codecState.sortKeys};
  bool finished[256] = {};
  for (int c : groups) {
    for (int x = 0; x < 256; ++x) {
      if (finished[x]) continue;  // (c, x) was put in order by the scan of group x
      const int k = (c << 8) | x;
      const std::int32_t first = bucketStart[k], size = bucketStart[k + 1] - first;
      if (size > 1 && !sorter.sortBucket(first, first + size - 1)) return false;
      rankBucket(words, order, bucketStart, n, k);
    }
    finished[c] = true;

    std::int32_t next[256];
    for (int t = 0; t < 256; ++t) next[t] = bucketStart[(t << 8) | c];
    for (std::int32_t i = groupStart(c); i < groupEnd(c); ++i) {
      // Word p - 1 is nearly always on the line of word p.
      if (i + kReadAhead < n) __builtin_prefetch(words + order[i + kReadAhead]);
      std::int32_t p = order[i];
      std::int32_t q = p > 0 ? p - 1 : n - 1;
      int t = int(words[q] >> 24);
      if (!finished[t]) order[next[t]++] = q;
    }
    for (int t = 0; t < 256; ++t)
      if (!finished[t]) rankBucket(words, order, bucketStart, n, (t << 8) | c);
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
  fillBuckets(s.blockWords, s.sortOrder, s.bucketStart, n);
  if (!sortBuckets(s.blockWords, s.sortOrder, s.bucketStart, n)) doublingSort();
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
