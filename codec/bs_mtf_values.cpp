// Coding of a sorted block's last column: move-to-front positions 1..255, runs of position
// 0 as bijective base-two digits, and END_OF_BLOCK, each through the "basis" model and,
// for the banded values, one of seven band models.
#include <cstring>

#include "codec/bs_arith_coder.h"
#include "codec/bs_report.h"
#include "codec/bs_state.h"

namespace {

constexpr int RUN_DIGIT_2 = 257;
constexpr int RUN_DIGIT_1 = 258;
constexpr int END_OF_BLOCK = 259;

constexpr int kBandCount = 7;
constexpr std::int32_t kReadAhead = 16;  // sorted entries between a prefetch and its use
// Band b (basis symbol 4 + b) holds values bandOffset[b] + 1 .. bandOffset[b] + bandSize[b].
constexpr int kBandOffset[kBandCount] = {1, 3, 7, 15, 31, 63, 127};
constexpr int kBandSize[kBandCount] = {2, 4, 8, 16, 32, 64, 128};
constexpr int kBandIncrement[kBandCount] = {4, 3, 3, 3, 3, 2, 1};
const char* const kBandName[kBandCount] = {"2-3",   "4-7",   "8-15",   "16-31",
                                           "32-63", "64-127", "128-255"};
constexpr int kBasisRunDigit2 = 1, kBasisRunDigit1 = 2, kBasisOne = 3, kBasisFirstBand = 4,
              kBasisEndOfBlock = 11;
constexpr std::uint32_t kModelLimit = 1000;

Model basis;
Model bands[kBandCount];

void initBandModels() {
  initModel(basis, "basis", 11, 12, kModelLimit);
  for (int b = 0; b < kBandCount; ++b)
    initModel(bands[b], kBandName[b], kBandSize[b], kBandIncrement[b], kModelLimit);
}

void codeSymbol(Model& model, int symbol) {
  arithCodeSymbol(model, symbol);
  updateModel(model, symbol);
}

int decodeSymbol(Model& model) {
  int symbol = arithDecodeSymbol(model);
  updateModel(model, symbol);
  return symbol;
}

// Band of a value 2..255: the position of its highest set bit, minus one.
int bandOf(int value) {
  int band = -1;
  for (int v = value; v > 1; v >>= 1) ++band;
  return band;
}

void sendMTFVal(int value) {
  if (value == RUN_DIGIT_2) {
    codeSymbol(basis, kBasisRunDigit2);
  } else if (value == RUN_DIGIT_1) {
    codeSymbol(basis, kBasisRunDigit1);
  } else if (value == END_OF_BLOCK) {
    codeSymbol(basis, kBasisEndOfBlock);
  } else if (value == 1) {
    codeSymbol(basis, kBasisOne);
  } else if (value >= 2 && value <= 255) {
    int band = bandOf(value);
    codeSymbol(basis, kBasisFirstBand + band);
    codeSymbol(bands[band], value - kBandOffset[band]);
  } else {
    BS_REPORT("sendMTFVal: bad value!");
  }
}

int getMTFVal() {
  int symbol = decodeSymbol(basis);
  switch (symbol) {
    case kBasisRunDigit2: return RUN_DIGIT_2;
    case kBasisRunDigit1: return RUN_DIGIT_1;
    case kBasisOne: return 1;
    case kBasisEndOfBlock: return END_OF_BLOCK;
    default: {
      int band = symbol - kBasisFirstBand;
      return decodeSymbol(bands[band]) + kBandOffset[band];
    }
  }
}

// A run of z >= 0 zero positions in bijective base two, most significant digit first.
void sendZeroRun(std::uint32_t zeros) {
  int digits[32];
  int count = 0;
  while (zeros > 0) {
    int digit = 1 + int((zeros - 1) & 1);
    digits[count++] = digit == 2 ? RUN_DIGIT_2 : RUN_DIGIT_1;
    zeros = (zeros - 1) / 2;
  }
  while (count > 0) sendMTFVal(digits[--count]);
}

// Moves list[index] to the front and returns it.
inline std::uint8_t moveToFront(std::uint8_t* list, int index) {
  std::uint8_t c = list[index];
  std::memmove(list + 1, list, std::size_t(index));
  list[0] = c;
  return c;
}

void startList(std::uint8_t* list) {
  for (int i = 0; i < 256; ++i) list[i] = std::uint8_t(i);
}

}  // namespace

void encodeBlockValues(bool lastBlock) {
  CodecState& s = codecState;
  sendCodedInt32(lastBlock ? ~s.originPointer : s.originPointer + 1);
  initBandModels();
  std::uint8_t list[256];
  startList(list);
  const std::int32_t n = s.last + 1;
  std::uint32_t zeros = 0;
  for (std::int32_t i = 0; i < n; ++i) {
    // The bytes are read in sorted order, scattered over the block: ask for one well ahead.
    if (i + kReadAhead < n) __builtin_prefetch(s.blockWords + s.sortOrder[i + kReadAhead]);
    std::int32_t p = s.sortOrder[i] - 1;
    if (p < 0) p += n;
    std::uint8_t c = std::uint8_t(s.blockWords[p] >> 24);
    if (list[0] == c) {
      ++zeros;
      continue;
    }
    int j = int(static_cast<const std::uint8_t*>(std::memchr(list + 1, c, 255)) - list);
    moveToFront(list, j);
    sendZeroRun(zeros);
    sendMTFVal(j);
    zeros = 0;
  }
  sendZeroRun(zeros);
  sendMTFVal(END_OF_BLOCK);
}

bool decodeBlockValues() {
  CodecState& s = codecState;
  const std::int32_t limit = blockLimit();
  std::int32_t header = getCodedInt32();
  bool lastBlock = header < 0;
  s.originPointer = lastBlock ? ~header : header - 1;
  initBandModels();
  std::uint8_t list[256];
  startList(list);
  std::int32_t last = -1;
  int value = getMTFVal();
  while (value != END_OF_BLOCK) {
    if (value <= 255) {
      if (++last >= limit) BS_REPORT("Block overrun during decompression");
      s.lastColumn[last] = moveToFront(list, value);
      value = getMTFVal();
      continue;
    }
    std::uint32_t zeros = 0;
    while (value == RUN_DIGIT_2 || value == RUN_DIGIT_1) {
      // A run longer than a block is already an overrun; stop counting before overflow.
      if (zeros <= std::uint32_t(limit)) zeros = 2 * zeros + (value == RUN_DIGIT_2 ? 2 : 1);
      value = getMTFVal();
    }
    if (zeros > std::uint32_t(limit - 1 - last)) BS_REPORT("Block overrun during decompression");
    std::memset(s.lastColumn + last + 1, list[0], zeros);
    last += std::int32_t(zeros);
  }
  s.last = last;
  return lastBlock;
}
