// ovixpack decode --codec bwt|lz --size N IN OUT: decodes the block-sorting or LZ77 stream
// IN, which must hold exactly N bytes, to OUT.
#include <cstdio>

#include "codec/codec_api.h"
#include "tools/ovixpack/codec_arguments.h"
#include "tools/ovixpack/file_bytes.h"

namespace {

int writeDecoded(const std::string& path, const FileBytes& decoded) {
  if (!writeWholeFile(path, decoded.data(), decoded.size())) {
    std::fprintf(stderr, "ovixpack: cannot write %s\n", path.c_str());
    return kExitUsage;
  }
  return kExitOk;
}

}  // namespace

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
  if (parsed.codec == "lz") {
    if (lzDecode(input, decoded.data(), decoded.size(), nullptr) != decoded.size()) {
      std::fprintf(stderr, "ovixpack: %s ends before %lu bytes\n", parsed.input.c_str(),
                   (unsigned long)decoded.size());
      return kExitCheckFailed;
    }
    return writeDecoded(parsed.output, decoded);
  }
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
  return writeDecoded(parsed.output, decoded);
}
