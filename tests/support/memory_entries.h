// An entry source for install-run tests: entries held in memory, some of them marked damaged.
#pragma once

#include <cstring>
#include <map>
#include <set>
#include <string>

#include "install/entry_source.h"

class MemoryEntries : public EntrySource {
 public:
  EntryData read(const std::string& name) override {
    EntryData entry;
    auto found = entries.find(name);
    if (found == entries.end()) return entry;
    entry.status = damaged.count(name) ? EntryStatus::Damaged : EntryStatus::Ok;
    if (entry.status != EntryStatus::Ok) return entry;
    entry.size = found->second.size();
    entry.data = {new char[entry.size + 1], [](char* bytes) { delete[] bytes; }};
    std::memcpy(entry.data.get(), found->second.data(), entry.size);
    entry.data.get()[entry.size] = '\0';
    return entry;
  }

  std::map<std::string, std::string> entries;
  std::set<std::string> damaged;
};
