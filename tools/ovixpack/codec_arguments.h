// The arguments of "encode" and "decode": --codec NAME, for decode --size N, then IN OUT.
#pragma once

#include <cstddef>
#include <string>

#include "tools/ovixpack/commands.h"

struct CodecArguments {
  std::string codec;
  std::size_t size = 0;
  std::string input;
  std::string output;
};

// False (after a message on standard error) for missing, unknown or malformed arguments.
bool parseCodecArguments(const Arguments& args, bool withSize, CodecArguments& parsed);
