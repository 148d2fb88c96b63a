// Fuzz target: opens arbitrary bytes as an install archive and reads every entry.
// Property: opening and reading never crash, hang, or read or write out of bounds; a corrupt
// block-sorting stream ends in a fatal report (caught here), anything else in failed().
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "archive/resfile.h"
#include "tests/fuzz/fuzz_reports.h"

namespace {
// Entries claiming more than this are skipped: the allocation, not the decoder, would fail.
constexpr std::int32_t kLargestEntry = 1 << 20;
const char* const kArchivePath = "fuzz-input.arc";
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::FILE* f = std::fopen(kArchivePath, "wb");
  if (!f) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  runCatchingReports([&] {
    TResFile archive(kArchivePath, false);
    int walked = 0;
    for (const TResEntry* e = archive.first(); e; e = archive.next()) {
      ++walked;
      if (e->size > kLargestEntry) continue;
      std::int32_t length = -1;
      char* bytes = archive.read(e->name.c_str(), true, &length);
      if (bytes && (length != e->size || bytes[length] != 0)) std::abort();
      std::free(bytes);
    }
    if (walked != archive.count()) std::abort();
  });
  return 0;
}
