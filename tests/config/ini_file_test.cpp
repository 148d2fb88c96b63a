// TIniFile: stored lines, lookups, typed reads, lists, limits, and the file adapters.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "config/ini_file.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/write_file.h"

namespace {

std::vector<std::string> storedLines(const TIniFile& ini) {
  std::vector<std::string> lines;
  for (int i = 0; const char* line = ini.lineAt(i); ++i) lines.push_back(line);
  return lines;
}

struct LinesCase {
  const char* name;
  std::string text;
  std::vector<std::string> lines;
};

std::string bytes(size_t n, char c) { return std::string(n, c); }

}  // namespace

TEST(TIniFile, StoresNormalisedLinesAndDirectives) {
  const LinesCase cases[] = {
      {"blanks around line and first equals", "  Product name \t=  X  \r\n", {"Product name=X"}},
      {"equals inside the value stays", "a = b = c\n", {"a=b = c"}},
      {"blank line is the empty text", "x\n   \t\r\ny", {"x", "", "y"}},
      {"last line without line feed", "[A]\nk=1", {"[A]", "k=1"}},
      {"control bytes cut, high bytes kept", "\x01\x84\xA0=\xA4\x1f\r", {"\x84\xA0=\xA4"}},
      {"comment lines are stored", "; note = here\n", {"; note=here"}},
      {"define stores name and first word", "#define Title Setup program\n", {"Title=Setup"}},
      {"define after blanks, extra spaces", "  \t#define  X   Y z\r\n", {"X=Y"}},
      {"define value ends at carriage return", "#define X Y\r\n", {"X=Y"}},
      {"define without value is empty", "#define Alone\r\n", {"Alone="}},
      {"define without name stores nothing", "a\n#define\n#define   \r\nb", {"a", "b"}},
      {"include adds nothing", "a\n#include \"x.ini\"\n  #include other\nb", {"a", "b"}},
      {"directive words are case-sensitive", "#Define A B\n# define C D\n", {"#Define A B", "# define C D"}},
      {"300 bytes become 249 and 51", bytes(300, 'k') + "\n", {bytes(249, 'k'), bytes(51, 'k')}},
      {"249 bytes leave their line feed", bytes(249, 'k') + "\nz", {bytes(249, 'k'), "", "z"}},
  };
  for (const LinesCase& c : cases) {
    TIniFile ini;
    EXPECT_TRUE(ini.load(c.text.c_str())) << c.name;
    EXPECT_EQ(storedLines(ini), c.lines) << c.name;
  }
}

TEST(TIniFile, ReadStringFindsTheFirstKeyOfTheNamedSections) {
  struct Case {
    const char* name;
    const char* text;
    const char* section;
    const char* key;
    const char* expected;  // null: the default comes back
  } const cases[] = {
      {"simple", "[General]\nTitle = Setup\n", "General", "Title", "Setup"},
      {"second occurrence of a section", "[A]\nx=1\n[B]\nz=9\n[A]\nz=3\n", "A", "z", "3"},
      {"first occurrence still first", "[A]\nx=1\n[A]\nx=2\n", "A", "x", "1"},
      {"first key wins", "[A]\nk=1\nk=2\n", "A", "k", "1"},
      {"key before any section", "k=0\n[A]\nj=1\n", "A", "k", nullptr},
      {"scan stops at the next header", "[A]\n[B]\nk=1\n", "A", "k", nullptr},
      {"header as last line", "k=1\n[A]", "A", "k", nullptr},
      {"key on the very last line", "[A]\nj=0\nk=1", "A", "k", "1"},
      {"key without equals, later section", "[A]\nk\n[A]\nk=2\n", "A", "k", "2"},
      {"empty value", "[A]\nk=\n", "A", "k", ""},
      {"define in the current section", "[A]\n#define Title Setup program\n", "A", "Title", "Setup"},
      {"keys are case-sensitive", "[A]\nKey=1\n", "A", "key", nullptr},
      {"sections are case-sensitive", "[a]\nk=1\n", "A", "k", nullptr},
      {"apostrophes and inner spaces", "[G]\nRun with '/install' = 1\n", "G", "Run with '/install'", "1"},
      {"empty section name", "[]\nk=1\n", "", "k", "1"},
      {"prefix of a key is not the key", "[A]\nkey=1\n", "A", "ke", nullptr},
      {"no text loaded", "", "A", "k", nullptr},
  };
  for (const Case& c : cases) {
    TIniFile ini;
    ini.load(c.text);
    const char* deflt = "DEFAULT";
    const char* got = ini.readString(c.section, c.key, deflt);
    if (c.expected)
      EXPECT_STREQ(got, c.expected) << c.name;
    else
      EXPECT_EQ(got, deflt) << c.name;
  }
}

