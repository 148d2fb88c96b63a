// Builds a small install archive file from (name, bytes) pairs, for tests that read one.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "archive/res_entry.h"
#include "archive/resfile.h"

using ArchiveEntries = std::vector<std::pair<std::string, std::string>>;

// Creates `path` anew and stores every entry with `options` (RW_* bits); true when every
// entry was stored.
inline bool writeArchive(const std::string& path, const ArchiveEntries& entries,
                         unsigned options = RW_COMPRESS) {
  std::remove(path.c_str());
  TResFile archive(path.c_str(), true);
  for (const auto& [name, bytes] : entries) {
    MemorySource source(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    if (!archive.write(source, name.c_str(), options)) return false;
  }
  archive.flush();
  return !archive.failed();
}
