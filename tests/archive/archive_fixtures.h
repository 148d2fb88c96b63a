// Helpers for archive tests: whole-file reads and writes, and archives assembled by hand
// from the byte layout (for the old directory versions no writer produces).
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "archive/archive_format.h"
#include "archive/resfile.h"
#include "codec/codec_api.h"

using Bytes = std::vector<std::uint8_t>;

inline Bytes bytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

inline void writeWholeFile(const std::string& path, const Bytes& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

inline Bytes readWholeFile(const std::string& path) {
  Bytes out;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return out;
  for (int c; (c = std::fgetc(f)) != EOF;) out.push_back(std::uint8_t(c));
  std::fclose(f);
  return out;
}

inline void putLe32(Bytes& out, std::uint32_t v) { archive_format::appendLe32(out, v); }

inline Bytes bsEncode(const Bytes& input) {
  MemoryInput in(input.data(), input.size());
  MemoryOutput out;
  compressStream(in, out, nullptr);
  return out.bytes();
}

inline Bytes lzEncodeBytes(const Bytes& input) {
  MemoryInput in(input.data(), input.size());
  MemoryOutput out;
  lzEncode(in, out, nullptr);
  return out.bytes();
}

// One entry of a hand-built archive: its name, decoded bytes, stored block and flags.
struct FixtureEntry {
  std::string name;
  Bytes data;
  Bytes block;
  std::uint32_t flags;
};

inline FixtureEntry storedEntry(const std::string& name, const std::string& text) {
  return {name, bytesOf(text), bytesOf(text), 0};
}

// prefix + blocks + a directory of version 0..4 (records as `versionWord` says) + trailer.
inline Bytes oldArchive(const Bytes& prefix, const std::vector<FixtureEntry>& entries,
                        std::uint32_t versionWord) {
  const bool encoded = versionWord & archive_format::kOldCompressedBit;
  const std::size_t recordSize =
      encoded || (versionWord & archive_format::kOldLongRecordsBit) ? 64 : 48;
  Bytes file = prefix, records;
  std::uint32_t offset = 0;
  for (const FixtureEntry& e : entries) {
    file.insert(file.end(), e.block.begin(), e.block.end());
    Bytes name(recordSize - 24, 0);
    std::copy(e.name.begin(), e.name.end(), name.begin());
    records.insert(records.end(), name.begin(), name.end());
    putLe32(records, offset);
    putLe32(records, std::uint32_t(e.block.size()));
    putLe32(records, std::uint32_t(e.data.size()));
    putLe32(records, entryChecksum(e.data.data(), e.data.size()));
    putLe32(records, 0xDEADBEEF);  // time: never read
    putLe32(records, e.flags);
    offset += std::uint32_t(e.block.size());
  }
  const std::size_t dirPos = file.size();
  putLe32(file, std::uint32_t(entries.size()));
  const Bytes body = encoded ? bsEncode(records) : records;
  file.insert(file.end(), body.begin(), body.end());
  const std::int64_t fileLength = std::int64_t(file.size()) + 16;
  file.insert(file.end(), {'s', 'R', 'B', 'V'});
  putLe32(file, offset);
  putLe32(file, std::uint32_t(std::int64_t(dirPos) - fileLength));
  putLe32(file, versionWord);
  return file;
}

// The trailer fields of a file: dataLength, directoryFromEnd, versionWord.
struct TrailerFields {
  std::int32_t dataLength;
  std::int32_t directoryFromEnd;
  std::uint32_t versionWord;
  bool magicOk;
};

inline TrailerFields trailerOf(const Bytes& file) {
  const std::uint8_t* t = file.data() + file.size() - 16;
  return {std::int32_t(archive_format::readLe32(t + 4)),
          std::int32_t(archive_format::readLe32(t + 8)), archive_format::readLe32(t + 12),
          t[0] == 's' && t[1] == 'R' && t[2] == 'B' && t[3] == 'V'};
}

// Reads entry `name` as a string; "<null>" when read returns null.
inline std::string readText(TResFile& archive, const char* name, bool verify = true) {
  std::int32_t size = -1;
  char* data = archive.read(name, verify, &size);
  if (!data) return "<null>";
  std::string text(data, std::size_t(size));
  std::free(data);
  return text;
}
