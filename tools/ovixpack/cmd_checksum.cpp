// ovixpack checksum: the entry checksum of a file, as the archive would store it.
#include <cstdio>

#include "archive/file_stream.h"
#include "codec/codec_api.h"
#include "tools/ovixpack/pack_commands.h"
#include "tools/ovixpack/pack_support.h"

int runChecksum(const Arguments& args) {
  if (args.size() != 1) return failWith(kExitUsage, "checksum needs one file");
  FileStream file;
  if (!openHostFile(std::filesystem::u8path(args[0]), file)) return failWith(kExitUsage, args[0] + ": cannot open");
  std::uint8_t chunk[FileStream::kBufferSize];
  std::uint32_t crc = 0;
  for (std::size_t n; (n = file.read(chunk, sizeof chunk)) > 0;) crc = entryChecksumUpdate(crc, chunk, n);
  if (file.bad()) return failWith(kExitUsage, args[0] + ": read error");
  std::printf("%08lX\n", (unsigned long)crc);
  return kExitOk;
}
