// A LanguageCatalog whose catalog texts are held in memory instead of an archive; it counts
// how often a catalog is read.
#pragma once

#include <map>
#include <string>

#include "config/language_catalog.h"

class MemoryCatalog : public LanguageCatalog {
 public:
  std::map<std::string, std::string> entries;  // entry name -> catalog text
  int reads = 0;

 protected:
  bool readEntry(const std::string& entryName, std::string* text) override {
    ++reads;
    auto found = entries.find(entryName);
    if (found == entries.end()) return false;
    *text = found->second;
    return true;
  }
};
