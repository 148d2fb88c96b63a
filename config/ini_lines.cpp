// Line splitting, normalisation and the two directives of the INI reader.
#include "config/ini_lines.h"

#include <cstring>

namespace {

// A blank for normalisation: space and every control byte (bytes above 127 are text).
bool isBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

// White space before and after a directive word.
bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool startsWith(const char* text, std::size_t length, const char* word) {
  std::size_t n = std::strlen(word);
  return length >= n && std::memcmp(text, word, n) == 0;
}

// "#define NAME VALUE": the name ends at a space, the value is the next word and ends at a
// space or carriage return; further words are ignored. A directive without a name stores
// nothing; one without a value defines the name as the empty text. Either way every read
// stays inside the part.
bool defineLine(const char* p, const char* end, std::string* line) {
  while (p < end && isSpace(*p)) ++p;
  const char* name = p;
  while (p < end && *p != ' ' && *p != '\r') ++p;
  if (p == name) return false;
  std::string stored(name, p);
  while (p < end && *p == ' ') ++p;
  const char* value = p;
  while (p < end && *p != ' ' && *p != '\r') ++p;
  stored += '=';
  stored.append(value, p);
  *line = stored;
  return true;
}

}  // namespace

bool IniLineReader::next(const char** part, std::size_t* partLength) {
  if (position_ >= length_) return false;
  const char* start = data_ + position_;
  std::size_t taken = 0;
  while (position_ < length_ && taken < maxPart_) {
    if (data_[position_] == '\n') {
      ++position_;  // the line feed ends the part and is not stored
      *part = start;
      *partLength = taken;
      return true;
    }
    ++position_;
    ++taken;
  }
  *part = start;
  *partLength = taken;
  return true;
}

bool iniStoredLine(const char* part, std::size_t length, std::string* line) {
  const char* p = part;
  const char* end = part + length;
  while (p < end && isSpace(*p)) ++p;
  // The name of an included file is never needed: this reader has no source to read it from.
  if (startsWith(p, end - p, "#include")) return false;
  if (startsWith(p, end - p, "#define")) return defineLine(p + 7, end, line);
  *line = normaliseIniLine(part, length);
  return true;
}

std::string normaliseIniLine(const char* part, std::size_t length) {
  std::size_t begin = 0, end = length;
  while (begin < end && isBlank(part[begin])) ++begin;
  while (end > begin && isBlank(part[end - 1])) --end;
  std::string line(part + begin, end - begin);
  std::size_t equals = line.find('=');
  if (equals == std::string::npos) return line;
  std::size_t before = equals, after = equals + 1;
  while (before > 0 && isBlank(line[before - 1])) --before;
  while (after < line.size() && isBlank(line[after])) ++after;
  return line.substr(0, before) + '=' + line.substr(after);
}
