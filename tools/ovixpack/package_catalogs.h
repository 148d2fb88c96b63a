// The language catalogs of a package, listed and selected as the installer does at start.
#pragma once

#include <string>

#include "config/language_catalog.h"
#include "tools/ovixpack/package_source.h"

class PackageCatalogs : public LanguageCatalog {
 public:
  // Lists the package's ".clg" entries in archive order and selects "English" (or, failing
  // an exact match, the first listed catalog).
  explicit PackageCatalogs(const PackageSource& package);

  // The names joined by "; " in listing order.
  std::string joinedNames() const;

 protected:
  bool readEntry(const std::string& entryName, std::string* text) override;

 private:
  const PackageSource& package_;
};
