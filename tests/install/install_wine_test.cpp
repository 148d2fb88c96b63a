// The whole install run under Wine: a real archive, the real registry, files and shell links,
// read back through the Win32 API.
#include <gtest/gtest.h>

#include "install/archive_entries.h"
#include "install/install_worker.h"
#include "tests/install/example_package.h"
#include "tests/support/archive_builder.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/win32_readback.h"

namespace {
const std::string kProductKey = "SOFTWARE\\OvixTest\\Wine Prod";
const std::string kUninstallKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Ovix Wine Prod";
const std::string kClassKey = "SOFTWARE\\Classes\\OvixTest.Document";
const std::string kGroup = "Ovix Wine Test\\Sub Folder";
const std::string kProgramBytes = "MZ program " + std::string(3000, 'p');
const std::string kUninstallerBytes = "MZ uninstaller";

class WineInstall : public ::testing::Test {
 protected:
  void SetUp() override {
    removeTraces();
    ASSERT_TRUE(buildArchive("package.arc",
                             {{"prod.exe", kProgramBytes, RW_COMPRESS | RW_BLOCKSORT},
                              {"readme.txt", "STORED-README-TEXT", 0},
                              {"uninst.exe", kUninstallerBytes, RW_COMPRESS}}));
    config.productName = "Ovix Wine Prod";
    config.registryKey = kProductKey;
    config.runWithUninstall = 1;
    config.files = {exampleFile("prod.exe", "prod.exe", 1, "Ovix Prod", "-x \"a b\""),
                    exampleFile("readme.txt", "doc\\read me.txt", 1),
                    exampleFile("uninst.exe", "uninst.exe", 1)};
    FileTypeEntry type;
    type.description = "Ovix document";
    type.name = "OvixTest.Document";
    type.openCommand = "\"%1\"";
    type.extensions = ".ovxa .ovxb";
    type.icon = 0x00020001;  // the first file, icon index 2
    config.fileTypes = {type};
    state.installFolder = scratch.path().string() + "\\Program Files\\Ovix Prod";
    state.programGroup = kGroup;
    state.desktopShortcut = 1;
    state.startupShortcut = 1;
    state.installDone = os.createEvent();
    os.resetEvent(state.installDone);
  }
  void TearDown() override {
    removeTraces();
    CloseHandle(state.installDone);
  }

