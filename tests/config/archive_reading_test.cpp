// The configuration read through a real install archive: catalog listing in archive order,
// selection from archive entries, the disk fallback and the setup script.
#include <gtest/gtest.h>

#include "archive/resfile.h"
#include "config/install_script.h"
#include "config/language_catalog.h"
#include "tests/support/archive_writer.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/write_file.h"

TEST(ArchiveReading, ListsCatalogsInArchiveOrderAndSelectsEnglish) {
  ScratchFolder scratch;
  const std::string russian = "Russian (\xD0\xF3\xF1\xF1\xEA\xE8\xE9)";
  ASSERT_TRUE(writeArchive("package.bin",
                           {{"English.clg", "[Main]\n1001=Install\n"},
                            {"Bosnian (Bosanski).clg", "[Main]\n1001=Instaliraj\n"},
                            {russian + ".clg", "[Main]\n1001=Ustanovit\n"},
                            {"Ovix.ini", "[General]\n"},
                            {"German.CLG", "not a catalog"},
                            {"logo.bmp", "BM"}}));
  TResFile archive("package.bin", false);
  LanguageCatalog catalog;
  catalog.SetArchive(&archive);
  EXPECT_EQ(catalog.ListCatalogs(), 1);
  ASSERT_EQ(catalog.count(), 3);
  EXPECT_EQ(catalog.LanguageName(0), "Bosnian (Bosanski)");
  EXPECT_EQ(catalog.LanguageName(1), "English");
  EXPECT_EQ(catalog.LanguageName(2), russian);
  catalog.SelectLanguage("English");
  EXPECT_EQ(catalog.GetText("Main", "1001", ""), "Install");
  catalog.SelectLanguage(russian);
  EXPECT_EQ(catalog.GetText("Main", "1001", ""), "Ustanovit");
}

TEST(ArchiveReading, WithoutAnArchiveNothingIsListedAndCatalogsComeFromDisk) {
  ScratchFolder scratch;
  writeFile("English.clg", "[Main]\n1001=From disk\n");
  TResFile archive("no-such-archive", false);
  LanguageCatalog catalog;
  catalog.SetArchive(&archive);
  EXPECT_LT(catalog.ListCatalogs(), 0);
  EXPECT_EQ(catalog.count(), 0);
  catalog.AddCatalog("English", "English.clg");
  catalog.AddCatalog("Gone", "Gone.clg");
  catalog.SelectLanguage("English");
  EXPECT_EQ(catalog.GetText("Main", "1001", ""), "From disk");
  catalog.SelectLanguage("Gone");
  EXPECT_EQ(catalog.currentIndex(), -1);

  LanguageCatalog detached;  // no archive attached: nothing can be read
  detached.AddCatalog("English", "English.clg");
  detached.SelectLanguage("English");
  EXPECT_EQ(detached.currentIndex(), -1);
}

TEST(ArchiveReading, ScriptFromArchiveOrDiskOrNone) {
  ScratchFolder scratch;
  ASSERT_TRUE(writeArchive("package.bin", {{"Ovix.ini", "[General]\nTitle=Packed\n"
                                                        "Number of files=1\n[0]\nName=a\n"}},
                           RW_COMPRESS | RW_BLOCKSORT));
  InstallConfig config;
  {
    TResFile archive("package.bin", false);
    EXPECT_EQ(loadInstallConfig(archive, &config), "Packed");
    ASSERT_EQ(config.files.size(), 1u);
    EXPECT_EQ(config.files[0].name, "a");
  }
  TResFile none("no-such-archive", false);
  EXPECT_EQ(loadInstallConfig(none, &config), "Quorin Ltd");  // no script anywhere
  EXPECT_TRUE(config.files.empty());
  writeFile("Ovix.ini", "[General]\nTitle=Loose\n");
  EXPECT_EQ(loadInstallConfig(none, &config), "Loose");
}
