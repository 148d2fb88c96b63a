// Packs every regular file below a folder into a new install archive with the block-sorting
// method, entry names relative to the folder with backslashes. For the install benchmark.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "archive/resfile.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: pack_tree ARCHIVE FOLDER\n");
    return 2;
  }
  namespace fs = std::filesystem;
  std::remove(argv[1]);
  TResFile archive(argv[1], true);
  int count = 0;
  for (const auto& item : fs::recursive_directory_iterator(argv[2])) {
    if (!item.is_regular_file()) continue;
    std::ifstream in(item.path(), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string name = fs::relative(item.path(), argv[2]).generic_string();
    for (char& c : name)
      if (c == '/') c = '\\';
    MemorySource source(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    if (!archive.write(source, name.c_str(), RW_COMPRESS | RW_BLOCKSORT)) {
      std::fprintf(stderr, "pack_tree: cannot store %s\n", name.c_str());
      return 1;
    }
    ++count;
  }
  archive.flush();
  if (archive.failed()) return 1;
  std::printf("%d entries\n", count);
  return 0;
}
