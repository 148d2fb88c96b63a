// Whole-buffer wrappers around the block-sorting codec and generators of test data.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "codec/codec_api.h"

using Bytes = std::vector<std::uint8_t>;

inline Bytes bytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

inline Bytes encodeBytes(const Bytes& source, ProgressProc progress = nullptr) {
  MemoryInput input(source.data(), source.size());
  MemoryOutput output;
  compressStream(input, output, progress);
  return output.bytes();
}

// Decodes into an area of `capacity` bytes; *consumed receives the bytes read.
inline Bytes decodeBytes(const Bytes& stream, std::size_t capacity,
                         ProgressProc progress = nullptr, std::size_t* consumed = nullptr) {
  Bytes output(capacity, 0xEE);
  MemoryInput input(stream.data(), stream.size());
  uncompressStream(input, output.data(), output.size(), progress);
  if (consumed) *consumed = input.position();
  return output;
}

// Deterministic pseudo-random bytes.
inline Bytes randomBytes(std::size_t length, std::uint32_t seed) {
  Bytes out(length);
  for (auto& b : out) {
    seed = seed * 1664525u + 1013904223u;
    b = std::uint8_t(seed >> 24);
  }
  return out;
}

// `bytes` changed where a byte equals its predecessor, so that every byte is one block entry.
inline Bytes runFree(Bytes bytes) {
  for (std::size_t i = 1; i < bytes.size(); ++i)
    if (bytes[i] == bytes[i - 1]) bytes[i] = std::uint8_t(bytes[i] + 1);
  return bytes;
}

// Pseudo-random bytes in which no byte equals its predecessor.
inline Bytes runFreeBytes(std::size_t length, std::uint32_t seed) {
  return runFree(randomBytes(length, seed));
}

// `pattern` repeated to `length` bytes.
inline Bytes periodicBytes(const Bytes& pattern, std::size_t length) {
  Bytes out(length);
  for (std::size_t i = 0; i < length; ++i) out[i] = pattern[i % pattern.size()];
  return out;
}

// English-like text from a small vocabulary, with line breaks.
inline Bytes wordText(std::size_t length, std::uint32_t seed) {
  static const char* const words[] = {"the ",  "block ", "sort ",   "of ",    "rotations ",
                                      "and ",  "a ",     "coder ",  "value ", "model ",
                                      "run ",  "zero ",  "front ",  "list ",  "stream\n"};
  std::string text;
  while (text.size() < length) {
    seed = seed * 1664525u + 1013904223u;
    text += words[(seed >> 24) % 15];
  }
  text.resize(length);
  return bytesOf(text);
}
