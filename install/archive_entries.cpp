// Reading a product file from the install archive for the install run.
#include "install/archive_entries.h"

#include <cstdlib>

EntryData ArchiveEntries::read(const std::string& name) {
  EntryData entry;
  const bool inArchive = archive_.find(name.c_str()) != nullptr;
  std::int32_t size = 0;
  char* bytes = archive_.read(name.c_str(), true, &size);
  if (!bytes) {
    entry.status = inArchive ? EntryStatus::Damaged : EntryStatus::Missing;
    return entry;
  }
  // For an archive entry failed() tells a checksum mismatch; a disk file leaves it alone.
  if (inArchive && archive_.failed()) {
    std::free(bytes);
    entry.status = EntryStatus::Damaged;
    return entry;
  }
  entry.status = EntryStatus::Ok;
  entry.data = {bytes, [](char* data) { std::free(data); }};
  entry.size = std::size_t(size);
  return entry;
}
