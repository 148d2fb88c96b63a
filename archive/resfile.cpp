// TResFile: construction, opening (trailer and directory of every version) and the
// directory walk.
#include "archive/resfile.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <vector>

using namespace archive_format;

namespace {

void noProgress() {}

bool fileExists(const char* path) {
  std::FILE* f = std::fopen(path, "rb");
  if (f) std::fclose(f);
  return f != nullptr;
}

}  // namespace

TResFile::TResFile(const char* path, bool create) : progress_(noProgress) {
  open(path, create);
}

TResFile::~TResFile() {
  flush();
  file_.close();
}

void TResFile::open(const char* path, bool create) {
  file_.close();
  progress_ = noProgress;
  directory_.reset();
  failed_ = true;
  changed_ = false;
  writable_ = false;
  path_ = path ? path : "";
  if (path_.empty()) return;
  const bool exists = fileExists(path);
  if (!exists && !create) return;
  const FileStream::Mode mode = !exists ? FileStream::Mode::Create
                                : create ? FileStream::Mode::ReadWrite
                                         : FileStream::Mode::Read;
  if (!file_.open(path, mode)) return;

  const std::int64_t length = file_.length();
  Trailer trailer;
  bool found = false;
  if (length >= std::int64_t(kTrailerSize)) {
    std::uint8_t bytes[kTrailerSize];
    file_.seekGet(length - std::int64_t(kTrailerSize));
    found = file_.read(bytes, kTrailerSize) == kTrailerSize && parseTrailer(bytes, trailer);
  }
  file_.clearError();
  if (!found) {
    // No archive: in create mode one is started after everything the file holds.
    if (!create || length < 0 || length > FileStream::kMaxSize) return;
    base_ = dirPos_ = std::int32_t(length);
    directory_.reset(new Directory);
    cursor_ = directory_->end();
    failed_ = false;
    writable_ = true;
    return;
  }

  directory_.reset(new Directory);
  cursor_ = directory_->end();
  const std::int64_t dirPos = length + trailer.directoryFromEnd;
  const std::int64_t base = dirPos - trailer.dataLength;
  const std::int64_t trailerStart = length - std::int64_t(kTrailerSize);
  if (length > FileStream::kMaxSize || dirPos < 0 || dirPos > trailerStart || base < 0 ||
      base > dirPos) {
    return;  // a trailer pointing outside the file: bad directory
  }
  dirPos_ = std::int32_t(dirPos);
  base_ = std::int32_t(base);
  file_.setReadLimit(trailerStart);
  const bool ok = trailer.version() == kCurrentVersion ? readVersion5Directory()
                                                       : readOldDirectory(trailer.versionWord);
  file_.setReadLimit(-1);
  file_.clearError();
  if (!ok) return;
  cursor_ = directory_->end();
  failed_ = false;
  writable_ = create;
}

bool TResFile::readDirectoryBytes(std::size_t length, bool encoded,
                                  std::vector<std::uint8_t>& bytes) {
  if (length > kMaxDirectoryBytes) return false;
  bytes.assign(length + 1, 0);  // never empty, so data() is a real buffer
  bytes.pop_back();
  if (!encoded) return file_.read(bytes.data(), length) == length;
  uncompressStream(file_, bytes.data(), length, nullptr);
  return uncompressedSize() == length;
}

bool TResFile::readVersion5Directory() {
  std::uint8_t header[kDirectoryHeaderSize];
  file_.seekGet(dirPos_);
  if (file_.read(header, sizeof header) != sizeof header) return false;
  if (std::memcmp(header, kDirectoryMagic, 4) != 0) return false;
  const std::uint32_t unpackedSize = readLe32(header + 4);
  const std::int32_t count = std::int32_t(readLe32(header + 8));
  if (count < 0 || std::uint64_t(count) * kRecordFixedSize > unpackedSize) return false;
  std::vector<std::uint8_t> records;
  return readDirectoryBytes(unpackedSize, true, records) &&
         parseRecords(records.data(), records.size(), count, *directory_);
}

bool TResFile::readOldDirectory(std::uint32_t versionWord) {
  std::uint8_t countBytes[4];
  file_.seekGet(dirPos_);
  if (file_.read(countBytes, 4) != 4) return false;
  const std::int32_t count = std::int32_t(readLe32(countBytes));
  if (count < 0) return false;
  // A compressed old directory always holds long records.
  const bool encoded = (versionWord & kOldCompressedBit) != 0;
  const std::size_t recordSize =
      encoded || (versionWord & kOldLongRecordsBit) ? kLongRecordSize : kShortRecordSize;
  if (std::uint64_t(count) * recordSize > kMaxDirectoryBytes) return false;
  std::vector<std::uint8_t> records;
  return readDirectoryBytes(std::size_t(count) * recordSize, encoded, records) &&
         parseOldRecords(records.data(), records.size(), count, recordSize,
                         std::int32_t(std::time(nullptr)), *directory_);
}

int TResFile::count() const { return directory_ ? int(directory_->size()) : 0; }

const TResEntry* TResFile::find(const char* name) const {
  if (!directory_) return nullptr;
  const auto found = directory_->find(name ? name : "");
  return found == directory_->end() ? nullptr : &found->second;
}

const TResEntry* TResFile::first() {
  if (!directory_) return nullptr;
  cursor_ = directory_->begin();
  return next();
}

const TResEntry* TResFile::next() {
  if (!directory_ || cursor_ == directory_->end()) return nullptr;
  return &(cursor_++)->second;
}

void TResFile::remove(const char* name) {
  if (!directory_) return;
  const auto found = directory_->find(name ? name : "");
  if (found == directory_->end()) return;
  if (cursor_ == found) ++cursor_;  // keep the walk valid
  directory_->erase(found);
}

void TResFile::setProgress(ProgressProc callback) { progress_ = callback ? callback : noProgress; }

void TResFile::setTag(const void* bytes, std::size_t length) {
  if (bytes && length > 0) tag_.assign(static_cast<const char*>(bytes), length);
}
