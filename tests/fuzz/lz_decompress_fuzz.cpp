// Fuzz target: the LZ77 decoder on arbitrary bytes, into a fixed output area.
// Property: it never crashes, hangs, reads past the input or writes past the area.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "codec/codec_api.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> input(data, data + size);  // exact size: overreads are reported
  std::vector<std::uint8_t> output(1 << 16);
  MemoryInput source(input.data(), input.size());
  if (lzDecode(source, output.data(), output.size(), nullptr) > output.size()) std::abort();
  return 0;
}
