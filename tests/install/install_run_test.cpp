// The install run against the recording double: order of the steps, failures, quoting and the
// keys that must never be written.
#include <gtest/gtest.h>

#include "install/folders.h"
#include "install/install_worker.h"
#include "tests/install/example_package.h"

namespace {
// True when `expected` occurs in `calls` in this order, other calls in between allowed.
::testing::AssertionResult inOrder(const std::vector<std::string>& calls,
                                   const std::vector<std::string>& expected) {
  std::size_t next = 0;
  for (const auto& call : calls)
    if (next < expected.size() && call == expected[next]) ++next;
  if (next == expected.size()) return ::testing::AssertionSuccess();
  std::string all;
  for (const auto& call : calls) all += "  " + call + "\n";
  return ::testing::AssertionFailure() << "missing in order: " << expected[next] << "\ncalls:\n"
                                       << all;
}
const std::string kProductKey = "SOFTWARE\\Vendor\\Prod";
const std::string kUninstallKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Prod";
}  // namespace

TEST(InstallRun, StepsRunInTheirFixedOrderAndSettingInstallDoneIsTheLastAction) {
  RecordedInstall install;
  install.state.desktopShortcut = 1;
  install.state.startupShortcut = 1;
  install.config.runWithUninstall = 1;
  addExampleEntries(install.entries);
  install.run();

  EXPECT_TRUE(inOrder(install.os.calls, {
      "mkdir C:\\Apps\\Prod created",                            // 1
      "set " + kProductKey + " [0.folder]=C:\\Apps\\Prod",
      "open " + kProductKey,                                     // 2
      "set " + kProductKey + " [Path]=C:\\Apps\\Prod\\",
      "set " + kProductKey + " [Product]=Prod",
      "mkdir C:\\Menu\\Programs\\Vendor created",                // 3
      "set " + kProductKey + " [Program folder]=C:\\Menu\\Programs\\Vendor\\Prod\\",
      "com init",                                                // 4
      "write C:\\Apps\\Prod\\prod.exe",                          // 5
      "attributes C:\\Apps\\Prod\\prod.exe",
      "set " + kProductKey + " [0.file]=C:\\Apps\\Prod\\prod.exe",
      "link C:\\Menu\\Programs\\Vendor\\Prod\\Prod.lnk",
      "write C:\\Apps\\Prod\\doc\\readme.txt",
      "write C:\\Apps\\Prod\\uninst.exe",
      "set " + kProductKey + " [Main executable]=C:\\Apps\\Prod\\prod.exe",  // 6
      "link C:\\Desk\\Prod.lnk",                                 // 7
      "link C:\\Menu\\Startup\\Prod.lnk",                        // 8
      "set " + kProductKey + " [0.regkey]=" + kUninstallKey,     // 9
      "close " + kProductKey,                                    // 10
      "set " + kUninstallKey + " [DisplayName]=Prod",            // 11
      "set " + kUninstallKey + " [UninstallString]=\"C:\\Apps\\Prod\\uninst.exe\" " + kProductKey,
      "set " + kProductKey + " [1.regkey]=SOFTWARE\\Classes\\Prod.Document",  // 12
      "set SOFTWARE\\Classes\\Prod.Document\\shell\\open\\command []=\"C:\\Apps\\Prod\\prod.exe\" \"%1\"",
      "set SOFTWARE\\Classes\\Prod.Document\\DefaultIcon []=C:\\Apps\\Prod\\prod.exe,0",
      "set SOFTWARE\\Classes\\Prod.Document []=Prod document",
      "set SOFTWARE\\Classes\\.abc []=Prod.Document",
      "set " + kProductKey + " [2.regkey]=SOFTWARE\\Classes\\.abc",
      "set SOFTWARE\\Classes\\.abd []=Prod.Document",
      "set " + kProductKey + " [3.regkey]=SOFTWARE\\Classes\\.abd",
      "set " + kProductKey + " [4.regkey]=" + kProductKey,     // 13
      "com end",
  }));
  EXPECT_EQ(install.os.calls.back(), "set event");              // 14
  EXPECT_TRUE(install.os.eventSet);
  EXPECT_EQ(install.state.progressPercent, 100);
  EXPECT_TRUE(install.result.succeeded());
}

