// A byte input that can go back to its first byte: what the archive needs of an entry's
// source, which it reads twice (once for the checksum, once to store or encode it).
#pragma once

#include <cstddef>
#include <cstdint>

#include "foundation/byte_stream.h"

class SeekableInput : public ByteInput {
 public:
  // Back to the first byte, with the error state cleared. False if the source cannot seek.
  virtual bool rewind() = 0;
};

// Reads bytes [data, data + length) of a caller-owned area.
class MemorySource : public SeekableInput {
 public:
  MemorySource(const std::uint8_t* data, std::size_t length) : data_(data), length_(length) {}
  int get() override {
    if (position_ < length_) return data_[position_++];
    failed_ = true;
    return -1;
  }
  bool putBack(std::uint8_t) override {
    if (position_ == 0) return false;
    --position_;
    return true;
  }
  bool failed() const override { return failed_; }
  bool bad() const override { return false; }
  void clearError() override { failed_ = false; }
  bool rewind() override {
    position_ = 0;
    failed_ = false;
    return true;
  }

 private:
  const std::uint8_t* data_;
  std::size_t length_;
  std::size_t position_ = 0;
  bool failed_ = false;
};
