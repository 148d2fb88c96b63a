// TResFile opening and reading: old directory versions, the three states after opening,
// bad directories, and the edge cases of read.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/archive/archive_fixtures.h"
#include "tests/support/scratch_folder.h"

namespace {

std::vector<FixtureEntry> mixedEntries() {
  const Bytes text = bytesOf("[Main]\r\n0=Setup\r\n1=Install\r\n1=Install\r\n1=Install\r\n");
  const Bytes logo(3000, 0x42);
  return {
      storedEntry("Ovix.ini", "Title=Demo\r\n"),
      {"English.clg", text, lzEncodeBytes(text), 0x01},
      {"logo.bmp", logo, bsEncode(logo), 0x05},
      {"extra.bin", bytesOf("spare bits"), bsEncode(bytesOf("spare bits")), 0x0D},
      storedEntry("empty", ""),
  };
}

TEST(ResFileRead, OldDirectoryVersionsReadLikeCurrentOnes) {
  struct Version {
    const char* name;
    std::uint32_t word;
  };
  const Version versions[] = {
      {"v0 short records", 0x000}, {"v1 long records", 0x201},
      {"v3 compressed", 0x103},    {"v4 compressed, long bit", 0x304},
  };
  ScratchFolder folder;
  const Bytes stub = bytesOf("MZ stub image");
  for (const Version& v : versions) {
    SCOPED_TRACE(v.name);
    writeWholeFile("old.exe", oldArchive(stub, mixedEntries(), v.word));
    TResFile archive("old.exe", false);
    EXPECT_FALSE(archive.failed());
    EXPECT_EQ(archive.base(), std::int32_t(stub.size()));
    ASSERT_EQ(archive.count(), 5);
    std::vector<std::string> names;
    for (const TResEntry* e = archive.first(); e; e = archive.next()) names.push_back(e->name);
    EXPECT_EQ(names, (std::vector<std::string>{"English.clg", "Ovix.ini", "empty", "extra.bin",
                                               "logo.bmp"}));
    EXPECT_NE(archive.find("logo.bmp")->time, std::int32_t(0xDEADBEEF));
    for (const FixtureEntry& e : mixedEntries()) {
      EXPECT_EQ(readText(archive, e.name.c_str()), std::string(e.data.begin(), e.data.end()))
          << e.name;
      EXPECT_FALSE(archive.failed()) << e.name;
    }
  }
}

TEST(ResFileRead, WithoutArchiveEveryReadGoesToDisk) {
  struct NoArchive {
    const char* name;
    Bytes file;
  };
  Bytes version6 = oldArchive({}, {storedEntry("disk.txt", "archived")}, 0x306);
  Bytes noMagic(1000, 'x');
  const NoArchive cases[] = {
      {"short file", bytesOf("sRBV")},
      {"no magic", noMagic},
      {"version 6", version6},
  };
  ScratchFolder folder;
  writeWholeFile("disk.txt", bytesOf("from disk"));
  for (const NoArchive& c : cases) {
    SCOPED_TRACE(c.name);
    writeWholeFile("package.bin", c.file);
    TResFile archive("package.bin", false);
    EXPECT_TRUE(archive.failed());
    EXPECT_EQ(archive.count(), 0);
    EXPECT_EQ(archive.first(), nullptr);
    EXPECT_EQ(archive.find("disk.txt"), nullptr);
    EXPECT_EQ(readText(archive, "disk.txt"), "from disk");
    std::int32_t size = 77;
    EXPECT_EQ(archive.read("absent.txt", false, &size), nullptr);
    EXPECT_EQ(size, 77);
  }
  TResFile missing("no-such-file.exe", false);
  EXPECT_TRUE(missing.failed());
  EXPECT_EQ(readText(missing, "disk.txt"), "from disk");
}

TEST(ResFileRead, EntryEdgeCases) {
  ScratchFolder folder;
  std::vector<FixtureEntry> entries = {storedEntry("Ovix.ini", "archived"),
                                       storedEntry("zero", ""),
                                       storedEntry("ovix.ini", "lower case")};
  writeWholeFile("Ovix.ini", bytesOf("disk copy"));
  writeWholeFile("a.arc", oldArchive({}, entries, 0x201));
  TResFile archive("a.arc", false);
  ASSERT_FALSE(archive.failed());
  EXPECT_EQ(readText(archive, "Ovix.ini"), "archived");  // archive before disk
  EXPECT_EQ(readText(archive, "ovix.ini"), "lower case");
  EXPECT_EQ(archive.find("OVIX.INI"), nullptr);

  std::int32_t size = -1;
  char* zero = archive.read("zero", true, &size);
  ASSERT_NE(zero, nullptr);
  EXPECT_EQ(size, 0);
  EXPECT_EQ(zero[0], 0);
  std::free(zero);
  EXPECT_EQ(archive.find("zero")->offset, archive.find("ovix.ini")->offset);

  char* noSize = archive.read("Ovix.ini", false, nullptr);
  ASSERT_NE(noSize, nullptr);
  EXPECT_STREQ(noSize, "archived");  // terminated one past its bytes
  std::free(noSize);

  EXPECT_EQ(archive.first()->name, "Ovix.ini");
  EXPECT_EQ(archive.next()->name, "ovix.ini");
  archive.next();
  EXPECT_EQ(archive.next(), nullptr);
}

TEST(ResFileRead, ChecksumMismatchReturnsDataAndSetsFailed) {
  ScratchFolder folder;
  Bytes file = oldArchive({}, {storedEntry("a.txt", "hello")}, 0x201);
  file[0] = 'j';  // the block changes, the record's checksum does not
  writeWholeFile("a.arc", file);
  TResFile archive("a.arc", false);
  EXPECT_EQ(readText(archive, "a.txt", false), "jello");
  EXPECT_FALSE(archive.failed());
  EXPECT_EQ(readText(archive, "a.txt", true), "jello");
  EXPECT_TRUE(archive.failed());
}

TEST(ResFileRead, ShortOrMisplacedBlocksAreNeverComplete) {
  ScratchFolder folder;
  const Bytes text = bytesOf(std::string(2000, 'q') + "tail of the entry");
  Bytes cutStream = lzEncodeBytes(text);
  cutStream.resize(cutStream.size() - 6);  // loses its last operations and the end marker
  FixtureEntry cutLz = {"cut.lz", text, cutStream, 0x01};
  FixtureEntry longStored = storedEntry("long.txt", "abc");
  writeWholeFile("a.arc", oldArchive({}, {cutLz, longStored}, 0x201));
  // long.txt claims more bytes than the data area holds.
  Bytes file = readWholeFile("a.arc");
  const std::size_t dirPos = cutStream.size() + 3;
  const std::size_t sizeField = dirPos + 4 + 64 + 48;
  file[sizeField] = 200;
  writeWholeFile("a.arc", file);

  TResFile archive("a.arc", false);
  ASSERT_FALSE(archive.failed());
  for (const char* name : {"cut.lz", "long.txt"}) {
    std::int32_t size = -5;
    EXPECT_EQ(archive.read(name, false, &size), nullptr) << name;
    EXPECT_TRUE(archive.failed()) << name;
    EXPECT_EQ(size, -5) << name;
  }
}

}  // namespace
