// Hands bytes on to another output and remembers a refusal instead of passing it back.
// The block-sorting encoder treats a refused byte as a fatal internal error; the archive
// wants a full disk to end in failed() instead, so it encodes through this and checks
// refused() afterwards. After the first refusal nothing more is written.
#pragma once

#include "foundation/byte_stream.h"

class LatchingOutput : public ByteOutput {
 public:
  explicit LatchingOutput(ByteOutput& target) : target_(target) {}
  bool put(std::uint8_t byte) override { return write(&byte, 1); }
  bool write(const std::uint8_t* bytes, std::size_t length) override {
    if (!refused_ && !target_.write(bytes, length)) refused_ = true;
    return true;
  }
  bool flush() override { return true; }  // the archive flushes its file itself
  bool failed() const override { return false; }
  void clearError() override {}
  bool refused() const { return refused_; }

 private:
  ByteOutput& target_;
  bool refused_ = false;
};
