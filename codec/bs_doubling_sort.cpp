// Prefix doubling sort of a block's rotations: O(n log n) whatever the block holds.
//
// Positions are grouped by equal prefixes of length h; a group's rank is the sorted index
// of its last member. Each pass sorts every unsorted group by the rank of the position h
// further on, which groups by prefixes of 2h. Ranks are updated in place, which only
// refines them, so a pass may use ranks already refined by itself. Sorted runs of
// singleton groups are skipped as negative run lengths in sortOrder. The sort ends when
// every group is a singleton, or when a pass splits no group: its remaining groups then
// hold equal rotations, which get arbitrary distinct ranks.
#include <cstring>
#include <utility>

#include "codec/bs_block_sort.h"
#include "codec/bs_state.h"

namespace {

constexpr std::uint32_t kRankMask = 0x00FFFFFFu;  // ranks live below the byte in bits 24-31
constexpr std::int32_t kSelectionSpan = 7;

struct Doubler {
  std::uint32_t* words;
  std::int32_t* order;
  std::int32_t n;
  std::int32_t h = 0;
  bool split = false;  // a group was split during the current pass

  std::int32_t rank(std::int32_t p) const { return std::int32_t(words[p] & kRankMask); }
  void setRank(std::int32_t p, std::int32_t r) {
    words[p] = (words[p] & ~kRankMask) | std::uint32_t(r);
  }
  std::int32_t key(std::int32_t p) const {
    std::int32_t q = p + h;
    return rank(q < n ? q : q - n);
  }

  // Makes order[lo..hi] one group; a singleton is marked sorted.
  void updateGroup(std::int32_t lo, std::int32_t hi) {
    for (std::int32_t i = lo; i <= hi; ++i) setRank(order[i], hi);
    if (lo == hi) order[lo] = -1;
  }

  // Splits a small group by repeatedly selecting the entries of the smallest key.
  void selectSortSplit(std::int32_t lo, std::int32_t hi) {
    std::int32_t a = lo;
    while (a < hi) {
      std::int32_t b = a + 1;
      std::int32_t smallest = key(order[a]);
      for (std::int32_t i = a + 1; i <= hi; ++i) {
        std::int32_t v = key(order[i]);
        if (v < smallest) {
          smallest = v;
          std::swap(order[i], order[a]);
          b = a + 1;
        } else if (v == smallest) {
          std::swap(order[i], order[b]);
          ++b;
        }
      }
      if (b <= hi && a == lo) split = true;
      updateGroup(a, b - 1);
      a = b;
    }
    if (a == hi) updateGroup(a, a);
  }

  std::int32_t medianKey(std::int32_t a, std::int32_t b, std::int32_t c) const {
    std::int32_t x = key(order[a]), y = key(order[b]), z = key(order[c]);
    if (x < y) return y < z ? y : (x < z ? z : x);
    return x < z ? x : (y < z ? z : y);
  }

  std::int32_t choosePivot(std::int32_t lo, std::int32_t hi) const {
    std::int32_t mid = lo + (hi - lo) / 2;
    if (hi - lo < 40) return medianKey(lo, mid, hi);
    std::int32_t step = (hi - lo) / 8;
    std::int32_t x = medianKey(lo, lo + step, lo + 2 * step);
    std::int32_t y = medianKey(mid - step, mid, mid + step);
    std::int32_t z = medianKey(hi - 2 * step, hi - step, hi);
    if (x < y) return y < z ? y : (x < z ? z : x);
    return x < z ? x : (y < z ? z : y);
  }

