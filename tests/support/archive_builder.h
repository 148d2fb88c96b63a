// Builds small install archives for tests, and damages a stored entry's bytes in place.
#pragma once

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "archive/resfile.h"

struct ArchiveItem {
  std::string name;
  std::string bytes;
  unsigned options;  // RW_* bits; 0 stores the bytes as they are
};

// Writes `items` into a new archive file at `path`; false when the archive reports a failure.
inline bool buildArchive(const std::string& path, const std::vector<ArchiveItem>& items) {
  std::remove(path.c_str());
  TResFile archive(path.c_str(), true);
  for (const auto& item : items) {
    MemorySource source(reinterpret_cast<const std::uint8_t*>(item.bytes.data()), item.bytes.size());
    if (!archive.write(source, item.name.c_str(), item.options)) return false;
  }
  archive.flush();
  return !archive.failed();
}

// Flips one byte inside the first occurrence of `stored` in the file (an entry stored plain);
// false when the bytes are not found.
inline bool damageStoredBytes(const std::string& path, const std::string& stored) {
  std::ifstream in(path, std::ios::binary);
  std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  in.close();
  std::size_t at = all.find(stored);
  if (at == std::string::npos) return false;
  all[at + stored.size() / 2] ^= 0x20;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(all.data(), std::streamsize(all.size()));
  return bool(out);
}
