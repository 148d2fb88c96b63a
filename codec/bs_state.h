// The working state of the block-sorting codec, one per process (the codec is not
// reentrant), and the stages of the block loop that share it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "codec/codec_api.h"

constexpr int kBlockUnit = 100000;     // a block holds at most level * kBlockUnit entries
constexpr int kEncoderLevel = 9;       // the encoder always uses the largest blocks
constexpr int kCopyWords = 16;         // words past a block's end that mirror its first words
constexpr int kBucketCount = 65536;    // two-byte buckets of the sort
constexpr int kKeyCacheSize = 65536;   // buckets up to this size are sorted on cached keys
constexpr std::uint8_t kEndMarker = 42;  // the last entry of the last block

// An entry of a bucket sorted on cached keys: the position's first two compared words (word p
// in the high half, word p + 4 in the low half) and the position.
struct SortKey {
  std::uint64_t words;
  std::int32_t position;
};

struct CodecState {
  int level = 0;  // block size level 1..9; 0 when no buffers are held

  // Compression: blockWords [0..n-1+kCopyWords], the byte of position p in bits 24-31;
  // sortOrder [0..n-1], positions in sorted rotation order; bucketStart [0..kBucketCount];
  // sortKeys [0..kKeyCacheSize-1], the sort's copy of one bucket's positions and first two words.
  std::uint32_t* blockWords = nullptr;
  std::int32_t* sortOrder = nullptr;
  std::int32_t* bucketStart = nullptr;
  SortKey* sortKeys = nullptr;

  // Decompression: lastColumn, occurrence and outBlock, each [0..n-1].
  std::uint8_t* lastColumn = nullptr;
  std::int32_t* occurrence = nullptr;
  std::uint8_t* outBlock = nullptr;

  std::int32_t last = -1;  // index of the block's last entry; the block holds last + 1
  std::int32_t originPointer = 0;

  // Compression look-ahead: the byte read past the end of the previous run, or -1.
  int lookahead = -1;
  bool sourceEnded = false;
};

extern CodecState codecState;

// Block capacity of the current level.
inline std::int32_t blockLimit() { return codecState.level * kBlockUnit; }

// Run-length stage and perturbation.
bool getRLEpair(ByteInput& source, ProgressProc progress);
void spotBlock(bool compressing);
// Writes the decoded bytes of outBlock to output[*position..capacity) and advances
// *position; a block that would pass capacity is a fatal report.
void expandBlock(std::uint8_t* output, std::size_t capacity, std::size_t* position,
                 bool lastBlock);

// Sort and inverse transformation.
void gradedSort();
void doReversibleTransformation();
void undoReversibleTransformation();

// Coding of block values.
void encodeBlockValues(bool lastBlock);
bool decodeBlockValues();
