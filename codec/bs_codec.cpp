// The block-sorting codec's entry points: stream header, block loop and buffers.
#include <cstdlib>

#include "codec/bs_arith_coder.h"
#include "codec/bs_bit_stream.h"
#include "codec/bs_report.h"
#include "codec/bs_state.h"

CodecState codecState;

namespace {

std::size_t decodedSize = 0;

template <typename T>
void release(T*& buffer) {
  std::free(buffer);
  buffer = nullptr;
}

template <typename T>
bool allocate(T*& buffer, std::size_t count) {
  buffer = static_cast<T*>(std::malloc(count * sizeof(T)));
  return buffer != nullptr;
}

// Frees whatever either direction holds; a report that unwound through a test seam may
// have left buffers behind.
void releaseAll() {
  CodecState& s = codecState;
  release(s.blockWords);
  release(s.sortOrder);
  release(s.bucketStart);
  release(s.lastColumn);
  release(s.occurrence);
  release(s.outBlock);
  s.level = 0;
}

// Starts an operation: no buffers held, no stream open.
void resetState() {
  releaseAll();
  theBitStream.open = false;
}

void compressOutOfMemory() {
  CodecState& s = codecState;
  std::size_t n = std::size_t(s.level) * kBlockUnit;
  bool ok = allocate(s.blockWords, n + kCopyWords);
  ok = allocate(s.sortOrder, n) && ok;
  ok = allocate(s.bucketStart, std::size_t(kBucketCount) + 1) && ok;
  if (!ok) BS_REPORT("compressOutOfMemory");
}

void uncompressOutOfMemory(int newLevel) {
  CodecState& s = codecState;
  if (newLevel == s.level) return;
  releaseAll();
  s.level = newLevel;
  if (newLevel == 0) return;
  std::size_t n = std::size_t(newLevel) * kBlockUnit;
  bool ok = allocate(s.lastColumn, n);
  ok = allocate(s.occurrence, n) && ok;
  ok = allocate(s.outBlock, n) && ok;
  if (!ok) BS_REPORT("uncompressOutOfMemory");
}

// The level a stream header names, or 0 for a header this codec does not read.
int headerLevel(const int header[4]) {
  if (header[0] == 'B' && header[1] == 'Z' && header[2] == '0' && header[3] >= '1' &&
      header[3] <= '9')
    return header[3] - '0';
  if (header[0] == 'R' && header[1] == 'e' && header[2] == 's' && header[3] >= 'B' &&
      header[3] <= 'J')
    return header[3] - 'A';
  return 0;
}

}  // namespace

void compressStream(ByteInput& source, ByteOutput& destination, ProgressProc progress) {
  CodecState& s = codecState;
  resetState();
  s.level = kEncoderLevel;
  s.lookahead = -1;
  s.sourceEnded = false;
  compressOutOfMemory();

  bsOpenWriteStream(destination);
  bsPutByte('R');
  bsPutByte('e');
  bsPutByte('s');
  bsPutByte('A' + s.level);
  initByteModel();
  arithEncodeStart();

  bool lastBlock;
  do {
    lastBlock = getRLEpair(source, progress);
    spotBlock(true);
    doReversibleTransformation();
    encodeBlockValues(lastBlock);
  } while (!lastBlock);

  arithEncodeFinish();
  bsClose();
  if (source.bad()) BS_REPORT("streamBad!");
  source.clearError();
  destination.clearError();
  releaseAll();
}

void uncompressStream(ByteInput& source, std::uint8_t* output, std::size_t capacity,
                      ProgressProc progress) {
  resetState();
  decodedSize = 0;
  bsOpenReadStream(source);
  int header[4];
  for (int& byte : header) byte = bsGetByte();
  int level = headerLevel(header);
  if (level != 0) {
    uncompressOutOfMemory(level);
    initByteModel();
    arithDecodeStart();
    std::size_t position = 0;
    bool lastBlock;
    do {
      if (progress) progress();
      lastBlock = decodeBlockValues();
      undoReversibleTransformation();
      spotBlock(false);
      expandBlock(output, capacity, &position, lastBlock);
    } while (!lastBlock);
    decodedSize = position;
  }
  bsClose();
  uncompressOutOfMemory(0);
  source.clearError();
}

std::size_t uncompressedSize() { return decodedSize; }
