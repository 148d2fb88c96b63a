// Value conversions of the INI reader.
#include "config/ini_values.h"

#include <cstdlib>
#include <cstring>

std::int32_t iniToInt(const char* text, const char** end) {
  char* stop = nullptr;
  long long value = std::strtoll(text, &stop, 0);
  if (end) *end = stop;
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<std::int32_t>(value);
}

double iniToDouble(const char* text, const char** end) {
  char* stop = nullptr;
  double value = std::strtod(text, &stop);
  if (end) *end = stop;
  return value;
}

bool iniIsTrueWord(const char* text) {
  static const char* const kTrueWords[] = {
      "yes", "1", "true", "on", "enable",
      "\xA4\xA0", "\x84\xA0", "\x84\x80",  // the Russian yes: lower, capitalised, upper case
  };
  for (const char* word : kTrueWords)
    if (std::strcmp(text, word) == 0) return true;
  return false;
}

namespace {

template <typename T, typename Convert>
std::vector<T> numberList(const char* text, Convert convert) {
  std::vector<T> list;
  const char* p = text;
  while (*p) {
    const char* stop = p;
    T value = convert(p, &stop);
    if (stop == p) {
      ++p;  // nothing fitted here: skip one byte
    } else {
      list.push_back(value);
      p = stop;
    }
  }
  return list;
}

bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The first of `stops` found in [p, end of text), tried in order of preference; the end of
// the text when none is there.
const char* firstOf(const char* p, const char* stops) {
  for (const char* s = stops; *s; ++s)
    if (const char* found = std::strchr(p, *s)) return found;
  return p + std::strlen(p);
}

}  // namespace

std::vector<std::int32_t> iniIntList(const char* text) {
  return numberList<std::int32_t>(text, iniToInt);
}

std::vector<double> iniDoubleList(const char* text) {
  return numberList<double>(text, iniToDouble);
}

std::vector<std::string> iniStringList(const char* text) {
  std::vector<std::string> items;
  const char* p = text;
  for (;;) {
    while (isSpace(*p)) ++p;
    if (*p == ',') ++p;
    while (isSpace(*p)) ++p;
    if (!*p) break;
    const char* start;
    const char* stop;
    if (*p == '"') {
      start = p + 1;
      stop = firstOf(start, "\"\n\r");
    } else {
      start = p;
      // A comma anywhere in the rest makes the list comma-separated from here on.
      stop = firstOf(start, ", ");
      if (*stop == '\0') stop = firstOf(start, "\n\r");
    }
    items.emplace_back(start, stop);
    p = *stop ? stop + 1 : stop;
  }
  return items;
}
