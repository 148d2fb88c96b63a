// The install run's reading of product files: verified archive entries, the disk fallback,
// and damaged or missing entries that must not pass for good data.
#include <gtest/gtest.h>

#include "install/archive_entries.h"
#include "tests/support/archive_builder.h"
#include "tests/support/scratch_folder.h"

TEST(ArchiveEntries, ReadsVerifiedEntriesFallsBackToDiskAndRefusesDamagedData) {
  ScratchFolder scratch;
  const std::string text(5000, 'x');
  ASSERT_TRUE(buildArchive("package.arc", {{"sorted.txt", text + "block", RW_COMPRESS | RW_BLOCKSORT},
                                           {"lz.txt", text + "lz", RW_COMPRESS},
                                           {"plain.bin", std::string("a\0b", 3), 0},
                                           {"damaged.bin", "STORED-PLAIN-BYTES", 0},
                                           {"empty", "", 0}}));
  ASSERT_TRUE(damageStoredBytes("package.arc", "STORED-PLAIN-BYTES"));
  { std::ofstream("loose.txt", std::ios::binary) << "from disk"; }

  TResFile archive("package.arc", false);
  ASSERT_FALSE(archive.failed());
  ArchiveEntries entries(archive);
  struct Case {
    const char* name;
    EntryStatus status;
    std::string bytes;
  };
  const Case cases[] = {
      {"sorted.txt", EntryStatus::Ok, text + "block"},
      {"lz.txt", EntryStatus::Ok, text + "lz"},
      {"plain.bin", EntryStatus::Ok, std::string("a\0b", 3)},
      {"empty", EntryStatus::Ok, ""},
      {"damaged.bin", EntryStatus::Damaged, ""},
      {"loose.txt", EntryStatus::Ok, "from disk"},
      {"absent.txt", EntryStatus::Missing, ""},
      {"plain.bin", EntryStatus::Ok, std::string("a\0b", 3)},  // good again after a damaged one
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EntryData entry = entries.read(c.name);
    EXPECT_EQ(entry.status, c.status);
    EXPECT_EQ(entry.data != nullptr, c.status == EntryStatus::Ok);
    if (entry.data) {
      EXPECT_EQ(std::string(entry.data.get(), entry.size), c.bytes);
    }
  }
}