  // Runs the worker on a thread of its own and polls installDone as the dialog's timer does.
  void runWorker(TResFile& archive) {
    ArchiveEntries entries(archive);
    InstallRun run(os, config, state, entries, result);
    HANDLE thread = CreateThread(
        nullptr, 0, [](void* run) -> DWORD { return InstallWorker(run); }, &run, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    int ticks = 0;
    while (!os.testEvent(state.installDone) && ticks++ < 600) Sleep(50);
    EXPECT_LT(ticks, 600) << "installDone was never set";
    WaitForSingleObject(thread, 30000);
    CloseHandle(thread);
  }

  std::string programs() { return os.shellFolderPath(ShellFolder::Programs); }
  std::string desktopLink() { return os.shellFolderPath(ShellFolder::Desktop) + "\\Ovix Prod.lnk"; }
  std::string startupLink() { return os.shellFolderPath(ShellFolder::Startup) + "\\Ovix Prod.lnk"; }
  std::string value(const std::string& name) { return readback::registryString(kProductKey, name); }

  void removeTraces() {
    for (const auto& key : {kProductKey, kUninstallKey, kClassKey, std::string("SOFTWARE\\Classes\\.ovxa"),
                            std::string("SOFTWARE\\Classes\\.ovxb")})
      readback::deleteRegistryTree(key);
    DeleteFileA(desktopLink().c_str());
    DeleteFileA(startupLink().c_str());
    const std::string group = programs() + "\\" + kGroup;
    DeleteFileA((group + "\\Ovix Prod.lnk").c_str());
    RemoveDirectoryA(group.c_str());
    RemoveDirectoryA((programs() + "\\Ovix Wine Test").c_str());
  }

  ScratchFolder scratch;
  OsServices& os = osServices();
  InstallConfig config;
  RunState state;
  InstallResult result;
};
}  // namespace

TEST_F(WineInstall, InstallsFilesLinksRegistryAndRemovalRecord) {
  TResFile archive("package.arc", false);
  runWorker(archive);
  const std::string folder = scratch.path().string() + "\\Program Files\\Ovix Prod\\";
  const std::string group = programs() + "\\" + kGroup + "\\";
  const std::string program = folder + "prod.exe";

  EXPECT_TRUE(result.succeeded()) << describeFailures(result);
  EXPECT_EQ(state.progressPercent, 100);
  EXPECT_EQ(readback::fileBytes(program), kProgramBytes);
  EXPECT_EQ(readback::fileBytes(folder + "doc\\read me.txt"), "STORED-README-TEXT");
  EXPECT_EQ(readback::fileBytes(folder + "uninst.exe"), kUninstallerBytes);

  EXPECT_EQ(value("Path"), folder);
  EXPECT_EQ(value("Product"), "Ovix Wine Prod");
  EXPECT_EQ(value("Program folder"), group);
  EXPECT_EQ(value("Main executable"), program);
  EXPECT_EQ(value("0.folder"), scratch.path().string() + "\\Program Files");
  EXPECT_EQ(value("1.folder"), folder.substr(0, folder.size() - 1));
  EXPECT_EQ(value("2.folder"), programs() + "\\Ovix Wine Test");
  EXPECT_EQ(value("3.folder"), group.substr(0, group.size() - 1));
  EXPECT_EQ(value("4.folder"), folder + "doc");
  EXPECT_EQ(value("0.file"), program);
  EXPECT_EQ(value("1.file"), group + "Ovix Prod.lnk");
  EXPECT_EQ(value("2.file"), folder + "doc\\read me.txt");
  EXPECT_EQ(value("3.file"), folder + "uninst.exe");
  EXPECT_EQ(value("4.file"), desktopLink());
  EXPECT_EQ(value("5.file"), startupLink());
  EXPECT_EQ(value("0.regkey"), kUninstallKey);
  EXPECT_EQ(value("1.regkey"), kClassKey);
  EXPECT_EQ(value("2.regkey"), "SOFTWARE\\Classes\\.ovxa");
  EXPECT_EQ(value("3.regkey"), "SOFTWARE\\Classes\\.ovxb");
  EXPECT_EQ(value("4.regkey"), kProductKey);
  EXPECT_EQ(readback::registryValueNames(kProductKey).size(), 4u + 5 + 6 + 5);
  EXPECT_EQ(readback::registryKeyClass(kProductKey), "binary data");

  EXPECT_EQ(readback::registryString(kUninstallKey, "DisplayName"), "Ovix Wine Prod");
  EXPECT_EQ(readback::registryString(kUninstallKey, "UninstallString"),
            "\"" + folder + "uninst.exe\" " + kProductKey);
  EXPECT_EQ(readback::registryValueNames(kUninstallKey).size(), 2u);
  EXPECT_EQ(readback::registryString(kClassKey, ""), "Ovix document");
  EXPECT_EQ(readback::registryString(kClassKey + "\\shell\\open\\command", ""),
            "\"" + program + "\" \"%1\"");
  EXPECT_EQ(readback::registryString(kClassKey + "\\DefaultIcon", ""), program + ",2");
  EXPECT_EQ(readback::registryString("SOFTWARE\\Classes\\.ovxa", ""), "OvixTest.Document");
  EXPECT_EQ(readback::registryString("SOFTWARE\\Classes\\.ovxb", ""), "OvixTest.Document");

  CoInitialize(nullptr);
  readback::LinkContents link;
  ASSERT_TRUE(readback::loadLink(group + "Ovix Prod.lnk", link));
  EXPECT_EQ(link.target, program);
  EXPECT_EQ(link.arguments, "-x \"a b\"");
  EXPECT_EQ(link.workingFolder, folder);
  EXPECT_EQ(link.description, "Ovix Prod");
  for (const std::string& path : {desktopLink(), startupLink()}) {
    readback::LinkContents placed;
    ASSERT_TRUE(readback::loadLink(path, placed)) << path;
    EXPECT_EQ(placed.target, program);
    EXPECT_EQ(placed.workingFolder, folder);
    EXPECT_EQ(placed.description, "\\Ovix Prod");
  }
  CoUninitialize();
}

TEST_F(WineInstall, LockedTargetAndDamagedEntryAreReportedAndTheRestIsInstalled) {
  ASSERT_TRUE(damageStoredBytes("package.arc", "STORED-README-TEXT"));
  const std::string folder = scratch.path().string() + "\\Program Files\\Ovix Prod\\";
  ASSERT_TRUE(readback::isFolder(scratch.path().string()));
  CreateDirectoryA((scratch.path().string() + "\\Program Files").c_str(), nullptr);
  CreateDirectoryA(folder.c_str(), nullptr);
  { std::ofstream(folder + "prod.exe") << "old"; }
  HANDLE lock = CreateFileA((folder + "prod.exe").c_str(), GENERIC_READ, 0, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);

  TResFile archive("package.arc", false);
  runWorker(archive);
  CloseHandle(lock);

  ASSERT_EQ(result.failures().size(), 2u) << describeFailures(result);
  EXPECT_EQ(result.failures()[0].kind, FailureKind::FileNotWritten);
  EXPECT_EQ(result.failures()[0].subject, folder + "prod.exe");
  EXPECT_EQ(result.failures()[1].kind, FailureKind::EntryDamaged);
  EXPECT_EQ(result.failures()[1].subject, "readme.txt");
  EXPECT_EQ(readback::fileBytes(folder + "prod.exe"), "old");
  EXPECT_EQ(readback::fileBytes(folder + "doc\\read me.txt"), "(missing)");
  EXPECT_EQ(readback::fileBytes(folder + "uninst.exe"), kUninstallerBytes);
  EXPECT_EQ(value("0.file"), programs() + "\\" + kGroup + "\\Ovix Prod.lnk");
  EXPECT_EQ(value("1.file"), folder + "uninst.exe");
  EXPECT_EQ(value("4.regkey"), kProductKey);
  EXPECT_EQ(state.progressPercent, 100);
}
