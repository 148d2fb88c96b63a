// The Win32 implementation of the OS seam against Wine's real registry, files and shell links.
#include <gtest/gtest.h>

#include "os/os_services.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/win32_readback.h"

namespace {
const std::string kKey = "SOFTWARE\\OvixTest\\Seam";

class Win32Seam : public ::testing::Test {
 protected:
  void SetUp() override { readback::deleteRegistryTree(kKey); }
  void TearDown() override { readback::deleteRegistryTree(kKey); }
  OsServices& os = osServices();
};
}  // namespace

TEST_F(Win32Seam, OpenKeyCreatesBinaryDataKeyAndWritesStringValues) {
  OsKey key = os.openKey(kKey + "\\Sub Key");
  ASSERT_NE(key, nullptr);
  EXPECT_TRUE(os.setStringValue(key, "Path", "C:\\Program Files\\Prod\\"));
  EXPECT_TRUE(os.setStringValue(key, "", "default text"));
  EXPECT_TRUE(os.setStringValue(key, "Empty", ""));
  os.closeKey(key);

  bool found = false;
  EXPECT_EQ(readback::registryString(kKey + "\\Sub Key", "Path", &found), "C:\\Program Files\\Prod\\");
  EXPECT_TRUE(found);
  EXPECT_EQ(readback::registryString(kKey + "\\Sub Key", "", &found), "default text");
  EXPECT_TRUE(found);
  EXPECT_EQ(readback::registryString(kKey + "\\Sub Key", "Empty", &found), "");
  EXPECT_TRUE(found);
  EXPECT_EQ(readback::registryKeyClass(kKey + "\\Sub Key"), "binary data");
  EXPECT_EQ(readback::registryKeyClass(kKey), "binary data");

  key = os.openKey(kKey + "\\Sub Key");  // opening an existing key keeps its values
  ASSERT_NE(key, nullptr);
  os.closeKey(key);
  EXPECT_EQ(readback::registryString(kKey + "\\Sub Key", "Path"), "C:\\Program Files\\Prod\\");
  EXPECT_FALSE(os.setStringValue(nullptr, "Path", "x"));
}

TEST_F(Win32Seam, CreateFolderTellsCreatedExistedAndFailed) {
  ScratchFolder scratch;
  const std::string base = scratch.path().string() + "\\with space";
  EXPECT_EQ(os.createFolder(base), FolderOutcome::Created);
  EXPECT_EQ(os.createFolder(base), FolderOutcome::Existed);
  EXPECT_EQ(os.createFolder(base + "\\missing\\child"), FolderOutcome::Failed);
  EXPECT_TRUE(readback::isFolder(base));
  ASSERT_TRUE(os.writeWholeFile(base + "\\file", "x", 1));
  EXPECT_EQ(os.createFolder(base + "\\file"), FolderOutcome::Failed);  // a file, not a folder
}

TEST_F(Win32Seam, WriteWholeFileReplacesContentsAndFailsOnReadOnlyOrLockedFiles) {
  ScratchFolder scratch;
  const std::string path = scratch.path().string() + "\\data.bin";
  const char bytes[] = {'a', '\0', '\r', '\n', 'b'};
  ASSERT_TRUE(os.writeWholeFile(path, bytes, sizeof bytes));
  EXPECT_EQ(readback::fileBytes(path), std::string(bytes, sizeof bytes));
  ASSERT_TRUE(os.writeWholeFile(path, "z", 1));
  EXPECT_EQ(readback::fileBytes(path), "z");
  ASSERT_TRUE(os.writeWholeFile(path, "", 0));
  EXPECT_EQ(readback::fileBytes(path), "");

  // Wine keeps the read-only attribute but, running as root here, does not refuse writes for
  // it, so refusal is checked on a locked file below.
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  ASSERT_NE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
  EXPECT_TRUE(os.setNormalAttributes(path));
  EXPECT_EQ(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
  EXPECT_TRUE(os.writeWholeFile(path, "new", 3));

  HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(os.writeWholeFile(path, "other", 5));
  CloseHandle(lock);
  EXPECT_EQ(readback::fileBytes(path), "new");
  EXPECT_FALSE(os.writeWholeFile(scratch.path().string() + "\\no folder\\x", "x", 1));
  EXPECT_FALSE(os.setNormalAttributes(scratch.path().string() + "\\absent"));
}

TEST_F(Win32Seam, ShellLinkIsSavedAndLoadsBackWithItsFourTexts) {
  ScratchFolder scratch;
  ASSERT_TRUE(os.initComForThread());
  const std::string folder = scratch.path().string() + "\\Link Folder";
  ASSERT_EQ(os.createFolder(folder), FolderOutcome::Created);
  const std::string linkFile = folder + "\\My Tool.lnk";
  ShellLink link{"C:\\Program Files\\Prod\\tool.exe", "C:\\Program Files\\Prod\\", "My Tool",
                 "-x \"a b\""};
  EXPECT_GE(os.createShellLink(linkFile, link), 0);

  readback::LinkContents loaded;
  ASSERT_TRUE(readback::loadLink(linkFile, loaded));
  EXPECT_EQ(loaded.target, link.target);
  EXPECT_EQ(loaded.arguments, link.arguments);
  EXPECT_EQ(loaded.workingFolder, link.workingFolder);
  EXPECT_EQ(loaded.description, link.description);

  EXPECT_LT(os.createShellLink(folder + "\\no such folder\\x.lnk", link), 0);
  os.endComForThread();
}

TEST_F(Win32Seam, FolderPathsHaveNoTrailingBackslash) {
  for (const std::string& path :
       {os.windowsFolder(), os.systemFolder(), os.shellFolderPath(ShellFolder::Programs),
        os.shellFolderPath(ShellFolder::Desktop), os.shellFolderPath(ShellFolder::Startup)}) {
    ASSERT_FALSE(path.empty());
    EXPECT_NE(path.back(), '\\') << path;
    EXPECT_NE(path.find(':'), std::string::npos) << path;
  }
  EXPECT_TRUE(readback::isFolder(os.windowsFolder()));
  EXPECT_TRUE(readback::isFolder(os.systemFolder()));
}

TEST_F(Win32Seam, RunAndWaitPassesALongCommandLineWholeAndWaitsForTheEnd) {
  ScratchFolder scratch;
  const std::string word(3000, 'w');
  const std::string out = scratch.path().string() + "\\out.txt";
  ASSERT_TRUE(os.runAndWait("cmd.exe /c echo " + word + ">\"" + out + "\""));
  EXPECT_EQ(readback::fileBytes(out), word + "\r\n");  // written before runAndWait returned
  EXPECT_FALSE(os.runAndWait("\"C:\\no such folder\\no such program.exe\""));
}

TEST_F(Win32Seam, EventsAreAutoResetAndCreatedSignalled) {
  OsEvent event = os.createEvent();
  ASSERT_NE(event, nullptr);
  EXPECT_TRUE(os.testEvent(event));
  EXPECT_FALSE(os.testEvent(event));  // the successful test consumed the signal
  os.setEvent(event);
  os.resetEvent(event);
  EXPECT_FALSE(os.testEvent(event));
  os.setEvent(event);
  EXPECT_TRUE(os.testEvent(event));
  CloseHandle(event);
}
