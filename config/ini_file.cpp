// TIniFile: loading, lookups and saving over a list of stored lines.
#include "config/ini_file.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "config/ini_lines.h"
#include "config/ini_values.h"
#include "foundation/acollect.h"

namespace {

// The key part of a stored line (the text before its first "=", or all of it) equals `key`.
bool keyPartEquals(const char* line, const char* key) {
  std::size_t n = std::strlen(key);
  return std::strncmp(line, key, n) == 0 && (line[n] == '=' || line[n] == '\0');
}

char* copyText(const std::string& text) {
  char* copy = static_cast<char*>(std::malloc(text.size() + 1));
  if (copy) std::memcpy(copy, text.c_str(), text.size() + 1);
  return copy;
}

// A section name this long cannot be found: its header would be longer than the longest
// line that is ever stored.
constexpr std::size_t kMaxSectionName = 247;

}  // namespace

const char* TIniFile::className() const { return "TIniFile"; }

TObject* TIniFile::isA(const char* name) {
  return namesMatch(name, "TIniFile") ? this : TObject::isA(name);
}

TIniFile::~TIniFile() { dropLines(); }

void TIniFile::dropLines() {
  if (lines_) lines_->release();  // the last release deletes the owned texts and the list
  lines_ = nullptr;
}

int TIniFile::lineCount() const { return lines_ ? lines_->count() : 0; }

bool TIniFile::load(const char* text) {
  if (!text) {
    failed_ = true;
    return false;
  }
  return loadBytes(text, std::strlen(text));
}

bool TIniFile::loadBytes(const char* data, std::size_t length) {
  dropLines();
  lines_ = new TCollection(20, 10);
  lines_->setOwnsItems(true);
  IniLineReader reader(data, length, kMaxLinePart);
  const char* part;
  std::size_t partLength;
  std::string line;
  while (reader.next(&part, &partLength)) {
    if (!iniStoredLine(part, partLength, &line)) continue;
    // The list is full: the rest of the text is dropped rather than overflowing it.
    if (lines_->count() >= kMaxLines) break;
    if (char* copy = copyText(line)) lines_->append(copy);
  }
  return !failed_;
}

bool TIniFile::loadFile(const char* path) {
  fileName_ = path ? path : "";
  failed_ = true;
  std::FILE* file = path ? std::fopen(path, "rb") : nullptr;
  if (!file) return false;
  std::string data;
  char chunk[4096];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) data.append(chunk, got);
  bool readError = std::ferror(file) != 0;
  std::fclose(file);
  if (readError) return false;
  loadBytes(data.data(), data.size());
  failed_ = false;
  return true;
}

bool TIniFile::reload() {
  if (lines_) lines_->destroyAll();
  failed_ = true;
  return false;
}

int TIniFile::findLine(const std::string& text, int from) const {
  for (int i = from; i < lineCount(); ++i)
    if (text == static_cast<const char*>(lines_->at(i))) return i;
  return -1;
}

int TIniFile::scanSection(int header, const char* key, bool* found) const {
  int last = lineCount() - 1;
  int i = header + 1;
  for (;; ++i) {
    const char* line = static_cast<const char*>(lines_->at(i));
    if (line[0] == '[' || keyPartEquals(line, key) || i == last) break;
  }
  const char* line = static_cast<const char*>(lines_->at(i));
  *found = line[0] != '[' && std::strchr(line, '=') && keyPartEquals(line, key);
  return i;
}

const char* TIniFile::readString(const char* section, const char* key,
                                 const char* defaultValue) const {
  if (!section || !key || std::strlen(section) > kMaxSectionName) return defaultValue;
  std::string header = std::string("[") + section + "]";
  int from = 0;
  for (;;) {
    int h = findLine(header, from);
    if (h < 0 || h == lineCount() - 1) return defaultValue;
    bool found;
    int stop = scanSection(h, key, &found);
    // Not in this section: a later section of the same name may still hold the key.
    if (!found) {
      from = stop;
      continue;
    }
    return std::strchr(static_cast<const char*>(lines_->at(stop)), '=') + 1;
  }
}

int TIniFile::findKey(const char* section, const char* key) const {
  if (!section || std::strlen(section) > kMaxSectionName) return -1;
  int h = findLine(std::string("[") + section + "]", 0);
  if (h < 0 || !key) return h;
  if (h == lineCount() - 1) return -1;
  bool found;
  int stop = scanSection(h, key, &found);
  return found ? stop : -1;
}

const char* TIniFile::lineAt(int index) const {
  if (index < 0 || index >= lineCount()) return nullptr;
  return static_cast<const char*>(lines_->at(index));
}

std::int32_t TIniFile::readInt(const char* section, const char* key,
                               std::int32_t defaultValue) const {
  const char* value = readString(section, key, "");
  return *value ? iniToInt(value) : defaultValue;
}

double TIniFile::readDouble(const char* section, const char* key, double defaultValue) const {
  const char* value = readString(section, key, "");
  return *value ? iniToDouble(value) : defaultValue;
}

bool TIniFile::readBool(const char* section, const char* key, bool defaultValue) const {
  const char* value = readString(section, key, "");
  return *value ? iniIsTrueWord(value) : defaultValue;
}

namespace {

// The value to parse as a list: the key's value, or `defaultText` when that is absent or
// empty; null when both give nothing.
const char* listSource(const TIniFile& ini, const char* section, const char* key,
                       const char* defaultText) {
  const char* value = ini.readString(section, key, "");
  return *value ? value : defaultText;
}

template <typename T>
std::unique_ptr<std::vector<T>> parsedList(const char* text,
                                           std::vector<T> (*parse)(const char*)) {
  if (!text) return nullptr;
  return std::make_unique<std::vector<T>>(parse(text));
}

}  // namespace

std::unique_ptr<std::vector<double>> TIniFile::readDoubles(const char* section, const char* key,
                                                           const char* defaultText) const {
  return parsedList(listSource(*this, section, key, defaultText), iniDoubleList);
}

std::unique_ptr<std::vector<std::int32_t>> TIniFile::readInts(const char* section,
                                                              const char* key,
                                                              const char* defaultText) const {
  return parsedList(listSource(*this, section, key, defaultText), iniIntList);
}

std::unique_ptr<std::vector<std::string>> TIniFile::readStrings(const char* section,
                                                                const char* key,
                                                                const char* defaultText) const {
  return parsedList(listSource(*this, section, key, defaultText), iniStringList);
}

bool TIniFile::save(const char* path) const {
  // Binary mode with explicit "\r\n", so the bytes are the same on every platform.
  std::FILE* file = path ? std::fopen(path, "wb") : nullptr;
  if (!file) return false;
  bool ok = true;
  for (int i = 0; i < lineCount(); ++i) {
    const char* line = lineAt(i);
    ok = std::fputs(line, file) >= 0 && std::fputs("\r\n", file) >= 0 && std::fflush(file) == 0 &&
         ok;
  }
  return std::fclose(file) == 0 && ok;
}
