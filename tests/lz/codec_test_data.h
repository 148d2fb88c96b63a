// Deterministic test inputs for the codecs: small-alphabet noise, word-like text, runs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

inline Bytes bytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

// xorshift noise over `alphabet` symbols: small alphabets give many short, near matches.
inline Bytes noise(std::size_t length, unsigned alphabet, std::uint32_t seed) {
  Bytes out(length);
  for (auto& b : out) {
    seed ^= seed << 13, seed ^= seed >> 17, seed ^= seed << 5;
    b = std::uint8_t(seed % alphabet);
  }
  return out;
}

// Words drawn from a small vocabulary: long and far matches, as in real text.
inline Bytes wordText(std::size_t length, std::uint32_t seed) {
  static const char* const kWords[] = {"the ", "archive ", "entry ", "setup ", "of ",
                                       "window ", "install\r\n", "folder ", "a ", "Ovix "};
  Bytes out;
  while (out.size() < length) {
    seed ^= seed << 13, seed ^= seed >> 17, seed ^= seed << 5;
    for (const char* w = kWords[seed % 10]; *w && out.size() < length; ++w) out.push_back(*w);
  }
  return out;
}