TEST(TIniFile, TypedReads) {
  TIniFile ini;
  ini.load(
      "[N]\noct=010\nhex=0x10\nHEX=0X1f\ntail=12abc\nword=abc\nempty=\nneg=-0x10\n"
      "big=99999999999\nsmall=-99999999999\nfrac=2.5e1\n"
      "[B]\nyes=yes\none=1\ntrue=true\non=on\nenable=enable\nEnable=Enable\nTRUE=TRUE\n"
      "da=\xA4\xA0\nDa=\x84\xA0\nDA=\x84\x80\nzero=0\nempty=\n");
  struct IntCase {
    const char* key;
    std::int32_t expected;
  } const ints[] = {{"oct", 8},    {"hex", 16},  {"HEX", 31},          {"tail", 12},
                    {"word", 0},   {"empty", -7}, {"missing", -7},     {"neg", -16},
                    {"big", INT32_MAX}, {"small", INT32_MIN}};
  for (const IntCase& c : ints) EXPECT_EQ(ini.readInt("N", c.key, -7), c.expected) << c.key;
  EXPECT_DOUBLE_EQ(ini.readDouble("N", "frac", 1.0), 25.0);
  EXPECT_DOUBLE_EQ(ini.readDouble("N", "empty", 1.5), 1.5);

  for (const char* key : {"yes", "one", "true", "on", "enable", "da", "Da", "DA"}) {
    EXPECT_TRUE(ini.readBool("B", key, false)) << key;
  }
  for (const char* key : {"Enable", "TRUE", "zero"}) EXPECT_FALSE(ini.readBool("B", key, true)) << key;
  EXPECT_TRUE(ini.readBool("B", "empty", true));
  EXPECT_FALSE(ini.readBool("B", "missing", false));
}

