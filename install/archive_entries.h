// The product's files as the install run reads them: entries of the install archive, verified,
// or disk files of the same name when the archive has no such entry.
#pragma once

#include "archive/resfile.h"
#include "install/entry_source.h"

class ArchiveEntries : public EntrySource {
 public:
  explicit ArchiveEntries(TResFile& archive) : archive_(archive) {}
  EntryData read(const std::string& name) override;

 private:
  TResFile& archive_;
};
