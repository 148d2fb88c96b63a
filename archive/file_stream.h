// A byte-mode file with separate get and put positions, read and written through one
// 40000-byte buffer that we manage ourselves (the file itself is unbuffered). It serves the
// codecs as ByteInput and ByteOutput and the archive as its file.
//
// Positions are limited to kMaxSize, what the archive's signed 32-bit fields can address:
// a put at or past it fails, so a file never grows beyond what its records can describe.
// Read errors and the end of data set failed() (bad() for a real error); write errors set
// failed() and writeFailed(); clearError() resets both.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>

#include "archive/seekable_input.h"

class FileStream : public SeekableInput, public ByteOutput {
 public:
  static constexpr std::size_t kBufferSize = 40000;
  static constexpr std::int64_t kMaxSize = 0x7FFFFFFF;

  enum class Mode { Read, ReadWrite, Create };  // Create makes a new, empty file

  FileStream() = default;
  ~FileStream() override;
  FileStream(const FileStream&) = delete;
  FileStream& operator=(const FileStream&) = delete;

  // Opens `path` in byte mode; false (and nothing open) if that fails or no buffer is free.
  bool open(const char* path, Mode mode);
  // Takes over a file the caller opened in byte mode (for names the caller must open its own
  // way); false, with the file closed, if no buffer is free.
  bool adopt(std::FILE* file);
  // Writes what is buffered and closes; false if a write failed.
  bool close();
  bool isOpen() const { return file_ != nullptr; }

  int get() override;
  bool putBack(std::uint8_t byte) override;
  bool failed() const override { return readFailed_ || writeFailed_; }
  bool bad() const override { return bad_; }
  void clearError() override { readFailed_ = writeFailed_ = bad_ = false; }
  bool rewind() override;

  bool put(std::uint8_t byte) override;
  bool write(const std::uint8_t* bytes, std::size_t length) override;
  // Hands buffered bytes to the file system; false (and writeFailed) if that fails.
  bool flush() override;
  bool writeFailed() const { return writeFailed_; }

  // Reads up to `length` bytes at the get position; returns how many were read.
  std::size_t read(std::uint8_t* to, std::size_t length);

  std::int64_t tellGet() const { return getPos_; }
  std::int64_t tellPut() const { return putPos_; }
  void seekGet(std::int64_t position) { getPos_ = position; }
  void seekPut(std::int64_t position) { putPos_ = position; }

  // get() reports the end of data at `limit` (-1: the end of the file): a codec reading a
  // corrupt stream never runs into the archive's directory or trailer.
  void setReadLimit(std::int64_t limit);

  // The file's length counting buffered writes; -1 on error.
  std::int64_t length();
  // Ends the file at `length`; false (and writeFailed) on failure.
  bool truncate(std::int64_t length);

 private:
  enum class Buffered { Nothing, ReadData, WriteData };

  bool fillAt(std::int64_t position);
  bool writePending();
  bool seekFile(std::int64_t position);

  std::FILE* file_ = nullptr;
  std::unique_ptr<std::uint8_t[]> buffer_;
  Buffered buffered_ = Buffered::Nothing;
  std::int64_t bufferStart_ = 0;  // file position of buffer_[0]
  std::size_t bufferLength_ = 0;
  std::int64_t getPos_ = 0;
  std::int64_t putPos_ = 0;
  std::int64_t readLimit_ = -1;
  bool readFailed_ = false;
  bool writeFailed_ = false;
  bool bad_ = false;
};

// Ends an open file at `length` bytes (the platform's own call behind it).
bool truncateFile(std::FILE* file, std::int64_t length);