TEST(TIniFile, ListReads) {
  TIniFile ini;
  ini.load("[L]\nints=1, 2;3\nwords=a1b 0x10 010-\nreals=1.5;x2e1\nempty=\n"
           "commas=a b,c\nspaces=a b c\nquoted=\"x, y\" z\nopen=\"no end\n");
  EXPECT_EQ(*ini.readInts("L", "ints", nullptr), (std::vector<std::int32_t>{1, 2, 3}));
  EXPECT_EQ(*ini.readInts("L", "words", nullptr), (std::vector<std::int32_t>{1, 16, 8}));
  EXPECT_EQ(*ini.readDoubles("L", "reals", nullptr), (std::vector<double>{1.5, 20.0}));
  EXPECT_EQ(*ini.readStrings("L", "commas", nullptr), (std::vector<std::string>{"a b", "c"}));
  EXPECT_EQ(*ini.readStrings("L", "spaces", nullptr), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(*ini.readStrings("L", "quoted", nullptr), (std::vector<std::string>{"x, y", "z"}));
  EXPECT_EQ(*ini.readStrings("L", "open", nullptr), (std::vector<std::string>{"no end"}));
  // Absent or empty: the default text is parsed; without one there is no list.
  EXPECT_EQ(ini.readInts("L", "missing", nullptr), nullptr);
  EXPECT_EQ(ini.readStrings("L", "empty", nullptr), nullptr);
  EXPECT_EQ(*ini.readInts("L", "empty", "4 5"), (std::vector<std::int32_t>{4, 5}));
  EXPECT_TRUE(ini.readDoubles("L", "missing", "")->empty());
}

TEST(TIniFile, FindKeyAndLineAt) {
  TIniFile ini;
  ini.load("[A]\nx=1\n[B]\ny=2\n[A]\nz=3\n");
  EXPECT_EQ(ini.findKey("A", nullptr), 0);
  EXPECT_EQ(ini.findKey("B", "y"), 3);
  EXPECT_EQ(ini.findKey("A", "x"), 1);
  EXPECT_EQ(ini.findKey("A", "z"), -1);  // only the first section of the name is searched
  EXPECT_EQ(ini.findKey("C", nullptr), -1);
  EXPECT_STREQ(ini.lineAt(5), "z=3");
  EXPECT_EQ(ini.lineAt(6), nullptr);
  EXPECT_EQ(ini.lineAt(-1), nullptr);
}

TEST(TIniFile, LoadReplacesAllLines) {
  TIniFile ini;
  ini.load("[A]\nk=1\n");
  ini.load("[B]\nk=2\n");
  EXPECT_EQ(ini.readString("A", "k", nullptr), nullptr);
  EXPECT_STREQ(ini.readString("B", "k", nullptr), "2");
  EXPECT_EQ(ini.lineCount(), 2);
}

TEST(TIniFile, LimitsNeverOverflow) {
  std::string text = "[S]\nk=1\n";
  for (int i = 0; i < 70000; ++i) text += "l\n";
  text += "[T]\nk=2\n";
  TIniFile ini;
  ini.load(text.c_str());
  EXPECT_EQ(ini.lineCount(), TIniFile::kMaxLines);
  EXPECT_STREQ(ini.readString("S", "k", nullptr), "1");
  EXPECT_EQ(ini.readString("T", "k", nullptr), nullptr);  // dropped with the rest

  // A 247-byte name makes a 249-byte header, the longest line; one byte more cannot match.
  std::string name(247, 's');
  ini.load(("[" + name + "]\nk=1\n").c_str());
  EXPECT_STREQ(ini.readString(name.c_str(), "k", nullptr), "1");
  std::string longer(4000, 's');
  EXPECT_EQ(ini.readString(longer.c_str(), "k", nullptr), nullptr);
  EXPECT_EQ(ini.findKey(longer.c_str(), nullptr), -1);
}

TEST(TIniFile, ClassNameAndTest) {
  TIniFile ini;
  EXPECT_STREQ(ini.className(), "TIniFile");
  EXPECT_EQ(ini.isA("TIniFile"), &ini);
  EXPECT_EQ(ini.isA("TObject"), &ini);
  EXPECT_EQ(ini.isA("TCollection"), nullptr);
}

TEST(TIniFile, FileAdapters) {
  ScratchFolder scratch;
  TIniFile ini;
  ini.load("[A]\nk=1\n");
  EXPECT_FALSE(ini.loadFile("missing.ini"));
  EXPECT_TRUE(ini.failed());
  EXPECT_EQ(ini.fileName(), "missing.ini");
  EXPECT_STREQ(ini.readString("A", "k", nullptr), "1");  // old lines kept

  writeFile("in.ini", "[A]\n  k = 2 \nj=3");
  EXPECT_TRUE(ini.loadFile("in.ini"));
  EXPECT_FALSE(ini.failed());
  EXPECT_STREQ(ini.readString("A", "k", nullptr), "2");
  EXPECT_TRUE(ini.save("out.ini"));
  std::ifstream saved("out.ini", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(saved), {}), "[A]\r\nk=2\r\nj=3\r\n");
  EXPECT_FALSE(ini.save("no-such-folder/out.ini"));

  EXPECT_FALSE(ini.reload());
  EXPECT_TRUE(ini.failed());
  EXPECT_EQ(ini.lineCount(), 0);
  EXPECT_EQ(ini.readString("A", "k", nullptr), nullptr);
}
