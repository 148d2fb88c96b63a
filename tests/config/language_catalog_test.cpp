// LanguageCatalog: entry names, the default row, selection rules, escapes and look-ups.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/language_catalog.h"
#include "tests/support/memory_catalog.h"

TEST(LanguageCatalog, CatalogEntryNames) {
  struct Case {
    const char* entry;
    bool catalog;
    const char* language;
  } const cases[] = {
      {"English.clg", true, "English"},
      {"Russian (\xD0\xF3\xF1\xF1\xEA\xE8\xE9).clg", true, "Russian (\xD0\xF3\xF1\xF1\xEA\xE8\xE9)"},
      {".clg", true, ""},
      {"German.CLG", false, ""},
      {"clg", false, ""},
      {"logo.bmp", false, ""},
      {"a.clg.bak", false, ""},
  };
  for (const Case& c : cases) {
    std::string language;
    EXPECT_EQ(catalogLanguageName(c.entry, &language), c.catalog) << c.entry;
    if (c.catalog) {
      EXPECT_EQ(language, c.language) << c.entry;
    }
  }
}

TEST(LanguageCatalog, DefaultRowFollowsThePositionCounter) {
  struct Case {
    std::vector<std::string> names;
    int row;
  } const cases[] = {
      {{"Bosnian (Bosanski)", "English", "Russian"}, 1},
      {{"English"}, 0},
      {{"A", "B", "english"}, 2},
      {{"A", "B"}, -4},  // p = -1 - 2
      {{}, -2},
      {{"ENGLISH", "x", "English"}, -2},  // a second English turns p negative again
  };
  for (const Case& c : cases) EXPECT_EQ(defaultLanguageRow(c.names), c.row);
}

TEST(LanguageCatalog, EscapeExpansion) {
  struct Case {
    std::string in;
    std::string out;
  } const cases[] = {
      {"one\\ntwo", "one\rtwo"},
      {"a\\tb", "a\tb"},
      {"\\n\\n", "\r\r"},
      {"double \\\\n", "double \\\\n"},
      {"ends in \\", "ends in \\"},
      {"\\x stays", "\\x stays"},
      {"\\", "\\"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(expandEscapes(c.in), c.out) << c.in;
}

TEST(LanguageCatalog, SelectionRules) {
  MemoryCatalog catalog;
  catalog.entries["Bosnian.clg"] = "[Main]\n1001=Instaliraj\n";
  catalog.entries["English.clg"] = "[Main]\n1001=Install\n";
  // Nothing listed: selecting does nothing.
  catalog.SelectLanguage("English");
  EXPECT_EQ(catalog.currentIndex(), -1);
  EXPECT_EQ(catalog.reads, 0);

  EXPECT_EQ(catalog.AddCatalog("Bosnian", "Bosnian.clg"), 0);
  EXPECT_EQ(catalog.AddCatalog("English", "English.clg"), 1);
  EXPECT_EQ(catalog.AddCatalog("Broken", "Broken.clg"), 2);
  EXPECT_EQ(catalog.LanguageName(-1), "");  // none selected yet

  catalog.SelectLanguage("English");
  EXPECT_EQ(catalog.currentIndex(), 1);
  EXPECT_EQ(catalog.GetText("Main", "1001", "d"), "Install");
  EXPECT_EQ(catalog.LanguageName(-1), "English");

  catalog.SelectLanguage("English");  // already selected: nothing is read again
  EXPECT_EQ(catalog.reads, 1);

  catalog.SelectLanguage("english");  // exact comparison: falls back to the first listed
  EXPECT_EQ(catalog.currentIndex(), 0);
  EXPECT_EQ(catalog.GetText("Main", "1001", "d"), "Instaliraj");

  catalog.SelectLanguage("Broken");  // unreadable: none selected, look-ups give defaults
  EXPECT_EQ(catalog.currentIndex(), -1);
  EXPECT_EQ(catalog.GetText("Main", "1001", "d"), "d");
  EXPECT_EQ(catalog.LanguageName(-1), "");
  EXPECT_EQ(catalog.LanguageName(2), "Broken");
  EXPECT_EQ(catalog.LanguageName(3), "");

  catalog.SelectLanguage("English");  // a readable catalog selects again
  EXPECT_EQ(catalog.GetText("Main", "1001", "d"), "Install");
}

TEST(LanguageCatalog, LookUpsAndDefaults) {
  MemoryCatalog catalog;
  catalog.entries["English.clg"] =
      "[Main]\n0=Caption\n1001=Install\nempty=\ncomplete=Done!\\nClick\\tOK\n"
      "[Browse]\n1=OK\n[Options]\ndesktop=create shortcut on the Desktop\n";
  catalog.AddCatalog("English", "English.clg");
  EXPECT_EQ(catalog.GetText("Main", "1001", nullptr), "");  // nothing selected yet
  catalog.SelectLanguage("English");
  EXPECT_EQ(catalog.GetText("Main", "complete", ""), "Done!\rClick\tOK");
  EXPECT_EQ(catalog.GetText("Main", "empty", "keep"), "keep");
  EXPECT_EQ(catalog.GetText("Main", "missing", nullptr), "");
  EXPECT_EQ(catalog.GetText("Options", "desktop", ""), "create shortcut on the Desktop");
  EXPECT_EQ(catalog.ControlText("Main", 0, ""), "Caption");
  EXPECT_EQ(catalog.ControlText("Browse", 1, ""), "OK");
  EXPECT_EQ(catalog.ControlText("Browse", 1001, "same"), "same");
}
