// Times one encode and one decode of a whole file with the block-sorting codec and checks
// that the round trip restores it. Prints: bytes, compressed bytes, encode s, decode s, in
// processor time, which a busy machine disturbs less than elapsed time; with REPEATS, the
// least time of that many runs.
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "codec/codec_api.h"
#include "tools/ovixpack/file_bytes.h"

namespace {

double seconds(std::clock_t since) { return double(std::clock() - since) / CLOCKS_PER_SEC; }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: codec_bench FILE [REPEATS]\n");
    return 2;
  }
  int repeats = argc == 3 ? std::atoi(argv[2]) : 1;
  if (repeats < 1) repeats = 1;
  std::vector<std::uint8_t> source;
  if (!readWholeFile(argv[1], source)) {
    std::fprintf(stderr, "codec_bench: cannot read %s\n", argv[1]);
    return 2;
  }
  double encodeSeconds = 1e30, decodeSeconds = 1e30;
  MemoryOutput packed;
  for (int run = 0; run < repeats; ++run) {
    MemoryInput input(source.data(), source.size());
    MemoryOutput output;
    std::clock_t start = std::clock();
    compressStream(input, output, nullptr);
    double taken = seconds(start);
    if (taken < encodeSeconds) encodeSeconds = taken;
    if (run == 0) packed = output;
  }

  std::vector<std::uint8_t> decoded(source.size());
  for (int run = 0; run < repeats; ++run) {
    MemoryInput packedInput(packed.bytes().data(), packed.bytes().size());
    std::clock_t start = std::clock();
    uncompressStream(packedInput, decoded.data(), decoded.size(), nullptr);
    double taken = seconds(start);
    if (taken < decodeSeconds) decodeSeconds = taken;
  }

  if (decoded != source) {
    std::fprintf(stderr, "codec_bench: round trip of %s differs\n", argv[1]);
    return 1;
  }
  std::printf("%zu %zu %.6f %.6f\n", source.size(), packed.bytes().size(), encodeSeconds,
              decodeSeconds);
  return 0;
}
