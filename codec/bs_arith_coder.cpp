// Arithmetic coder with a 26-bit code space: range starts at 2^25, and an interval is
// renormalised while range <= 2^24. With totals at most 1,000, r = range / total stays
// above 16,000 and every product fits in 32 bits.
#include "codec/bs_arith_coder.h"

#include "codec/bs_bit_stream.h"
#include "codec/bs_report.h"

namespace {

constexpr std::uint32_t kHalf = 1u << 25;
constexpr std::uint32_t kQuarter = 1u << 24;
constexpr std::uint32_t kMaxPending = 500000000;
constexpr std::uint32_t kFastPending = 16;  // more pending bits take the bit-by-bit path

struct Registers {
  std::uint32_t low;
  std::uint32_t range;
  std::uint32_t pending;  // opposite bits owed after the next output bit
  std::uint32_t value;    // decoder: code point minus the interval's bottom
};
Registers coder;
Model byteModel;

void putBitPlusPending(int bit) {
  bsPutBit(bit);
  for (; coder.pending > 0; --coder.pending) bsPutBit(1 - bit);
}

// Sum of the frequencies of the symbols below `symbol`.
inline std::uint32_t cumulativeBelow(const Model& model, int symbol) {
  std::uint32_t below = 0;
  for (int i = 1; i < symbol; ++i) below += model.freq[i];
  return below;
}

// Narrows range to the symbol's share; the top symbol also takes the division's remainder.
inline void narrow(const Model& model, int symbol, std::uint32_t below, std::uint32_t r) {
  if (below + model.freq[symbol] < model.total)
    coder.range = r * model.freq[symbol];
  else
    coder.range -= r * below;
}

// Interval scaling one output bit at a time, for any number of pending bits.
void renormaliseBitByBit() {
  while (coder.range <= kQuarter) {
    if (coder.low + coder.range <= kHalf) {
      putBitPlusPending(0);
    } else if (coder.low >= kHalf) {
      putBitPlusPending(1);
      coder.low -= kHalf;
    } else {
      ++coder.pending;
      coder.low -= kQuarter;
    }
    coder.low *= 2;
    coder.range *= 2;
  }
  if (coder.pending > kMaxPending) BS_REPORT("arithCodeSymbol: too many bits outstanding");
}

}  // namespace

void initModel(Model& model, const char* name, int symbolCount, int increment,
               std::uint32_t limit) {
  model.name = name;
  model.symbolCount = symbolCount;
  model.increment = increment;
  model.limit = limit;
  std::uint32_t start = increment ? std::uint32_t(increment) : 1u;
  model.freq[0] = 0;
  for (int s = 1; s <= symbolCount; ++s) model.freq[s] = start;
  model.freq[symbolCount + 1] = 0;
  model.total = start * std::uint32_t(symbolCount);
}

void updateModel(Model& model, int symbol) {
  model.total += model.increment;
  model.freq[symbol] += model.increment;
  if (model.total <= model.limit) return;
  model.total = 0;
  for (int s = 1; s <= model.symbolCount; ++s) {
    model.freq[s] = (model.freq[s] + 1) / 2;
    model.total += model.freq[s];
  }
}

void arithEncodeStart() {
  coder.low = 0;
  coder.range = kHalf;
  coder.pending = 0;
}

void arithCodeSymbol(const Model& model, int symbol) {
  std::uint32_t below = cumulativeBelow(model, symbol);
  std::uint32_t r = coder.range / model.total;
  coder.low += r * below;
  narrow(model, symbol, below, r);
  if (coder.pending > kFastPending) {
    renormaliseBitByBit();
    return;
  }
  // The same steps as renormaliseBitByBit without branching on the coded bits: a decided
  // step yields its bit followed by the pending opposite bits, collected in `bits` and put
  // at once. Totals of at most 1,000 need at most 11 steps, so with at most kFastPending
  // pending bits on entry the collected bits stay below 32.
  std::uint32_t low = coder.low, range = coder.range, pending = coder.pending;
  std::uint64_t bits = 0;
  int count = 0;
  // Masks rather than conditions, which the compiler would turn into mispredicted branches.
  while (range <= kQuarter) {
    const std::uint32_t high = std::uint32_t(low >= kHalf);
    const std::uint32_t decided = 0u - (high | std::uint32_t(low + range <= kHalf));
    const std::uint64_t run = (std::uint64_t(1) << pending) - 1 + high;  // bit, then opposites
    const int runLength = int((pending + 1) & decided);
    bits = (bits << runLength) | (run & (0u - std::uint64_t(decided & 1)));
    count += runLength;
    low -= ((high << 25) & decided) | (kQuarter & ~decided);
    pending = (pending + 1) & ~decided;
    low *= 2;
    range *= 2;
  }
  coder.low = low;
  coder.range = range;
  coder.pending = pending;
  if (count > 0) bsPutBits(bits, count);
}

void arithEncodeFinish() {
  for (int k = 25; k >= 0; --k) putBitPlusPending((coder.low >> k) & 1);
}

void arithDecodeStart() {
  coder.low = 0;
  coder.range = kHalf;
  coder.value = 0;
  for (int i = 0; i < 26; ++i) coder.value = coder.value * 2 + std::uint32_t(bsGetBit());
}

int arithDecodeSymbol(const Model& model) {
  std::uint32_t r = coder.range / model.total;
  // The symbol is the first whose cumulative frequency exceeds value / r; comparing
  // r * cumulative with value finds it without a second division. A corrupt stream can put
  // value past the interval: the top symbol then stands, as with a target clamped to
  // total - 1. All products stay below range.
  int symbol = 1;
  std::uint32_t below = 0;
  const int top = model.symbolCount;
  // Whole groups of eight symbols below the target are passed at once (never the top one).
  while (symbol + 8 <= top) {
    const std::uint32_t* f = model.freq + symbol;
    std::uint32_t group = f[0] + f[1] + f[2] + f[3] + f[4] + f[5] + f[6] + f[7];
    if (r * (below + group) > coder.value) break;
    below += group;
    symbol += 8;
  }
  while (symbol < top && r * (below + model.freq[symbol]) <= coder.value)
    below += model.freq[symbol++];
  coder.value -= r * below;
  narrow(model, symbol, below, r);
  while (coder.range <= kQuarter) {
    coder.range *= 2;
    coder.value = coder.value * 2 + std::uint32_t(bsGetBit());
  }
  return symbol;
}

void initByteModel() { initModel(byteModel, "bogus", 256, 0, 256); }

void sendCodedByte(int byte) {
  arithCodeSymbol(byteModel, byte + 1);
  updateModel(byteModel, byte + 1);
}

int getCodedByte() {
  int symbol = arithDecodeSymbol(byteModel);
  updateModel(byteModel, symbol);
  return symbol - 1;
}

void sendCodedInt32(std::int32_t value) {
  std::uint32_t bits = std::uint32_t(value);
  for (int shift = 24; shift >= 0; shift -= 8) sendCodedByte(int((bits >> shift) & 0xFF));
}

std::int32_t getCodedInt32() {
  std::uint32_t bits = 0;
  for (int i = 0; i < 4; ++i) bits = (bits << 8) | std::uint32_t(getCodedByte());
  return std::int32_t(bits);
}
