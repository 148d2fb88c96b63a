// The configuration's archive side: the setup script and the language catalogs are entries
// of the install archive (or disk files of their names), read with checksum verification.
// A checksum mismatch is not looked at: the text is used as read.
#include <cstdlib>

#include "archive/resfile.h"
#include "config/install_script.h"
#include "config/language_catalog.h"
#include "config/script_keys.h"

namespace {

// The entry's text up to its first zero byte, as the INI reader takes it; false when the
// archive has no such entry and there is no such disk file.
bool readText(TResFile& archive, const char* name, std::string* text) {
  char* buffer = archive.read(name, true, nullptr);
  if (!buffer) return false;
  *text = buffer;
  std::free(buffer);
  return true;
}

}  // namespace

bool LanguageCatalog::readEntry(const std::string& entryName, std::string* text) {
  return archive_ && readText(*archive_, entryName.c_str(), text);
}

int LanguageCatalog::ListCatalogs() {
  if (archive_) {
    std::string language;
    for (const TResEntry* entry = archive_->first(); entry; entry = archive_->next())
      if (catalogLanguageName(entry->name, &language)) AddCatalog(language, entry->name);
  }
  return defaultLanguageRow(languageNames_);
}

std::string loadInstallConfig(TResFile& archive, InstallConfig* config) {
  std::string text;
  readText(archive, script::kScriptName, &text);  // a missing script reads as an empty one
  return readInstallConfigText(text.c_str(), config);
}
