// Times one encode and one decode of a whole file with the block-sorting codec and checks
// that the round trip restores it. Prints: bytes, compressed bytes, encode s, decode s.
#include <chrono>
#include <cstdio>
#include <vector>

#include "codec/codec_api.h"

namespace {

bool readFile(const char* path, std::vector<std::uint8_t>& bytes) {
  std::FILE* f = std::fopen(path, "rb");
  if (!f) return false;
  std::uint8_t chunk[1 << 16];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, f)) > 0) bytes.insert(bytes.end(), chunk, chunk + got);
  std::fclose(f);
  return true;
}

double seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: codec_bench FILE\n");
    return 2;
  }
  std::vector<std::uint8_t> source;
  if (!readFile(argv[1], source)) {
    std::fprintf(stderr, "codec_bench: cannot read %s\n", argv[1]);
    return 2;
  }
  MemoryInput input(source.data(), source.size());
  MemoryOutput packed;
  auto start = std::chrono::steady_clock::now();
  compressStream(input, packed, nullptr);
  double encodeSeconds = seconds(start);

  std::vector<std::uint8_t> decoded(source.size());
  MemoryInput packedInput(packed.bytes().data(), packed.bytes().size());
  start = std::chrono::steady_clock::now();
  uncompressStream(packedInput, decoded.data(), decoded.size(), nullptr);
  double decodeSeconds = seconds(start);

  if (decoded != source) {
    std::fprintf(stderr, "codec_bench: round trip of %s differs\n", argv[1]);
    return 1;
  }
  std::printf("%zu %zu %.6f %.6f\n", source.size(), packed.bytes().size(), encodeSeconds,
              decodeSeconds);
  return 0;
}
