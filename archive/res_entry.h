// One directory record of the install archive, and the flag and option bits.
#pragma once

#include <cstdint>
#include <string>

// Record flags, as stored.
constexpr std::uint32_t RF_COMPRESSED = 0x01;  // the block is a codec stream
constexpr std::uint32_t RF_SPARE = 0x02;       // carried from RW_SPARE; nothing reads it
constexpr std::uint32_t RF_BLOCKSORT = 0x04;   // with RF_COMPRESSED: block-sorting, else LZ77

// Options of TResFile::write.
constexpr unsigned RW_COMPRESS = 0x01;
constexpr unsigned RW_BLOCKSORT = 0x02;
constexpr unsigned RW_SPARE = 0x04;

struct TResEntry {
  std::string name;              // bytes in the ANSI code page; case-sensitive
  std::int32_t offset = 0;       // block position relative to the archive base
  std::int32_t packedSize = 0;   // block length
  std::int32_t size = 0;         // decoded length
  std::uint32_t crc = 0;         // entry checksum of the decoded bytes
  std::int32_t time = 0;         // seconds since 1970 when added; never interpreted
  std::uint32_t flags = 0;       // RF_* bits
};
