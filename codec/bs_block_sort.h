// The sort of all rotations of a block (compression side). Inputs: the block's bytes in
// bits 24-31 of codecState.blockWords[0..last]; output: codecState.sortOrder[0..last], the
// positions in ascending rotation order. Rotations that are equal in all bytes (a periodic
// block) may come in any order among themselves; every other order is unique.
#pragma once

#include <cstdint>

// The graded sort: small blocks by Shell sort, larger ones by two-byte buckets sorted in
// grades of size with word comparisons and bucket ranks. A block on which the comparisons
// exceed a work budget (long repeats) is handed to doublingSort, so the sort stays
// O(n log n) on every input.
void gradedSort();

// Prefix doubling over the ranks of rotation prefixes, O(n log n) on any block. Uses
// bits 0-23 of blockWords[0..last] for ranks and bucketStart as scratch.
void doublingSort();

// Word comparison steps allowed per block entry before the graded sort gives up; tests
// lower it to force the doubling sort. Returns the previous value.
std::int64_t setSortWorkPerEntry(std::int64_t steps);
