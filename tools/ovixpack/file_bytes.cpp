// Whole-file reads and writes through stdio.
#include "tools/ovixpack/file_bytes.h"

#include <cstdio>

bool readWholeFile(const std::string& path, FileBytes& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  bytes.clear();
  std::uint8_t chunk[1 << 16];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
    bytes.insert(bytes.end(), chunk, chunk + got);
  bool ok = !std::ferror(file);
  std::fclose(file);
  return ok;
}

bool writeWholeFile(const std::string& path, const std::uint8_t* bytes, std::size_t length) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  bool ok = std::fwrite(bytes, 1, length, file) == length;
  ok = std::fclose(file) == 0 && ok;
  return ok;
}
