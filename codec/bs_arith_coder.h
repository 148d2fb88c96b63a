// The codec's multi-symbol arithmetic coder (26-bit registers, binary output through the
// bit stream) and its adaptive frequency models.
#pragma once

#include <cstdint>

constexpr int kMaxSymbols = 256;

// An adaptive frequency table over the symbols 1..symbolCount. freq[0] and
// freq[symbolCount + 1] stay 0. When total passes limit, all frequencies are halved.
struct Model {
  std::uint32_t total;
  std::int32_t symbolCount;
  std::int32_t increment;  // 0 makes the model static
  std::uint32_t limit;
  const char* name;
  std::uint32_t freq[kMaxSymbols + 2];
};

void initModel(Model& model, const char* name, int symbolCount, int increment,
               std::uint32_t limit);
void updateModel(Model& model, int symbol);

// Encoder: codes symbols into the open write stream. The coder never updates a model;
// every coded symbol is followed by updateModel on the same model by the caller.
void arithEncodeStart();
void arithCodeSymbol(const Model& model, int symbol);
void arithEncodeFinish();

// Decoder: reads from the open read stream exactly the bits the encoder wrote.
void arithDecodeStart();
int arithDecodeSymbol(const Model& model);

// The uniform byte model "bogus" and the block header values coded through it.
void initByteModel();
void sendCodedByte(int byte);
int getCodedByte();
void sendCodedInt32(std::int32_t value);
std::int32_t getCodedInt32();
