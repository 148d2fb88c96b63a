// TResFile: storing entries and writing the directory block and trailer.
#include <cstring>
#include <ctime>

#include "archive/latching_output.h"
#include "archive/resfile.h"

using namespace archive_format;

namespace {

// Room kept below the 2 GiB limit for the directory block and trailer that must follow the
// blocks: records (26 + name bytes each) with a generous margin for their encoding.
std::int64_t directoryReserve(const Directory& directory, std::size_t newNameLength) {
  std::int64_t records = std::int64_t(kRecordFixedSize + newNameLength);
  for (const auto& item : directory) records += std::int64_t(kRecordFixedSize + item.first.size());
  return 2 * records + 65536;
}

}  // namespace

bool TResFile::storeBlock(SeekableInput& source, std::int64_t size, unsigned options) {
  if (!source.rewind()) return false;
  if (size > 0 && (options & RW_COMPRESS)) {
    LatchingOutput out(file_);
    if (options & RW_BLOCKSORT) {
      compressStream(source, out, progress_);
    } else {
      lzEncode(source, out, progress_);
    }
    return !out.refused() && !file_.writeFailed() && !source.bad();
  }
  // Stored as they are, in chunks rather than one allocation of the whole entry.
  std::uint8_t chunk[4096];
  std::int64_t copied = 0;
  for (int c; (c = source.get()) >= 0;) {
    chunk[copied++ % sizeof chunk] = std::uint8_t(c);
    if (copied % std::int64_t(sizeof chunk) == 0 && !file_.write(chunk, sizeof chunk)) return false;
  }
  const std::size_t rest = std::size_t(copied % std::int64_t(sizeof chunk));
  return copied == size && !source.bad() && file_.write(chunk, rest);
}

const TResEntry* TResFile::write(SeekableInput& source, const char* name, unsigned options) {
  failed_ = true;
  const std::string key = name ? name : "";
  if (!directory_ || !writable_ || key.size() > kMaxNameLength || !source.rewind()) return nullptr;

  std::uint32_t crc = 0;
  std::int64_t size = 0;
  std::uint8_t chunk[4096];
  std::size_t held = 0;
  for (int c; (c = source.get()) >= 0;) {
    chunk[held++] = std::uint8_t(c);
    if (held == sizeof chunk) crc = entryChecksumUpdate(crc, chunk, held), size += held, held = 0;
  }
  crc = entryChecksumUpdate(crc, chunk, held);
  size += std::int64_t(held);
  if (source.bad() || size > FileStream::kMaxSize) return nullptr;

  // From here the old directory block may be overwritten: flush must write a new one.
  changed_ = true;
  file_.clearError();
  file_.seekPut(dirPos_);
  // Empty entries are stored plain: a codec stream of nothing would still hold one byte.
  const unsigned used = size == 0 ? options & RW_SPARE : options;
  if (!storeBlock(source, size, used)) return nullptr;
  const std::int64_t end = file_.tellPut();
  if (end + directoryReserve(*directory_, key.size()) > FileStream::kMaxSize) return nullptr;

  TResEntry entry;
  entry.name = key;
  entry.offset = dirPos_ - base_;
  entry.packedSize = std::int32_t(end - dirPos_);
  entry.size = std::int32_t(size);
  entry.crc = crc;
  entry.time = std::int32_t(std::time(nullptr));
  entry.flags = (used & RW_COMPRESS ? RF_COMPRESSED : 0) | (used & RW_SPARE ? RF_SPARE : 0) |
                (used & RW_COMPRESS && used & RW_BLOCKSORT ? RF_BLOCKSORT : 0);
  dirPos_ = std::int32_t(end);
  TResEntry& stored = (*directory_)[key];
  stored = entry;
  failed_ = false;
  return &stored;
}

bool TResFile::writeDirectoryAndTrailer() {
  file_.clearError();
  file_.seekPut(dirPos_);
  if (directory_) {
    const std::vector<std::uint8_t> records = serialiseRecords(*directory_);
    std::vector<std::uint8_t> header(kDirectoryMagic, kDirectoryMagic + 4);
    appendLe32(header, std::uint32_t(records.size()));
    appendLe32(header, std::uint32_t(directory_->size()));
    file_.write(header.data(), header.size());
    MemorySource source(records.data(), records.size());
    LatchingOutput out(file_);
    compressStream(source, out, nullptr);
  }
  const std::int64_t directoryEnd = file_.tellPut();
  Trailer trailer;
  trailer.dataLength = dirPos_ - base_;
  trailer.directoryFromEnd = std::int32_t(dirPos_ - (directoryEnd + std::int64_t(kTrailerSize)));
  trailer.versionWord = kWrittenVersionWord;
  const std::vector<std::uint8_t> bytes = encodeTrailer(trailer);
  file_.write(bytes.data(), bytes.size());
  file_.truncate(file_.tellPut());
  return !file_.writeFailed();
}

void TResFile::flush() {
  if (!changed_) return;
  if (!writeDirectoryAndTrailer()) {
    failed_ = true;
    return;
  }
  changed_ = false;
}
