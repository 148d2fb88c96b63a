// Reading Ovix.ini into InstallConfig: order of the lists, defaults, number forms.
#include <gtest/gtest.h>

#include "config/install_script.h"

namespace {

InstallConfig read(const char* text, std::string* title = nullptr) {
  InstallConfig config;
  std::string t = readInstallConfigText(text, &config);
  if (title) *title = t;
  return config;
}

}  // namespace

TEST(InstallScript, ReadsEveryFieldOfASmallScript) {
  std::string title;
  InstallConfig c = read(
      "[General]\n"
      "Title = Demo Setup\n"
      "Product name = Demo\nCopyright = (c) Demo\nRegistry key = SOFTWARE\\Demo\n"
      "Default folder = C:\\Demo\nDefault program folder = Demo\n"
      "Main executable = 1\nReadme = 0\nRun with '/install' = 1\nRun with '/uninstall' = 1\n"
      "Advanced options = 0x0C\nAdvanced options def = 014\n"
      "Number of file types = 1\n"
      "File type 0.Description = Demo file\nFile type 0.Name = Demo.File\n"
      "File type 0.Extensions = .dm1 .dm2\nFile type 0.Icon = 0x10003\n"
      "File type 0.Open command = \"%1\"\nFile type 0.Open command file = -1\n"
      "Number of files = 2\n"
      "[0]\nName = readme.txt\nCreate name = docs/readme.txt\n"
      "[1]\nName = demo.exe\nCreate name = demo.exe\nShortcut name = Demo\nArguments = /x\n"
      "To windows folder = 1\nTo system folder = 1\nCan uninstall = 1\n",
      &title);
  EXPECT_EQ(title, "Demo Setup");
  EXPECT_EQ(c.productName, "Demo");
  EXPECT_EQ(c.copyright, "(c) Demo");
  EXPECT_EQ(c.registryKey, "SOFTWARE\\Demo");
  EXPECT_EQ(c.defaultFolder, "C:\\Demo");
  EXPECT_EQ(c.defaultProgramFolder, "Demo");
  EXPECT_EQ(c.mainExecutable, 1);
  EXPECT_EQ(c.readmeFile, 0);
  EXPECT_EQ(c.runWithInstall, 1);
  EXPECT_EQ(c.runWithUninstall, 1);
  EXPECT_EQ(c.advancedOptions, kOptionExec | kOptionReadme);
  EXPECT_EQ(c.advancedOptionsDefault, kOptionExec | kOptionReadme);  // octal 014
  ASSERT_EQ(c.fileTypes.size(), 1u);
  const FileTypeEntry& t = c.fileTypes[0];
  EXPECT_EQ(t.description, "Demo file");
  EXPECT_EQ(t.name, "Demo.File");
  EXPECT_EQ(t.extensions, ".dm1 .dm2");
  EXPECT_EQ(t.icon & 0xFFFF, 3);
  EXPECT_EQ(t.icon >> 16, 1);
  EXPECT_EQ(t.openCommand, "\"%1\"");
  EXPECT_EQ(t.openCommandFile, -1);
  ASSERT_EQ(c.files.size(), 2u);
  EXPECT_EQ(c.files[0].name, "readme.txt");
  EXPECT_EQ(c.files[0].createName, "docs/readme.txt");
  EXPECT_EQ(c.files[0].shortcutName, "");
  EXPECT_EQ(c.files[0].canUninstall, 0);
  EXPECT_EQ(c.files[1].name, "demo.exe");
  EXPECT_EQ(c.files[1].shortcutName, "Demo");
  EXPECT_EQ(c.files[1].arguments, "/x");
  EXPECT_EQ(c.files[1].toWindowsFolder, 1);
  EXPECT_EQ(c.files[1].toSystemFolder, 1);
  EXPECT_EQ(c.files[1].canUninstall, 1);
  EXPECT_EQ(c.files[1].targetFolder, "");
}

TEST(InstallScript, TitleDefaultAndEmptyTitle) {
  std::string title;
  read("[General]\nProduct name=X\n", &title);
  EXPECT_EQ(title, "Quorin Ltd");
  read("[General]\nTitle=\n", &title);
  EXPECT_EQ(title, "");
  InstallConfig c = read(nullptr, &title);  // no script at all reads like an empty one
  EXPECT_EQ(title, "Quorin Ltd");
  EXPECT_TRUE(c.files.empty());
  EXPECT_EQ(c.productName, "");
}

TEST(InstallScript, FlagsWrittenAsWordsReadAsZero) {
  EXPECT_EQ(read("[General]\nRun with '/install'=true\n").runWithInstall, 0);
  EXPECT_EQ(read("[General]\nRun with '/install'=yes\n").runWithInstall, 0);
  EXPECT_EQ(read("[General]\nRun with '/install'=1\n").runWithInstall, 1);
}

TEST(InstallScript, ListsFollowTheirCounts) {
  struct Case {
    const char* name;
    const char* text;
    size_t files;
    size_t types;
  } const cases[] = {
      {"sections beyond the count are ignored", "[General]\nNumber of files=2\n[0]\n[1]\n[2]\nName=x\n", 2, 0},
      {"entries without any key still count", "[General]\nNumber of files=3\nNumber of file types=2\n", 3, 2},
      {"negative counts give no entries", "[General]\nNumber of files=-1\nNumber of file types=-5\n", 0, 0},
      {"a word as count reads as zero", "[General]\nNumber of files=two\n", 0, 0},
      {"counts are capped at 65535", "[General]\nNumber of files=2147483647\n", 65535, 0},
  };
  for (const Case& c : cases) {
    InstallConfig config = read(c.text);
    EXPECT_EQ(config.files.size(), c.files) << c.name;
    EXPECT_EQ(config.fileTypes.size(), c.types) << c.name;
  }
  InstallConfig two = read("[General]\nNumber of files=2\n[1]\nName=b\n[0]\nName=a\n[2]\nName=c\n");
  EXPECT_EQ(two.files[0].name, "a");
  EXPECT_EQ(two.files[1].name, "b");
}

TEST(InstallScript, FileTypeKeysComeFromGeneralOnly) {
  InstallConfig c = read(
      "[General]\nNumber of file types=1\n[Other]\nFile type 0.Name=wrong\nFile type 0.Icon=3\n");
  ASSERT_EQ(c.fileTypes.size(), 1u);
  EXPECT_EQ(c.fileTypes[0].name, "");
  EXPECT_EQ(c.fileTypes[0].icon, 0);
}

TEST(InstallScript, ReadingAgainReplacesTheModel) {
  InstallConfig config;
  readInstallConfigText("[General]\nNumber of files=2\nProduct name=A\n", &config);
  readInstallConfigText("[General]\nNumber of files=1\n", &config);
  EXPECT_EQ(config.files.size(), 1u);
  EXPECT_EQ(config.productName, "");
}