  // Splits the group order[lo..hi] (two or more entries, all of rank hi) by key: a three-way
  // partition; the smaller side is sorted by recursion, the larger by the loop.
  void sortSplit(std::int32_t lo, std::int32_t hi) {
    while (hi - lo + 1 >= kSelectionSpan) {
      const std::int32_t v = choosePivot(lo, hi);
      // Invariant: [lo, a) and (d, hi] equal v; [a, b) less; (c, d] greater.
      std::int32_t a = lo, b = lo, c = hi, d = hi;
      for (;;) {
        std::int32_t f;
        while (b <= c && (f = key(order[b])) <= v) {
          if (f == v) std::swap(order[a++], order[b]);
          ++b;
        }
        while (c >= b && (f = key(order[c])) >= v) {
          if (f == v) std::swap(order[c], order[d--]);
          --c;
        }
        if (b > c) break;
        std::swap(order[b++], order[c--]);
      }
      // Move the equal ends into the middle.
      std::int32_t s = std::min(a - lo, b - a);
      for (std::int32_t l = lo, m = b - s; s > 0; --s) std::swap(order[l++], order[m++]);
      s = std::min(d - c, hi - d);
      for (std::int32_t l = b, m = hi + 1 - s; s > 0; --s) std::swap(order[l++], order[m++]);
      const std::int32_t lessCount = b - a, greaterCount = d - c;
      const std::int32_t equalLo = lo + lessCount, equalHi = hi - greaterCount;
      if (lessCount > 0 || greaterCount > 0) split = true;
      // Every part gets a rank of its own at once, so ranks read before a part is sorted
      // never order a smaller rotation after a larger one. The greater part keeps hi.
      if (lessCount > 0) updateGroup(lo, equalLo - 1);
      updateGroup(equalLo, equalHi);
      if (greaterCount == 1) updateGroup(hi, hi);
      if (lessCount < greaterCount) {
        if (lessCount > 1) sortSplit(lo, equalLo - 1);
        if (greaterCount < 2) return;
        lo = equalHi + 1;
      } else {
        if (greaterCount > 1) sortSplit(equalHi + 1, hi);
        if (lessCount < 2) return;
        hi = equalLo - 1;
      }
    }
    selectSortSplit(lo, hi);
  }

  // Groups the positions by their first two bytes.
  void initialGroups(std::int32_t* bucketStart) {
    std::memset(bucketStart, 0, sizeof(std::int32_t) * (kBucketCount + 1));
    auto pairKey = [&](std::int32_t p) {
      std::int32_t q = p + 1 < n ? p + 1 : 0;
      return ((words[p] >> 24) << 8) | (words[q] >> 24);
    };
    for (std::int32_t p = 0; p < n; ++p) ++bucketStart[pairKey(p) + 1];
    for (int k = 1; k <= kBucketCount; ++k) bucketStart[k] += bucketStart[k - 1];
    for (std::int32_t p = 0; p < n; ++p) order[bucketStart[pairKey(p)]++] = p;
    // bucketStart[k] is now the end of bucket k; the bucket ends are the group ranks.
    for (std::int32_t p = 0; p < n; ++p) setRank(p, bucketStart[pairKey(p)] - 1);
    for (int k = 0; k < kBucketCount; ++k) {
      std::int32_t start = k ? bucketStart[k - 1] : 0;
      if (bucketStart[k] - start == 1) order[start] = -1;
    }
  }

  // One pass over the unsorted groups; sorted runs are merged into one negative length.
  void pass() {
    std::int32_t i = 0, sortedRun = 0;
    while (i < n) {
      std::int32_t entry = order[i];
      if (entry < 0) {
        sortedRun -= entry;
        i -= entry;
        continue;
      }
      if (sortedRun) {
        order[i - sortedRun] = -sortedRun;
        sortedRun = 0;
      }
      std::int32_t end = rank(entry);
      sortSplit(i, end);
      i = end + 1;
    }
    if (sortedRun) order[i - sortedRun] = -sortedRun;
  }

  // Rebuilds order from the ranks, giving equal rotations distinct ranks first.
  void finish() {
    for (std::int32_t i = 0; i < n;) {
      std::int32_t entry = order[i];
      if (entry < 0) {
        i -= entry;
        continue;
      }
      std::int32_t end = rank(entry);
      for (std::int32_t j = i; j <= end; ++j) setRank(order[j], j);
      i = end + 1;
    }
    for (std::int32_t p = 0; p < n; ++p) order[rank(p)] = p;
  }
};

}  // namespace

void doublingSort() {
  CodecState& s = codecState;
  Doubler d{s.blockWords, s.sortOrder, s.last + 1};
  if (d.n <= 0) return;
  d.initialGroups(s.bucketStart);
  for (d.h = 2; d.h < d.n && d.order[0] != -d.n; d.h *= 2) {
    d.split = false;
    d.pass();
    if (!d.split) break;
  }
  d.finish();
}
