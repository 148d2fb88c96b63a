// Times one LZ77 encode and one decode of a whole file in memory and checks that the round
// trip restores it. Prints: bytes, encoded bytes, encode s, decode s.
#include <chrono>
#include <cstdio>
#include <vector>

#include "codec/codec_api.h"
#include "tools/ovixpack/file_bytes.h"

namespace {

double seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: lz_bench FILE\n");
    return 2;
  }
  std::vector<std::uint8_t> source;
  if (!readWholeFile(argv[1], source)) {
    std::fprintf(stderr, "lz_bench: cannot read %s\n", argv[1]);
    return 2;
  }
  MemoryInput input(source.data(), source.size());
  MemoryOutput packed;
  auto start = std::chrono::steady_clock::now();
  lzEncode(input, packed, nullptr);
  const double encodeSeconds = seconds(start);

  std::vector<std::uint8_t> decoded(source.size());
  MemoryInput packedInput(packed.bytes().data(), packed.bytes().size());
  start = std::chrono::steady_clock::now();
  const std::size_t produced = lzDecode(packedInput, decoded.data(), decoded.size(), nullptr);
  const double decodeSeconds = seconds(start);

  if (produced != source.size() || decoded != source) {
    std::fprintf(stderr, "lz_bench: round trip of %s differs\n", argv[1]);
    return 1;
  }
  std::printf("%lu %lu %.6f %.6f\n", (unsigned long)source.size(),
              (unsigned long)packed.bytes().size(), encodeSeconds, decodeSeconds);
  return 0;
}
