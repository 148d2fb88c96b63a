// Byte streams for the codecs and the archive: a small interface of our own instead of
// iostreams, so that the installer stub stays small.
//
// ByteInput: get() returns the next byte 0..255, or -1 at the end of the data or on a read
// error; either leaves failed() true until clearError(). bad() is true only for a read error.
// putBack(b) returns the byte just taken so that the next get() yields it again.
//
// ByteOutput: put/write return false and leave failed() true when the sink refused bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class ByteInput {
 public:
  virtual ~ByteInput() = default;
  virtual int get() = 0;
  virtual bool putBack(std::uint8_t byte) = 0;
  virtual bool failed() const = 0;
  virtual bool bad() const = 0;
  virtual void clearError() = 0;
};

class ByteOutput {
 public:
  virtual ~ByteOutput() = default;
  virtual bool put(std::uint8_t byte) = 0;
  virtual bool write(const std::uint8_t* bytes, std::size_t length) = 0;
  virtual bool flush() = 0;
  virtual bool failed() const = 0;
  virtual void clearError() = 0;
};

// Reads bytes [data, data + length) of a caller-owned area.
class MemoryInput : public ByteInput {
 public:
  MemoryInput(const std::uint8_t* data, std::size_t length) : data_(data), length_(length) {}
  int get() override {
    if (position_ < length_) return data_[position_++];
    failed_ = true;
    return -1;
  }
  bool putBack(std::uint8_t byte) override {
    if (position_ == 0 || data_[position_ - 1] != byte) {
      failed_ = true;
      return false;
    }
    --position_;
    return true;
  }
  bool failed() const override { return failed_; }
  bool bad() const override { return false; }
  void clearError() override { failed_ = false; }
  std::size_t position() const { return position_; }

 private:
  const std::uint8_t* data_;
  std::size_t length_;
  std::size_t position_ = 0;
  bool failed_ = false;
};

// Appends to a growing vector; with a limit, refuses bytes past it (a full disk in tests).
class MemoryOutput : public ByteOutput {
 public:
  explicit MemoryOutput(std::size_t limit = SIZE_MAX) : limit_(limit) {}
  bool put(std::uint8_t byte) override { return write(&byte, 1); }
  bool write(const std::uint8_t* bytes, std::size_t length) override {
    if (failed_ || length > limit_ - bytes_.size()) {
      failed_ = true;
      return false;
    }
    bytes_.insert(bytes_.end(), bytes, bytes + length);
    return true;
  }
  bool flush() override { return !failed_; }
  bool failed() const override { return failed_; }
  void clearError() override { failed_ = false; }
  const std::vector<std::uint8_t>& bytes() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
  std::size_t limit_;
  bool failed_ = false;
};
