// ovixpack check: every problem of a broken package reported once, with its key.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/support/scratch_folder.h"
#include "tests/support/write_file.h"
#include "tools/ovixpack/package_check.h"
#include "tools/ovixpack/package_commands.h"
#include "tools/ovixpack/package_source.h"

namespace {

const char* const kGood =
    "[General]\nProduct name=P\nRegistry key=SOFTWARE\\P\nMain executable=0\nReadme=1\n"
    "Advanced options=15\nNumber of files=2\n[0]\nName=app.exe\n[1]\nName=docs\\readme.txt\n";

// The lines `check` prints for a package folder holding `script` as Ovix.ini, two product
// files, an English catalog and whatever `extra` adds (an empty text removes a file).
std::vector<std::string> check(const std::string& script,
                               std::map<std::string, std::string> extra = {}) {
  std::map<std::string, std::string> files = {{"Ovix.ini", script},
                                              {"app.exe", "MZ"},
                                              {"docs/readme.txt", "read me"},
                                              {"English.clg", "[Main]\n1001=Install\n"}};
  for (const auto& [name, bytes] : extra) files[name] = bytes;
  std::filesystem::remove_all("package");
  for (const auto& [name, bytes] : files)
    if (!bytes.empty()) writeFile("package/" + name, bytes);
  std::string error;
  auto package = PackageSource::open("package", &error);
  EXPECT_TRUE(package) << error;
  std::vector<std::string> lines;
  if (package)
    for (const PackageProblem& p : checkPackage(*package)) lines.push_back(formatProblem(p));
  return lines;
}

std::string with(std::string script, const std::string& from, const std::string& to) {
  size_t at = script.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return script.replace(at, from.size(), to);
}

// Legal but suspicious: a run with "/install" without a main program, sections beyond the
// file list (one twice, and "[02]", which is no name the installer forms).
std::string warningsOnly() {
  return with(with(kGood, "Main executable=0\n", "Run with '/install'=1\n"),
              "Advanced options=15", "Advanced options=8") +
         "[2]\nName=x\n[7]\n[2]\n[02]\n";
}

}  // namespace

TEST(PackageCheck, ASoundPackageHasNoProblems) {
  ScratchFolder scratch;
  EXPECT_EQ(check(kGood), std::vector<std::string>{});
}

TEST(PackageCheck, EachProblemOnceWithItsKey) {
  ScratchFolder scratch;
  struct Case {
    const char* name;
    std::string script;
    std::vector<std::string> lines;
    std::map<std::string, std::string> extra = {};
  } const cases[] = {
      {"main executable outside", with(kGood, "Main executable=0", "Main executable=2"),
       {"error: [General] Main executable: 2 is outside the file list (2 files, numbered from 0)"}},
      {"readme negative", with(kGood, "Readme=1", "Readme=-1"),
       {"error: [General] Readme: -1 is outside the file list (2 files, numbered from 0)"}},
      {"missing keys needed by options",
       with(with(kGood, "Main executable=0\n", ""), "Readme=1\n", ""),
       {"error: [General] Main executable: is missing, but the offered options desktop, startup, "
        "exec need the main program",
        "error: [General] Readme: is missing, but the offered option readme needs it"}},
      {"file not in the package", with(kGood, "Name=app.exe", "Name=app2.exe"),
       {"error: [0] Name: \"app2.exe\" is not a file of the package"}},
      {"file without a name", with(kGood, "Name=app.exe", "Name="),
       {"error: [0] Name: is empty: the file has no contents"}},
      {"empty file list",
       "[General]\nProduct name=P\nRegistry key=K\nNumber of files=0\n",
       {"error: [General] Number of files: the file list is empty"}},
      {"empty product name and registry key",
       with(with(kGood, "Product name=P", "Product name="), "Registry key=SOFTWARE\\P", ""),
       {"error: [General] Product name: is empty: the uninstall entry would be the whole list of "
        "installed programs",
        "error: [General] Registry key: is empty: the product key would be the root of "
        "HKEY_LOCAL_MACHINE"}},
      {"file types",
       with(kGood, "[0]",
            "Number of file types=3\nFile type 0.Name=\nFile type 0.Extensions=.a\n"
            "File type 1.Name=T\nFile type 1.Extensions=.a  .b\nFile type 1.Icon=0x10003\n"
            "File type 2.Name=U\nFile type 2.Extensions=.c\nFile type 2.Icon=2\n[0]"),
       {"error: [General] File type 0.Name: is empty: the type would register the whole classes key",
        "error: [General] File type 1.Extensions: \".a  .b\" holds an empty extension (empty, or "
        "leading, trailing or double spaces)",
        "error: [General] File type 1.Icon: names file 3 (counted from 1), outside the file list "
        "(2 files)"}},
      {"flags written as words",
       with(with(kGood, "Readme=1", "Readme=1\nRun with '/uninstall'=true"), "Name=app.exe",
            "Name=app.exe\nCan uninstall=yes"),
       {"error: [General] Run with '/uninstall': \"true\" is not a number and reads as 0; write "
        "numbers (1 for yes)",
        "error: [0] Can uninstall: \"yes\" is not a number and reads as 0; write numbers (1 for yes)"}},
      {"no catalog named exactly English", kGood,
       {"error: catalogs: no catalog is named exactly \"English\": the installer falls back to "
        "\"english\""},
       {{"English.clg", ""}, {"english.clg", "[Main]\n"}}},
      {"no catalog at all", kGood,
       {"error: catalogs: the package has no catalog (.clg): every text stays empty"},
       {{"English.clg", ""}}},
      {"no script", "",
       {"error: Ovix.ini: the package has no setup script"}},
      {"warnings only", warningsOnly(),
       {"warning: [General] Run with '/install': is set without a \"Main executable\": file 0 is "
        "run with /install",
        "warning: [2]: lies beyond \"Number of files\" (2) and is ignored",
        "warning: [7]: lies beyond \"Number of files\" (2) and is ignored"}},
  };
  for (const Case& c : cases) EXPECT_EQ(check(c.script, c.extra), c.lines) << c.name;
}

TEST(PackageCheck, ExitCodes) {
  ScratchFolder scratch;
  check(kGood);
  EXPECT_EQ(runCheck({"package"}), 0);
  check(warningsOnly());
  EXPECT_EQ(runCheck({"package"}), 0);
  check(with(kGood, "Readme=1", "Readme=5"));
  EXPECT_EQ(runCheck({"package"}), 1);
  EXPECT_EQ(runCheck({"no-such-package"}), 2);
  EXPECT_EQ(runCheck({}), 2);
  writeFile("not-an-archive", "plain text");
  EXPECT_EQ(runCheck({"not-an-archive"}), 2);
}
