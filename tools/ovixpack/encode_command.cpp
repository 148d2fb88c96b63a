// ovixpack encode --codec bwt|lz IN OUT: writes IN as one block-sorting or LZ77 stream to OUT.
#include <cstdio>

#include "codec/codec_api.h"
#include "tools/ovixpack/codec_arguments.h"
#include "tools/ovixpack/file_bytes.h"

int runEncode(const Arguments& args) {
  CodecArguments parsed;
  if (!parseCodecArguments(args, false, parsed)) return kExitUsage;
  FileBytes source;
  if (!readWholeFile(parsed.input, source)) {
    std::fprintf(stderr, "ovixpack: cannot read %s\n", parsed.input.c_str());
    return kExitUsage;
  }
  MemoryInput input(source.data(), source.size());
  MemoryOutput stream;
  if (parsed.codec == "lz") {
    lzEncode(input, stream, nullptr);
  } else {
    compressStream(input, stream, nullptr);  // a codec failure is a fatal report: exit 1
  }
  if (!writeWholeFile(parsed.output, stream.bytes().data(), stream.bytes().size())) {
    std::fprintf(stderr, "ovixpack: cannot write %s\n", parsed.output.c_str());
    return kExitUsage;
  }
  return kExitOk;
}
