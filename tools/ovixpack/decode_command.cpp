// ovixpack decode --codec bwt --size N IN OUT: decodes the block-sorting stream IN, which
// must hold exactly N bytes, to OUT.
#include <cstdio>

#include "codec/codec_api.h"
#include "tools/ovixpack/codec_arguments.h"
#include "tools/ovixpack/file_bytes.h"

int runDecode(const Arguments& args) {
  CodecArguments parsed;
  if (!parseCodecArguments(args, true, parsed)) return kExitUsage;
  FileBytes stream;
  if (!readWholeFile(parsed.input, stream)) {
    std::fprintf(stderr, "ovixpack: cannot read %s\n", parsed.input.c_str());
    return kExitUsage;
  }
  FileBytes decoded(parsed.size);
  MemoryInput input(stream.data(), stream.size());
  // A corrupt stream ends in a fatal report (exit 1); the codec never writes past N bytes.
  uncompressStream(input, decoded.data(), decoded.size(), nullptr);
  if (input.position() <= 4) {
    std::fprintf(stderr, "ovixpack: %s is not a block-sorting stream\n", parsed.input.c_str());
    return kExitCheckFailed;
  }
  if (uncompressedSize() != parsed.size) {
    std::fprintf(stderr, "ovixpack: %s holds %zu bytes, not %zu\n", parsed.input.c_str(),
                 uncompressedSize(), parsed.size);
    return kExitCheckFailed;
  }
  if (!writeWholeFile(parsed.output, decoded.data(), decoded.size())) {
    std::fprintf(stderr, "ovixpack: cannot write %s\n", parsed.output.c_str());
    return kExitUsage;
  }
  return kExitOk;
}
