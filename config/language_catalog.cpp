// LanguageCatalog: selection, text look-up and escapes; the archive walk is in
// catalog_archive.cpp.
#include "config/language_catalog.h"

#include <cstring>

namespace {

bool equalsIgnoringCase(const std::string& a, const char* b) {
  if (a.size() != std::strlen(b)) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

}  // namespace

bool catalogLanguageName(const std::string& entryName, std::string* language) {
  static const std::string kSuffix = ".clg";
  if (entryName.size() < kSuffix.size() ||
      entryName.compare(entryName.size() - kSuffix.size(), kSuffix.size(), kSuffix) != 0)
    return false;
  *language = entryName.substr(0, entryName.size() - kSuffix.size());
  return true;
}

int defaultLanguageRow(const std::vector<std::string>& names) {
  // p counts down from -1 past every catalog until English is met, then turns positive: its
  // 1-based position. Later catalogs leave it alone, except that another "English" in other
  // letter case turns it negative again (no selection).
  int p = -1;
  for (const std::string& name : names) {
    if (equalsIgnoringCase(name, "English"))
      p = -p;
    else if (p < 0)
      --p;
  }
  return p - 1;
}

std::string expandEscapes(std::string s) {
  for (std::size_t i = 0; i + 1 < s.size();) {
    if (s[i] != '\\') {
      ++i;
    } else if (s[i + 1] == 'n') {
      s.replace(i, 2, 1, '\r');
      ++i;
    } else if (s[i + 1] == 't') {
      s.replace(i, 2, 1, '\t');
      ++i;
    } else {
      i += 2;  // the byte after a backslash never starts an escape
    }
  }
  return s;
}

int LanguageCatalog::AddCatalog(const std::string& name, const std::string& entryName) {
  languageNames_.push_back(name);
  entryNames_.push_back(entryName);
  return count() - 1;
}

void LanguageCatalog::SelectLanguage(const std::string& name) {
  int i = 0;
  while (i < count() && languageNames_[i] != name) ++i;
  if (count() == 0 || i == currentIndex_) return;
  if (i == count()) i = 0;
  currentIndex_ = i;
  std::string text;
  if (!readEntry(entryNames_[i], &text)) {
    currentIndex_ = -1;  // the old texts stay loaded but nothing consults them
    return;
  }
  texts_.load(text.c_str());
}

std::string LanguageCatalog::GetText(const char* section, const char* key,
                                     const char* defaultText) const {
  const char* fallback = defaultText ? defaultText : "";
  if (currentIndex_ < 0 || currentIndex_ >= static_cast<int>(entryNames_.size())) return fallback;
  const char* value = texts_.readString(section, key, "");
  if (!*value) return fallback;
  return expandEscapes(value);
}

std::string LanguageCatalog::ControlText(const char* section, int controlId,
                                         const char* defaultText) const {
  return GetText(section, std::to_string(controlId).c_str(), defaultText);
}

std::string LanguageCatalog::LanguageName(int index) const {
  if (index < 0) index = currentIndex_;
  if (index < 0 || index >= count()) return "";
  return languageNames_[index];
}
