// The line level of the INI reader: splitting a text into source line parts and turning
// each part into the line that is stored (normalised, or the result of a directive).
#pragma once

#include <cstddef>
#include <string>

// Reads `data[0 .. length)` as lines separated by line feeds, in parts of at most
// `maxPart` bytes. A part ends after a line feed (consumed, not part of it) or, without
// consuming anything, once `maxPart` bytes have been taken; a last line without a line feed
// is still a part.
class IniLineReader {
 public:
  IniLineReader(const char* data, std::size_t length, std::size_t maxPart)
      : data_(data), length_(length), maxPart_(maxPart) {}

  // The next part in [*part, *part + *partLength); false when no byte is left.
  bool next(const char** part, std::size_t* partLength);

 private:
  const char* data_;
  std::size_t length_;
  std::size_t maxPart_;
  std::size_t position_ = 0;
};

// The line to store for one part: "#include" parts store nothing (false); "#define NAME VALUE"
// stores "NAME=VALUE"; any other part is stored normalised.
bool iniStoredLine(const char* part, std::size_t length, std::string* line);

// Cuts the bytes of value 32 or below from both ends, and those directly around the first
// "=".
std::string normaliseIniLine(const char* part, std::size_t length);
