// The removal record and the product key's values, byte for byte, for small packages.
#include <gtest/gtest.h>

#include "tests/install/example_package.h"

using Values = std::map<std::string, std::string>;

TEST(RemovalRecord, ExistingFolderNewGroupTwoFilesOneTypeTwoExtensions) {
  RecordedInstall install;
  install.os.folders.insert("C:\\Apps\\Prod");
  install.config.files = {exampleFile("prod.exe", "prod.exe", 1, "Prod"),
                          exampleFile("uninst.exe", "uninst.exe", 0)};
  install.config.fileTypes[0].icon = 0;
  addExampleEntries(install.entries);
  install.run();

  EXPECT_EQ(install.productValues(),
            (Values{{"Path", "C:\\Apps\\Prod\\"},
                    {"Product", "Prod"},
                    {"0.folder", "C:\\Menu\\Programs\\Vendor"},
                    {"1.folder", "C:\\Menu\\Programs\\Vendor\\Prod"},
                    {"Program folder", "C:\\Menu\\Programs\\Vendor\\Prod\\"},
                    {"0.file", "C:\\Apps\\Prod\\prod.exe"},
                    {"1.file", "C:\\Menu\\Programs\\Vendor\\Prod\\Prod.lnk"},
                    {"0.regkey", "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Prod"},
                    {"1.regkey", "SOFTWARE\\Classes\\Prod.Document"},
                    {"2.regkey", "SOFTWARE\\Classes\\.abc"},
                    {"3.regkey", "SOFTWARE\\Classes\\.abd"},
                    {"4.regkey", "SOFTWARE\\Vendor\\Prod"}}));
  EXPECT_TRUE(install.result.succeeded());
}

TEST(RemovalRecord, MissingFoldersOutermostFirstAndFileRecordsInListOrder) {
  RecordedInstall install;
  install.config.files[1].createName = "doc/en/readme.txt";
  install.config.fileTypes.clear();
  install.config.runWithUninstall = 1;
  install.state.desktopShortcut = 1;
  install.state.startupShortcut = 1;
  addExampleEntries(install.entries);
  install.run();

  Values values = install.productValues();
  EXPECT_EQ(values["0.folder"], "C:\\Apps\\Prod");
  EXPECT_EQ(values["1.folder"], "C:\\Menu\\Programs\\Vendor");
  EXPECT_EQ(values["2.folder"], "C:\\Menu\\Programs\\Vendor\\Prod");
  EXPECT_EQ(values["3.folder"], "C:\\Apps\\Prod\\doc");
  EXPECT_EQ(values["4.folder"], "C:\\Apps\\Prod\\doc\\en");
  EXPECT_EQ(values.count("5.folder"), 0u);
  EXPECT_EQ(values["0.file"], "C:\\Apps\\Prod\\prod.exe");
  EXPECT_EQ(values["1.file"], "C:\\Menu\\Programs\\Vendor\\Prod\\Prod.lnk");
  EXPECT_EQ(values["2.file"], "C:\\Apps\\Prod\\doc/en/readme.txt");  // written as the script names it
  EXPECT_EQ(values["3.file"], "C:\\Apps\\Prod\\uninst.exe");
  EXPECT_EQ(values["4.file"], "C:\\Desk\\Prod.lnk");
  EXPECT_EQ(values["5.file"], "C:\\Menu\\Startup\\Prod.lnk");
  EXPECT_EQ(values["Main executable"], "C:\\Apps\\Prod\\prod.exe");
  EXPECT_EQ(values["0.regkey"], "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Prod");
  EXPECT_EQ(values["1.regkey"], "SOFTWARE\\Vendor\\Prod");
  EXPECT_EQ(values.count("2.regkey"), 0u);
  EXPECT_EQ(install.os.files.count("C:\\Apps\\Prod\\doc/en/readme.txt"), 1u);
}

TEST(RemovalRecord, FolderNumbersContinueAcrossRuns) {
  RecordedInstall install;
  install.state.folderRecordCounter = 7;  // earlier CreateFolderPath calls in this program
  install.config.fileTypes.clear();
  addExampleEntries(install.entries);
  install.run();
  EXPECT_EQ(install.productValues()["7.folder"], "C:\\Apps\\Prod");
  EXPECT_EQ(install.productValues().count("6.folder"), 0u);
  EXPECT_EQ(install.state.folderRecordCounter, 11);  // Prod, Vendor, Vendor\Prod, doc
}
