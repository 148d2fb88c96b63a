// Fuzz target: the block-sorting decoder on arbitrary bytes, into a fixed output area.
// Property: it never crashes, hangs, reads past the input or writes past the area; a corrupt
// stream ends in a fatal report (caught here) or in data.
#include <cstdint>
#include <vector>

#include "codec/codec_api.h"
#include "tests/fuzz/fuzz_reports.h"

namespace {
constexpr std::size_t kCapacity = 1 << 16;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // An exact-size copy, so that a read past the input is a sanitizer report.
  std::vector<std::uint8_t> input(data, data + size);
  std::vector<std::uint8_t> output(kCapacity);
  MemoryInput source(input.data(), input.size());
  runCatchingReports([&] { uncompressStream(source, output.data(), output.size(), nullptr); });
  return 0;
}
