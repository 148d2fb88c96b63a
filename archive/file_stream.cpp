// FileStream: one buffer that holds either data read ahead of the get position or data
// waiting to be written at the put position; switching between the two writes out first.
#include "archive/file_stream.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>

FileStream::~FileStream() { close(); }

bool FileStream::open(const char* path, Mode mode) {
  const char* how = mode == Mode::Read ? "rb" : mode == Mode::ReadWrite ? "r+b" : "w+b";
  std::FILE* file = std::fopen(path, how);
  return file && adopt(file);
}

bool FileStream::adopt(std::FILE* file) {
  close();
  buffer_.reset(new (std::nothrow) std::uint8_t[kBufferSize]);
  if (!buffer_) {
    std::fclose(file);
    return false;
  }
  file_ = file;
  std::setvbuf(file_, nullptr, _IONBF, 0);  // our own buffer does the buffering
  buffered_ = Buffered::Nothing;
  bufferLength_ = 0;
  getPos_ = putPos_ = 0;
  readLimit_ = -1;
  clearError();
  return true;
}

bool FileStream::close() {
  if (!file_) return true;
  const bool written = writePending();
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  buffer_.reset();
  buffered_ = Buffered::Nothing;
  return written && closed;
}

bool FileStream::seekFile(std::int64_t position) {
  if (position < 0 || position > LONG_MAX) return false;
  return std::fseek(file_, long(position), SEEK_SET) == 0;
}

bool FileStream::writePending() {
  if (buffered_ == Buffered::WriteData && bufferLength_ > 0) {
    if (!seekFile(bufferStart_) ||
        std::fwrite(buffer_.get(), 1, bufferLength_, file_) != bufferLength_) {
      writeFailed_ = true;
    }
  }
  if (buffered_ == Buffered::WriteData) {
    buffered_ = Buffered::Nothing;
    bufferLength_ = 0;
    return !writeFailed_;
  }
  buffered_ = Buffered::Nothing;
  bufferLength_ = 0;
  return true;
}

bool FileStream::fillAt(std::int64_t position) {
  if (!file_ || !writePending()) return false;
  std::size_t want = kBufferSize;
  if (readLimit_ >= 0) {
    if (position >= readLimit_) return false;
    want = std::size_t(std::min<std::int64_t>(want, readLimit_ - position));
  }
  if (!seekFile(position)) {
    bad_ = true;
    return false;
  }
  const std::size_t got = std::fread(buffer_.get(), 1, want, file_);
  if (got == 0) {
    if (std::ferror(file_)) bad_ = true;
    std::clearerr(file_);
    return false;
  }
  buffered_ = Buffered::ReadData;
  bufferStart_ = position;
  bufferLength_ = got;
  return true;
}

int FileStream::get() {
  if (buffered_ != Buffered::ReadData || getPos_ < bufferStart_ ||
      getPos_ >= bufferStart_ + std::int64_t(bufferLength_)) {
    if (getPos_ < 0 || !fillAt(getPos_)) {
      readFailed_ = true;
      return -1;
    }
  }
  return buffer_[std::size_t(getPos_++ - bufferStart_)];
}

bool FileStream::putBack(std::uint8_t) {
  if (getPos_ <= 0) return false;
  --getPos_;
  return true;
}

bool FileStream::rewind() {
  clearError();
  getPos_ = 0;
  return file_ != nullptr;
}

std::size_t FileStream::read(std::uint8_t* to, std::size_t length) {
  std::size_t done = 0;
  while (done < length) {
    if (buffered_ != Buffered::ReadData || getPos_ < bufferStart_ ||
        getPos_ >= bufferStart_ + std::int64_t(bufferLength_)) {
      if (getPos_ < 0 || !fillAt(getPos_)) {
        readFailed_ = true;
        break;
      }
    }
    const std::size_t at = std::size_t(getPos_ - bufferStart_);
    const std::size_t n = std::min(length - done, bufferLength_ - at);
    std::memcpy(to + done, buffer_.get() + at, n);
    done += n;
    getPos_ += std::int64_t(n);
  }
  return done;
}

bool FileStream::put(std::uint8_t byte) { return write(&byte, 1); }

bool FileStream::write(const std::uint8_t* bytes, std::size_t length) {
  if (!file_ || writeFailed_ || putPos_ < 0 || std::int64_t(length) > kMaxSize - putPos_) {
    writeFailed_ = true;
    return false;
  }
  while (length > 0) {
    if (buffered_ != Buffered::WriteData || putPos_ != bufferStart_ + std::int64_t(bufferLength_) ||
        bufferLength_ == kBufferSize) {
      if (!writePending()) return false;
      buffered_ = Buffered::WriteData;
      bufferStart_ = putPos_;
    }
    const std::size_t n = std::min(length, kBufferSize - bufferLength_);
    std::memcpy(buffer_.get() + bufferLength_, bytes, n);
    bufferLength_ += n;
    putPos_ += std::int64_t(n);
    bytes += n;
    length -= n;
  }
  return true;
}

bool FileStream::flush() {
  if (!file_) return false;
  if (!writePending() || std::fflush(file_) != 0) writeFailed_ = true;
  return !writeFailed_;
}

void FileStream::setReadLimit(std::int64_t limit) {
  if (buffered_ == Buffered::ReadData) buffered_ = Buffered::Nothing;
  readLimit_ = limit;
}

std::int64_t FileStream::length() {
  if (!file_ || !writePending() || std::fseek(file_, 0, SEEK_END) != 0) return -1;
  return std::int64_t(std::ftell(file_));
}

bool FileStream::truncate(std::int64_t length) {
  if (!flush() || !truncateFile(file_, length)) writeFailed_ = true;
  return !writeFailed_;
}
