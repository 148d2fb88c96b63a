// Encoding and parsing of the trailer and the directory records.
#include "archive/archive_format.h"

#include <cstring>

namespace archive_format {

bool parseTrailer(const std::uint8_t* bytes, Trailer& trailer) {
  if (std::memcmp(bytes, kTrailerMagic, 4) != 0) return false;
  trailer.dataLength = std::int32_t(readLe32(bytes + 4));
  trailer.directoryFromEnd = std::int32_t(readLe32(bytes + 8));
  trailer.versionWord = readLe32(bytes + 12);
  return trailer.version() <= kCurrentVersion;
}

std::vector<std::uint8_t> encodeTrailer(const Trailer& trailer) {
  std::vector<std::uint8_t> out(kTrailerMagic, kTrailerMagic + 4);
  appendLe32(out, std::uint32_t(trailer.dataLength));
  appendLe32(out, std::uint32_t(trailer.directoryFromEnd));
  appendLe32(out, trailer.versionWord);
  return out;
}

std::vector<std::uint8_t> serialiseRecords(const Directory& directory) {
  std::vector<std::uint8_t> out;
  for (const auto& item : directory) {
    const TResEntry& e = item.second;
    const std::size_t n = e.name.size();
    out.push_back(std::uint8_t(n));
    out.push_back(std::uint8_t(n >> 8));
    out.insert(out.end(), e.name.begin(), e.name.end());
    appendLe32(out, std::uint32_t(e.offset));
    appendLe32(out, std::uint32_t(e.packedSize));
    appendLe32(out, std::uint32_t(e.size));
    appendLe32(out, e.crc);
    appendLe32(out, std::uint32_t(e.time));
    appendLe32(out, e.flags);
  }
  return out;
}

namespace {

// The five int32 fields after the name; `time` is skipped for old records (-1 keeps it).
void readFields(const std::uint8_t* p, TResEntry& e, bool withTime) {
  e.offset = std::int32_t(readLe32(p));
  e.packedSize = std::int32_t(readLe32(p + 4));
  e.size = std::int32_t(readLe32(p + 8));
  e.crc = readLe32(p + 12);
  if (withTime) e.time = std::int32_t(readLe32(p + 16));
  e.flags = readLe32(p + 20);
}

}  // namespace

bool parseRecords(const std::uint8_t* bytes, std::size_t length, std::int32_t count,
                  Directory& directory) {
  if (count < 0) return false;
  Directory parsed;
  std::size_t at = 0;
  for (std::int32_t k = 0; k < count; ++k) {
    if (length - at < 2) return false;
    const std::int16_t signedLength = std::int16_t(bytes[at] | bytes[at + 1] << 8);
    if (signedLength < 0) return false;
    const std::size_t n = std::size_t(signedLength);
    at += 2;
    if (length - at < n + kRecordFixedSize - 2) return false;
    TResEntry e;
    e.name.assign(reinterpret_cast<const char*>(bytes + at), n);
    readFields(bytes + at + n, e, true);
    at += n + kRecordFixedSize - 2;
    parsed[e.name] = e;  // a name listed twice: the later record wins
  }
  if (at != length) return false;
  directory.swap(parsed);
  return true;
}

bool parseOldRecords(const std::uint8_t* bytes, std::size_t length, std::int32_t count,
                     std::size_t recordSize, std::int32_t time, Directory& directory) {
  if (count < 0 || length / recordSize < std::size_t(count)) return false;
  const std::size_t nameField = recordSize - 24;
  Directory parsed;
  for (std::int32_t k = 0; k < count; ++k) {
    const std::uint8_t* record = bytes + std::size_t(k) * recordSize;
    const void* end = std::memchr(record, 0, nameField);
    if (!end) return false;
    TResEntry e;
    e.name.assign(reinterpret_cast<const char*>(record),
                  static_cast<const std::uint8_t*>(end) - record);
    readFields(record + nameField, e, false);
    e.time = time;
    parsed[e.name] = e;
  }
  directory.swap(parsed);
  return true;
}

}  // namespace archive_format
