// Fuzz target: decode(encode(x)) == x for the block-sorting codec, with the decoder reading
// exactly the encoder's bytes. The first input byte also picks the sort path: odd sends
// every bucketed block to the doubling sort, so both sorts meet the same inputs.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "codec/bs_block_sort.h"
#include "codec/codec_api.h"
#include "tests/fuzz/fuzz_reports.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  installThrowingReports();  // a report here is a failure: it escapes as an exception
  const bool doublingOnly = size > 0 && (data[0] & 1);
  const std::int64_t normal = setSortWorkPerEntry(0);
  setSortWorkPerEntry(doublingOnly ? 0 : normal);
  MemoryInput source(data, size);
  MemoryOutput stream;
  compressStream(source, stream, nullptr);
  setSortWorkPerEntry(normal);

  std::vector<std::uint8_t> decoded(size);
  MemoryInput packed(stream.bytes().data(), stream.bytes().size());
  uncompressStream(packed, decoded.data(), decoded.size(), nullptr);
  if (uncompressedSize() != size || packed.position() != stream.bytes().size() ||
      !std::equal(decoded.begin(), decoded.end(), data))
    std::abort();
  return 0;
}
