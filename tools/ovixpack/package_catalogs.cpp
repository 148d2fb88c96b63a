// PackageCatalogs: the installer's catalog listing over a package folder or archive.
#include "tools/ovixpack/package_catalogs.h"

PackageCatalogs::PackageCatalogs(const PackageSource& package) : package_(package) {
  std::string language;
  for (const std::string& name : package.entryNames())
    if (catalogLanguageName(name, &language)) AddCatalog(language, name);
  SelectLanguage("English");
}

std::string PackageCatalogs::joinedNames() const {
  std::string joined;
  for (int i = 0; i < count(); ++i) joined += (i ? "; " : "") + LanguageName(i);
  return joined;
}

bool PackageCatalogs::readEntry(const std::string& entryName, std::string* text) {
  if (!package_.read(entryName, text)) return false;
  text->resize(std::char_traits<char>::length(text->c_str()));  // the text ends at a zero byte
  return true;
}