TEST(InstallRun, ShortcutsCarryTargetWorkingFolderDescriptionAndArguments) {
  RecordedInstall install;
  install.state.desktopShortcut = 1;
  addExampleEntries(install.entries);
  install.run();
  const ShellLink& group = install.os.links.at("C:\\Menu\\Programs\\Vendor\\Prod\\Prod.lnk");
  EXPECT_EQ(group.target, "C:\\Apps\\Prod\\prod.exe");
  EXPECT_EQ(group.workingFolder, "C:\\Apps\\Prod\\");
  EXPECT_EQ(group.description, "Prod");
  EXPECT_EQ(group.arguments, "-x");
  EXPECT_EQ(install.os.links.at("C:\\Desk\\Prod.lnk").description, "\\Prod");
  EXPECT_EQ(install.os.links.count("C:\\Menu\\Startup\\Prod.lnk"), 0u);
}

TEST(InstallRun, FailuresAreCollectedAndEveryOtherFileIsInstalledAndRecorded) {
  RecordedInstall install;
  install.config.files.insert(install.config.files.begin() + 1,
                              exampleFile("absent.dll", "absent.dll", 1));
  addExampleEntries(install.entries);
  install.entries.damaged.insert("readme.txt");
  install.os.lockedFiles.insert("C:\\Apps\\Prod\\prod.exe");
  install.run();

  ASSERT_EQ(install.result.failures().size(), 3u);
  EXPECT_EQ(install.result.failures()[0].kind, FailureKind::FileNotWritten);
  EXPECT_EQ(install.result.failures()[0].subject, "C:\\Apps\\Prod\\prod.exe");
  EXPECT_EQ(install.result.failures()[1].kind, FailureKind::EntryMissing);
  EXPECT_EQ(install.result.failures()[1].subject, "absent.dll");
  EXPECT_EQ(install.result.failures()[2].kind, FailureKind::EntryDamaged);
  EXPECT_EQ(install.result.failures()[2].subject, "readme.txt");
  EXPECT_EQ(install.os.files.count("C:\\Apps\\Prod\\doc\\readme.txt"), 0u);  // damaged: not written
  EXPECT_EQ(install.os.files.at("C:\\Apps\\Prod\\uninst.exe"), "MZ uninstaller");
  EXPECT_EQ(install.productValues()["0.file"], "C:\\Menu\\Programs\\Vendor\\Prod\\Prod.lnk");
  EXPECT_EQ(install.productValues()["1.file"], "C:\\Apps\\Prod\\uninst.exe");
  EXPECT_EQ(install.productValues()["4.regkey"], kProductKey);
  EXPECT_TRUE(install.os.eventSet);
  EXPECT_EQ(install.state.progressPercent, 100);
}

