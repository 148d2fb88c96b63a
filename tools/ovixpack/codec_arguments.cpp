// Parsing of the codec commands' arguments.
#include "tools/ovixpack/codec_arguments.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {

bool parseSize(const std::string& text, std::size_t& size) {
  if (text.empty() || text[0] < '0' || text[0] > '9') return false;
  char* end = nullptr;
  errno = 0;
  unsigned long long value = std::strtoull(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || value > SIZE_MAX) return false;
  size = std::size_t(value);
  return true;
}

bool fail(const char* message) {
  std::fprintf(stderr, "ovixpack: %s\n", message);
  return false;
}

}  // namespace

bool parseCodecArguments(const Arguments& args, bool withSize, CodecArguments& parsed) {
  bool sizeSeen = false;
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--codec" || arg == "--size") {
      if (i + 1 >= args.size()) return fail("an option lacks its value");
      const std::string& value = args[++i];
      if (arg == "--codec") {
        parsed.codec = value;
      } else {
        if (!withSize) return fail("--size belongs to decode");
        if (!parseSize(value, parsed.size)) return fail("--size needs a decimal byte count");
        sizeSeen = true;
      }
    } else if (arg.size() > 1 && arg[0] == '-') {
      return fail("unknown option");
    } else {
      files.push_back(arg);
    }
  }
  if (parsed.codec != "bwt" && parsed.codec != "lz") return fail("--codec bwt or lz is required");
  if (withSize && !sizeSeen) return fail("--size N is required");
  if (files.size() != 2) return fail("expected an input and an output file");
  parsed.input = files[0];
  parsed.output = files[1];
  return true;
}
