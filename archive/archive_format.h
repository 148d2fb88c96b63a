// The byte layout of the install archive: the 16-byte trailer at the end of the file, the
// version 5 directory records, and the fixed-size records of versions 0 to 4.
//
// [anything] [data area: blocks] [directory block] [trailer "sRBV" dataLength
// directoryFromEnd versionWord]. All integers little-endian.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "archive/res_entry.h"

// The directory in memory: unique names in byte order (std::string compares as unsigned
// bytes, a prefix first), which is also the order in which records are written.
using Directory = std::map<std::string, TResEntry>;

namespace archive_format {

constexpr std::size_t kTrailerSize = 16;
constexpr std::uint8_t kTrailerMagic[4] = {'s', 'R', 'B', 'V'};
constexpr std::uint8_t kDirectoryMagic[4] = {'i', 'x', '5', '0'};
constexpr std::uint32_t kWrittenVersionWord = 0x305;
constexpr unsigned kCurrentVersion = 5;
constexpr std::uint32_t kOldCompressedBit = 0x100;   // versions 0-4: directory compressed
constexpr std::uint32_t kOldLongRecordsBit = 0x200;  // versions 0-4: 64-byte records
constexpr std::size_t kDirectoryHeaderSize = 12;     // "ix50", unpackedSize, count
constexpr std::size_t kRecordFixedSize = 26;         // a version 5 record without its name
constexpr std::size_t kMaxNameLength = 32767;
constexpr std::size_t kLongRecordSize = 64;
constexpr std::size_t kShortRecordSize = 48;
// A decoded directory larger than this is taken as corrupt rather than allocated.
constexpr std::size_t kMaxDirectoryBytes = 64u << 20;

struct Trailer {
  std::int32_t dataLength = 0;
  std::int32_t directoryFromEnd = 0;
  std::uint32_t versionWord = 0;
  unsigned version() const { return versionWord & 15; }
};

inline std::uint32_t readLe32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
         std::uint32_t(p[3]) << 24;
}
inline void appendLe32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int k = 0; k < 4; ++k) out.push_back(std::uint8_t(v >> (8 * k)));
}

// False unless the 16 bytes hold the magic and a version of at most 5.
bool parseTrailer(const std::uint8_t* bytes, Trailer& trailer);
std::vector<std::uint8_t> encodeTrailer(const Trailer& trailer);

// Version 5 records of every entry, in directory order.
std::vector<std::uint8_t> serialiseRecords(const Directory& directory);
// Parses exactly `count` version 5 records that fill [bytes, bytes + length) exactly.
// False (and `directory` untouched) when a record overruns or bytes are left over.
bool parseRecords(const std::uint8_t* bytes, std::size_t length, std::int32_t count,
                  Directory& directory);
// Parses `count` records of `recordSize` (long or short) bytes; each gets `time`. A name
// without its terminating zero inside the field is a corrupt record: false.
bool parseOldRecords(const std::uint8_t* bytes, std::size_t length, std::int32_t count,
                     std::size_t recordSize, std::int32_t time, Directory& directory);

}  // namespace archive_format
