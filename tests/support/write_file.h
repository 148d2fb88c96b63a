// Writes a whole file, creating its folders; for tests that lay out files to read.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

inline void writeFile(const std::filesystem::path& path, const std::string& bytes) {
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}