TEST(InstallRun, EmptyNamesNeverWriteOrRecordTheRootKeys) {
  struct Case {
    const char* what;
    std::string registryKey, productName, typeName, extensions;
  };
  const Case cases[] = {
      {"no registry key", "", "Prod", "Prod.Document", ".abc"},
      {"no product name", kProductKey, "", "Prod.Document", ".abc"},
      {"no class name", kProductKey, "Prod", "", ".abc"},
      {"empty extensions", kProductKey, "Prod", "Prod.Document", " .abc  .abd "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RecordedInstall install;
    install.config.registryKey = c.registryKey;
    install.config.productName = c.productName;
    install.config.fileTypes[0].name = c.typeName;
    install.config.fileTypes[0].extensions = c.extensions;
    addExampleEntries(install.entries);
    install.run();
    for (const auto& call : install.os.calls) {
      EXPECT_NE(call, "open ");
      EXPECT_NE(call, "open SOFTWARE\\Classes\\");
      EXPECT_NE(call, "open SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\");
    }
    for (const auto& key : install.os.registry) {
      EXPECT_NE(key.first, "");
      EXPECT_NE(key.first, "SOFTWARE\\Classes\\");
      for (const auto& value : key.second) {
        EXPECT_NE(value.second, "SOFTWARE\\Classes\\");
        EXPECT_NE(value.second, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\");
      }
    }
    EXPECT_TRUE(install.os.eventSet);
  }
}

TEST(InstallRun, EmptyExtensionsAreSkippedAndTheRestRegisteredInOrder) {
  RecordedInstall install;
  install.config.fileTypes[0].extensions = " .abc  .abd ";
  addExampleEntries(install.entries);
  install.run();
  EXPECT_EQ(install.productValues()["2.regkey"], "SOFTWARE\\Classes\\.abc");
  EXPECT_EQ(install.productValues()["3.regkey"], "SOFTWARE\\Classes\\.abd");
  EXPECT_EQ(install.productValues()["4.regkey"], kProductKey);
}

TEST(InstallRun, PathsWithSpacesAreQuotedInCommandLinesOnly) {
  RecordedInstall install;
  install.os.folders.insert("C:\\Program Files");
  install.state.installFolder = "C:\\Program Files\\Prod";
  install.config.fileTypes[0].icon = int(0xFFFF0003);  // third file, icon index -1
  FileTypeEntry plain;
  plain.name = "Prod.Text";
  plain.openCommand = "notepad.exe %1";
  plain.openCommandFile = -1;
  plain.extensions = ".ptx";
  install.config.fileTypes.push_back(plain);
  addExampleEntries(install.entries);
  install.run();

  auto& registry = install.os.registry;
  EXPECT_EQ(registry[kUninstallKey]["UninstallString"],
            "\"C:\\Program Files\\Prod\\uninst.exe\" SOFTWARE\\Vendor\\Prod");
  EXPECT_EQ(registry["SOFTWARE\\Classes\\Prod.Document\\shell\\open\\command"][""],
            "\"C:\\Program Files\\Prod\\prod.exe\" \"%1\"");
  EXPECT_EQ(registry["SOFTWARE\\Classes\\Prod.Document\\DefaultIcon"][""],
            "C:\\Program Files\\Prod\\uninst.exe,-1");
  EXPECT_EQ(registry["SOFTWARE\\Classes\\Prod.Text\\shell\\open\\command"][""], "notepad.exe %1");
  EXPECT_EQ(registry.count("SOFTWARE\\Classes\\Prod.Text\\DefaultIcon"), 0u);
  EXPECT_EQ(registry[kProductKey]["Path"], "C:\\Program Files\\Prod\\");
}

TEST(InstallRun, TargetFolderFollowsTheWindowsAndSystemFlags) {
  struct Case {
    int toWindows, toSystem;
    std::string windows, system, target;
    bool installed;
  };
  const Case cases[] = {
      {0, 0, "C:\\Windows", "C:\\Windows\\System32", "C:\\Apps\\Prod\\", true},
      {1, 0, "C:\\Windows", "C:\\Windows\\System32", "C:\\Windows\\", true},
      {0, 1, "C:\\Windows", "C:\\Windows\\System32", "C:\\Windows\\System32\\", true},
      {1, 1, "C:\\Windows", "C:\\Windows\\System32", "C:\\Windows\\", true},
      {0, 1, "C:\\Windows", "", "", false},  // unknown folder: not written at the drive's root
  };
  for (const auto& c : cases) {
    RecordedInstall install;
    install.os.windows = c.windows;
    install.os.system = c.system;
    install.config.files[0].toWindowsFolder = c.toWindows;
    install.config.files[0].toSystemFolder = c.toSystem;
    addExampleEntries(install.entries);
    install.run();
    EXPECT_EQ(install.config.files[0].targetFolder, c.target);
    EXPECT_EQ(install.os.files.count(c.target + "prod.exe"), c.installed ? 1u : 0u);
    EXPECT_EQ(install.result.succeeded(), c.installed);
  }
}

TEST(InstallRun, ProgressAdvancesEvenlyAndReaches100AfterTheLastFile) {
  for (int n = 1; n <= 7; ++n) {
    int previous = 0;
    for (int i = 0; i < n; ++i) {
      int figure = progressAfterFile(i, n);
      EXPECT_GT(figure, previous) << i << " of " << n;
      EXPECT_LE(figure - previous, 100 / n + 1) << i << " of " << n;
      previous = figure;
    }
    EXPECT_EQ(previous, 100) << n;
  }
}

TEST(CreateFolderPath, CreatesAndRecordsOnlyMissingFoldersThatEndAtASeparator) {
  struct Case {
    std::string path;
    std::vector<std::string> records;
  };
  const Case cases[] = {
      {"C:\\Apps\\Prod\\", {"C:\\Apps\\Prod"}},
      {"C:\\Apps\\Prod", {}},  // the last component is a file's name
      {"C:\\Apps\\bin/tools\\x.exe", {"C:\\Apps\\bin", "C:\\Apps\\bin\\tools"}},
      {"C:\\Apps\\", {}},
      {"\\\\server\\share\\", {}},
      {"", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    RecordedInstall install;
    InstallRun run(install.os, install.config, install.state, install.entries, install.result);
    install.state.folderRecordCounter = 2;
    EXPECT_EQ(CreateFolderPath(run, c.path), 1);
    std::vector<std::string> records;
    for (int i = 2; i < install.state.folderRecordCounter; ++i)
      records.push_back(install.productValues()[std::to_string(i) + ".folder"]);
    EXPECT_EQ(records, c.records);
    EXPECT_EQ(install.productValues().count("1.folder"), 0u);
  }
}

TEST(InstallRun, UnwritableProductKeyIsReportedOnceAndTheFilesStillGoIn) {
  RecordedInstall install;
  install.os.failingKeys.insert(kProductKey);
  addExampleEntries(install.entries);
  install.run();
  ASSERT_EQ(install.result.failures().size(), 1u) << describeFailures(install.result);
  EXPECT_EQ(install.result.failures()[0].kind, FailureKind::RegistryNotWritten);
  EXPECT_EQ(install.result.failures()[0].subject, kProductKey);
  EXPECT_EQ(install.os.files.size(), 3u);
  EXPECT_EQ(install.os.registry[kUninstallKey]["DisplayName"], "Prod");
  EXPECT_TRUE(install.os.eventSet);
}

TEST(InstallRun, FileNumbersOutsideTheListAreReportedNotFollowed) {
  RecordedInstall install;
  install.config.mainExecutable = 3;
  install.config.runWithUninstall = 1;
  install.config.fileTypes[0].icon = 7;
  install.state.desktopShortcut = 1;
  addExampleEntries(install.entries);
  install.run();
  EXPECT_FALSE(install.result.succeeded());
  for (const auto& failure : install.result.failures())
    EXPECT_EQ(failure.kind, FailureKind::ScriptInvalid) << failure.subject;
  EXPECT_EQ(install.productValues().count("Main executable"), 0u);
  EXPECT_EQ(install.os.links.size(), 1u);  // the group link of the first file only
  EXPECT_EQ(install.os.registry.count("SOFTWARE\\Classes\\Prod.Document\\DefaultIcon"), 0u);
  EXPECT_EQ(install.os.registry["SOFTWARE\\Classes\\Prod.Document\\shell\\open\\command"][""],
            "\"%1\"");

  RecordedInstall empty;
  empty.config.files.clear();
  empty.run();
  EXPECT_EQ(empty.os.registry[kUninstallKey].count("UninstallString"), 0u);
  EXPECT_EQ(empty.state.progressPercent, 100);
  EXPECT_TRUE(empty.os.eventSet);
}
