// ovixpack plan on the sample package, as a folder and as a built archive, and on a package
// without a script or catalogs.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

#include "config/ini_file.h"
#include "tests/support/archive_writer.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/write_file.h"
#include "tools/ovixpack/package_commands.h"
#include "tools/ovixpack/package_source.h"

namespace {

const char* const kSamplePlan =
    "title: Ovix Sample Setup\n"
    "product name: Ovix Sample\n"
    "copyright: Copyright (c) 2026 the Ovix Setup authors\n"
    "registry key: SOFTWARE\\Ovix\\Sample\n"
    "default folder: C:\\Program Files\\Ovix Sample\n"
    "default program folder: Ovix Sample\n"
    "main executable: 0\n"
    "readme: 1\n"
    "run with install: 0\n"
    "run with uninstall: 1\n"
    "advanced options: 15\n"
    "advanced options default: 9\n"
    "file types: 1\n"
    "file type 0.name: OvixSample.Document\n"
    "file type 0.description: Ovix Sample document\n"
    "file type 0.extensions: .ovs .ovsx\n"
    "file type 0.icon file: 1\n"
    "file type 0.icon index: 0\n"
    "file type 0.open command: \"%1\"\n"
    "file type 0.open command file: 0\n"
    "files: 3\n"
    "file 0.name: OvixSample.exe\n"
    "file 0.create name: OvixSample.exe\n"
    "file 0.shortcut name: Ovix Sample\n"
    "file 0.arguments: \n"
    "file 0.destination: install folder\n"
    "file 0.can uninstall: 1\n"
    "file 1.name: readme.txt\n"
    "file 1.create name: readme.txt\n"
    "file 1.shortcut name: Ovix Sample readme\n"
    "file 1.arguments: \n"
    "file 1.destination: install folder\n"
    "file 1.can uninstall: 1\n"
    "file 2.name: ovixun.exe\n"
    "file 2.create name: ovixun.exe\n"
    "file 2.shortcut name: Uninstall Ovix Sample\n"
    "file 2.arguments: \n"
    "file 2.destination: install folder\n"
    "file 2.can uninstall: 1\n"
    "catalogs: English; German (Deutsch)\n"
    "first language: English\n";

std::string plan(const std::string& path) {
  std::string error;
  auto package = PackageSource::open(path, &error);
  EXPECT_TRUE(package) << error;
  return package ? planPackage(*package) : "";
}

std::string readAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

}  // namespace

TEST(PackagePlan, SampleFolderAndBuiltSampleGiveTheSamePlan) {
  ScratchFolder scratch;
  EXPECT_EQ(plan(OVIX_SAMPLE_DIR), kSamplePlan);
  EXPECT_EQ(runCheck({OVIX_SAMPLE_DIR}), 0);

  ArchiveEntries entries;
  for (const auto& file : std::filesystem::directory_iterator(OVIX_SAMPLE_DIR))
    entries.push_back({file.path().filename().string(), readAll(file.path())});
  ASSERT_TRUE(writeArchive("sample.pkg", entries, RW_COMPRESS | RW_BLOCKSORT));
  EXPECT_EQ(plan("sample.pkg"), kSamplePlan);
  EXPECT_EQ(runCheck({"sample.pkg"}), 0);
}

TEST(PackagePlan, NumbersAsTheInstallerReadsThem) {
  ScratchFolder scratch;
  writeFile("package/Ovix.ini",
            "[General]\nAdvanced options=0x0C\nNumber of file types=1\n"
            "File type 0.Icon=-65534\nNumber of files=2\n"
            "[0]\nTo windows folder=1\nTo system folder=1\n[1]\nTo system folder=010\n");
  writeFile("package/Zulu.clg", "[Main]\n");
  writeFile("package/Afrikaans.clg", "[Main]\n");
  std::string text = plan("package");
  for (const char* expected :
       {"title: Quorin Ltd\n", "advanced options: 12\n", "file type 0.icon file: 2\n",
        "file type 0.icon index: -1\n", "file 0.destination: windows folder\n",
        "file 1.destination: system folder\n", "catalogs: Afrikaans; Zulu\n",
        "first language: Afrikaans\n"})
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\nin\n" << text;

  std::filesystem::create_directory("empty");
  EXPECT_NE(plan("empty").find("files: 0\ncatalogs: \nfirst language: \n"), std::string::npos);
}

TEST(PackagePlan, SampleCatalogsNameEveryControlOfBothDialogs) {
  // The controls with texts of the main dialog and the folder chooser, and the option rows.
  const std::pair<const char*, std::vector<const char*>> keys[] = {
      {"Main", {"1026", "1023", "1004", "1024", "1025", "1016", "1007", "1001", "1027", "2",
                "complete"}},
      {"Browse", {"0", "1", "2"}},
      {"Options", {"desktop", "startup", "exec", "readme"}},
  };
  for (const char* catalog : {"English.clg", "German (Deutsch).clg"}) {
    TIniFile ini;
    ASSERT_TRUE(ini.loadFile((std::string(OVIX_SAMPLE_DIR) + "/" + catalog).c_str()));
    for (const auto& [section, names] : keys)
      for (const char* key : names)
        EXPECT_STRNE(ini.readString(section, key, ""), "") << catalog << " " << section << " " << key;
  }
  TIniFile english;
  english.loadFile(OVIX_SAMPLE_DIR "/English.clg");
  EXPECT_STREQ(english.readString("Main", "1016", ""), "Click 'Install' for the begining installation");
  EXPECT_STREQ(english.readString("Main", "complete", ""), "Installation was successfully completed!");
}
