// Fuzz target "ini_simple_load": arbitrary bytes loaded by TIniFile, then every kind of look-up,
// with sections and keys taken from the loaded lines themselves. The reader must never
// crash, hang or touch memory outside its buffers.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "config/ini_file.h"
#include "config/language_catalog.h"

namespace {

// The section name of a header line "[name]", or the key part of a key line.
void lookUpFrom(const TIniFile& ini, const std::string& section, const char* line) {
  std::string key(line, std::strcspn(line, "="));
  ini.readString(section.c_str(), key.c_str(), nullptr);
  ini.readInt(section.c_str(), key.c_str(), -1);
  ini.readBool(section.c_str(), key.c_str(), true);
  ini.readDouble(section.c_str(), key.c_str(), 0.5);
  ini.readInts(section.c_str(), key.c_str(), "1 2");
  ini.readDoubles(section.c_str(), key.c_str(), nullptr);
  ini.readStrings(section.c_str(), key.c_str(), "a,b");
  ini.findKey(section.c_str(), key.c_str());
  if (const char* value = ini.readString(section.c_str(), key.c_str(), nullptr))
    expandEscapes(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  TIniFile ini;
  ini.load(text.c_str());  // up to the first zero byte, as the installer hands texts over
  std::string section;
  for (int i = 0; const char* line = ini.lineAt(i); ++i) {
    std::size_t length = std::strlen(line);
    if (length >= 2 && line[0] == '[' && line[length - 1] == ']')
      section.assign(line + 1, length - 2);
    lookUpFrom(ini, section, line);
  }
  ini.findKey(section.c_str(), nullptr);
  ini.lineAt(ini.lineCount());
  ini.loadBytes(reinterpret_cast<const char*>(data), size);  // the whole input, zeros too
  return 0;
}
