// TResFile building archives: round trips of the three methods, appending to a stub,
// replace, remove, flush and compact, and the failure paths of writing.
#include <gtest/gtest.h>

#include "tests/archive/archive_fixtures.h"
#include "tests/support/scratch_folder.h"

namespace {

const TResEntry* writeBytes(TResFile& archive, const std::string& name, const Bytes& data,
                            unsigned options) {
  MemorySource source(data.data(), data.size());
  return archive.write(source, name.c_str(), options);
}

Bytes textOf(std::size_t length) {
  Bytes out;
  const std::string words = "install the folder of the archive entry ";
  while (out.size() < length) out.push_back(std::uint8_t(words[out.size() * 7 % words.size()]));
  return out;
}

TEST(ResFileWrite, RoundTripOfEveryMethod) {
  struct Method {
    const char* name;
    unsigned options;
    std::uint32_t flags;
  };
  const Method methods[] = {{"store", 0, 0x00},
                            {"lz", RW_COMPRESS, 0x01},
                            {"block sort", RW_COMPRESS | RW_BLOCKSORT, 0x05},
                            {"block sort, spare", RW_COMPRESS | RW_BLOCKSORT | RW_SPARE, 0x07}};
  const std::vector<std::pair<std::string, Bytes>> contents = {
      {"empty", {}}, {"abc", bytesOf("abc")}, {"text", textOf(100000)}};
  ScratchFolder folder;
  for (const Method& m : methods) {
    SCOPED_TRACE(m.name);
    std::remove("a.arc");
    {
      TResFile archive("a.arc", true);
      ASSERT_FALSE(archive.failed());
      for (const auto& c : contents) ASSERT_NE(writeBytes(archive, c.first, c.second, m.options), nullptr);
      EXPECT_TRUE(archive.changed());
    }
    TResFile archive("a.arc", false);
    ASSERT_FALSE(archive.failed());
    ASSERT_EQ(archive.count(), 3);
    for (const auto& c : contents) {
      const TResEntry* e = archive.find(c.first.c_str());
      ASSERT_NE(e, nullptr);
      EXPECT_EQ(e->size, std::int32_t(c.second.size()));
      EXPECT_EQ(e->crc, entryChecksum(c.second.data(), c.second.size()));
      // Empty entries are stored plain whatever the method.
      EXPECT_EQ(e->flags, c.second.empty() ? (m.flags & RF_SPARE) : m.flags) << c.first;
      if (!(e->flags & RF_COMPRESSED)) {
        EXPECT_EQ(e->packedSize, e->size);
      }
      EXPECT_EQ(readText(archive, c.first.c_str()), std::string(c.second.begin(), c.second.end()));
      EXPECT_FALSE(archive.failed());
    }
  }
}

TEST(ResFileWrite, AppendsToStubAndWritesTheTrailerFields) {
  ScratchFolder folder;
  Bytes stub(5000);
  for (std::size_t k = 0; k < stub.size(); ++k) stub[k] = std::uint8_t(k * 31);
  writeWholeFile("setup.exe", stub);
  {
    TResFile archive("setup.exe", true);
    EXPECT_FALSE(archive.failed());
    EXPECT_EQ(archive.base(), 5000);
    writeBytes(archive, "b.txt", bytesOf("second"), 0);
    writeBytes(archive, "a.txt", bytesOf("first entry"), RW_COMPRESS);
  }
  const Bytes file = readWholeFile("setup.exe");
  ASSERT_GT(file.size(), stub.size());
  EXPECT_TRUE(std::equal(stub.begin(), stub.end(), file.begin()));
  const TrailerFields t = trailerOf(file);
  EXPECT_TRUE(t.magicOk);
  EXPECT_EQ(t.versionWord, 0x305u);
  const std::int64_t dirPos = std::int64_t(file.size()) + t.directoryFromEnd;
  EXPECT_EQ(dirPos - t.dataLength, 5000);
  const std::uint8_t* dir = file.data() + dirPos;
  EXPECT_EQ(std::string(dir, dir + 4), "ix50");
  EXPECT_EQ(archive_format::readLe32(dir + 4), 2u * 26 + 5 + 5);  // unpackedSize
  EXPECT_EQ(archive_format::readLe32(dir + 8), 2u);               // count
  EXPECT_EQ(std::string(dir + 12, dir + 15), "Res");

  TResFile archive("setup.exe", false);
  EXPECT_EQ(archive.base(), 5000);
  EXPECT_EQ(archive.find("b.txt")->offset, 0);  // blocks back to back in written order
  EXPECT_EQ(archive.find("a.txt")->offset, 6);
  EXPECT_EQ(t.dataLength, 6 + archive.find("a.txt")->packedSize);
  EXPECT_EQ(readText(archive, "a.txt"), "first entry");
  EXPECT_EQ(readText(archive, "b.txt"), "second");
}

TEST(ResFileWrite, ReplaceRemoveAndFlushRules) {
  ScratchFolder folder;
  {
    TResFile archive("a.arc", true);
    writeBytes(archive, "keep", bytesOf("kept"), 0);
    writeBytes(archive, "gone", bytesOf("removed later"), 0);
    writeBytes(archive, "twice", bytesOf("old"), 0);
    writeBytes(archive, "twice", bytesOf("new!"), 0);
    EXPECT_EQ(archive.count(), 3);
  }
  const Bytes written = readWholeFile("a.arc");
  EXPECT_EQ(trailerOf(written).dataLength, 4 + 13 + 3 + 4);  // the old block stays
  {
    TResFile archive("a.arc", true);
    EXPECT_EQ(readText(archive, "twice"), "new!");
    archive.flush();                 // nothing changed: nothing written
    archive.remove("gone");          // not a change on its own
    EXPECT_EQ(archive.find("gone"), nullptr);
  }
  EXPECT_EQ(readWholeFile("a.arc"), written);
  {
    TResFile archive("a.arc", true);
    archive.remove("gone");
    archive.compact();
    EXPECT_FALSE(archive.failed());
  }
  TResFile archive("a.arc", false);
  EXPECT_EQ(archive.count(), 2);
  EXPECT_EQ(archive.find("gone"), nullptr);
  EXPECT_EQ(readText(archive, "keep"), "kept");
  EXPECT_EQ(readText(archive, "twice"), "new!");
  EXPECT_EQ(trailerOf(readWholeFile("a.arc")).dataLength, 4 + 4);
}

TEST(ResFileWrite, CompactKeepsTheBaseOfAnAppendedArchive) {
  ScratchFolder folder;
  const Bytes stub(777, 0xCC);
  writeWholeFile("setup.exe", stub);
  {
    TResFile archive("setup.exe", true);
    writeBytes(archive, "z.bin", textOf(20000), RW_COMPRESS | RW_BLOCKSORT);
    writeBytes(archive, "a.bin", textOf(3000), RW_COMPRESS);
    writeBytes(archive, "z.bin", textOf(5000), RW_COMPRESS | RW_BLOCKSORT);
    writeBytes(archive, "m.bin", bytesOf("plain"), 0);
  }
  {
    TResFile archive("setup.exe", true);
    archive.compact();
    EXPECT_FALSE(archive.failed());
  }
  const Bytes file = readWholeFile("setup.exe");
  EXPECT_TRUE(std::equal(stub.begin(), stub.end(), file.begin()));
  TResFile archive("setup.exe", false);
  EXPECT_EQ(archive.base(), 777);
  std::int32_t expected = 0;
  for (const TResEntry* e = archive.first(); e; e = archive.next()) {
    EXPECT_EQ(e->offset, expected) << e->name;  // back to back in name order
    expected += e->packedSize;
  }
  EXPECT_EQ(trailerOf(file).dataLength, expected);
  const Bytes z = textOf(5000), a = textOf(3000);
  EXPECT_EQ(readText(archive, "z.bin"), std::string(z.begin(), z.end()));
  EXPECT_EQ(readText(archive, "a.bin"), std::string(a.begin(), a.end()));
  EXPECT_EQ(readText(archive, "m.bin"), "plain");
}

TEST(ResFileWrite, ShorterDirectoryLeavesTheFileEndingAtTheNewTrailer) {
  ScratchFolder folder;
  {
    TResFile archive("a.arc", true);
    for (int k = 0; k < 40; ++k)
      writeBytes(archive, std::string(200, char('a' + k % 26)) + std::to_string(k), {}, 0);
  }
  {
    TResFile archive("a.arc", true);
    for (int k = 0; k < 40; ++k)
      archive.remove((std::string(200, char('a' + k % 26)) + std::to_string(k)).c_str());
    writeBytes(archive, "x", bytesOf("y"), 0);
  }
  const Bytes file = readWholeFile("a.arc");
  const TrailerFields t = trailerOf(file);
  EXPECT_TRUE(t.magicOk);
  TResFile archive("a.arc", false);
  EXPECT_FALSE(archive.failed());
  EXPECT_EQ(archive.count(), 1);
  EXPECT_EQ(readText(archive, "x"), "y");
}

TEST(ResFileWrite, CompactingATruncatedArchiveStopsAndLeavesItUnchanged) {
  ScratchFolder folder;
  Bytes file = oldArchive({}, {storedEntry("a", "aaaa"), storedEntry("b", "bbbb")}, 0x201);
  // b's packedSize claims far more than the data area holds.
  const std::size_t packedField = 8 + 4 + 64 + 44;
  file[packedField + 2] = 0x10;
  writeWholeFile("a.arc", file);
  {
    TResFile archive("a.arc", true);
    ASSERT_FALSE(archive.failed());
    archive.compact();
    EXPECT_TRUE(archive.failed());
  }
  EXPECT_EQ(readWholeFile("a.arc"), file);
}

TEST(ResFileWrite, BadDirectoriesGiveNoEntries) {
  ScratchFolder folder;
  {
    TResFile archive("good.arc", true);
    writeBytes(archive, "one", bytesOf("1"), 0);
    writeBytes(archive, "two", bytesOf("22"), 0);
  }
  const Bytes good = readWholeFile("good.arc");
  const std::size_t dir = 3;  // the data area holds 3 bytes from position 0
  struct Damage {
    const char* name;
    std::size_t at;
    std::uint8_t value;
  };
  const Damage damages[] = {
      {"directory magic", dir + 3, '1'},
      {"unpackedSize one more", dir + 4, std::uint8_t(good[dir + 4] + 1)},
      {"count one more", dir + 8, 3},
      {"count negative", dir + 11, 0x80},
      {"unpackedSize huge", dir + 7, 0x7F},
      {"dataLength past the start", good.size() - 12 + 3, 0x7F},
      {"directoryFromEnd positive", good.size() - 8 + 3, 0x00},
  };
  for (const Damage& d : damages) {
    SCOPED_TRACE(d.name);
    Bytes bad = good;
    bad[d.at] = d.value;
    writeWholeFile("bad.arc", bad);
    TResFile archive("bad.arc", false);
    EXPECT_TRUE(archive.failed());
    EXPECT_EQ(archive.count(), 0);
    EXPECT_EQ(archive.first(), nullptr);
  }
  Bytes nameWithoutEnd = oldArchive({}, {storedEntry(std::string(24, 'n'), "x")}, 0x000);
  writeWholeFile("bad.arc", nameWithoutEnd);
  TResFile archive("bad.arc", false);
  EXPECT_TRUE(archive.failed());
  EXPECT_EQ(archive.count(), 0);
}

TEST(ResFileWrite, NamesUpTo32767BytesAndOnlyInCreateMode) {
  ScratchFolder folder;
  const std::string longest(32767, 'n');
  {
    TResFile archive("a.arc", true);
    EXPECT_NE(writeBytes(archive, longest, bytesOf("x"), 0), nullptr);
    EXPECT_EQ(writeBytes(archive, longest + "n", bytesOf("x"), 0), nullptr);
    EXPECT_TRUE(archive.failed());
  }
  TResFile archive("a.arc", false);
  ASSERT_EQ(archive.count(), 1);
  EXPECT_EQ(readText(archive, longest.c_str()), "x");
  EXPECT_EQ(writeBytes(archive, "more", bytesOf("y"), 0), nullptr);  // opened for reading
  EXPECT_TRUE(archive.failed());
}

int progressCalls = 0;
void countProgress() { ++progressCalls; }

TEST(ResFileWrite, ProgressReachesTheCodecs) {
  ScratchFolder folder;
  TResFile archive("a.arc", true);
  archive.setProgress(countProgress);
  progressCalls = 0;
  writeBytes(archive, "big", textOf(100000), RW_COMPRESS);
  EXPECT_GE(progressCalls, 9);
  archive.setProgress(nullptr);  // back to doing nothing
  progressCalls = 0;
  EXPECT_EQ(readText(archive, "big").size(), 100000u);
  EXPECT_EQ(progressCalls, 0);
}

#ifndef _WIN32
TEST(ResFileWrite, WriteErrorsSetFailed) {
  TResFile archive("/dev/full", true);
  ASSERT_FALSE(archive.failed());
  EXPECT_EQ(writeBytes(archive, "x", textOf(100000), 0), nullptr);
  EXPECT_TRUE(archive.failed());
  archive.flush();
  EXPECT_TRUE(archive.failed());
  EXPECT_EQ(archive.count(), 0);
}

TEST(ResFileWrite, ArchiveNeverPassesTwoGibibytes) {
  ScratchFolder folder;
  {
    std::FILE* f = std::fopen("big.exe", "wb");
    ASSERT_TRUE(truncateFile(f, FileStream::kMaxSize - 70000));  // sparse: costs no disk
    std::fclose(f);
  }
  {
    TResFile archive("big.exe", true);
    ASSERT_FALSE(archive.failed());
    EXPECT_EQ(writeBytes(archive, "too big", textOf(100000), 0), nullptr);
    EXPECT_TRUE(archive.failed());
    EXPECT_NE(writeBytes(archive, "fits", bytesOf("small"), 0), nullptr);
  }
  {
    TResFile archive("big.exe", false);
    EXPECT_FALSE(archive.failed());
    EXPECT_EQ(archive.count(), 1);
    EXPECT_EQ(readText(archive, "fits"), "small");
  }
  std::remove("big.exe");
}
#endif

}  // namespace
