// The package author's mistakes that the installer itself would not catch: read the setup
// script and the catalogs as the installer does and list what would make an installation
// wrong (errors) or is suspicious but legal (warnings). At most one problem per key.
#pragma once

#include <string>
#include <vector>

class PackageSource;

struct PackageProblem {
  bool error;           // false: a warning
  std::string section;  // script section, or empty for a problem of the whole package
  std::string key;      // script key, or what the problem is about
  std::string text;
};

std::vector<PackageProblem> checkPackage(const PackageSource& package);

// "error: [General] Main executable: <text>"; without a section "error: <key>: <text>".
std::string formatProblem(const PackageProblem& problem);

// Whether any of them is an error.
bool hasErrors(const std::vector<PackageProblem>& problems);

// The check that `create` runs on a package folder before it writes anything: the problems
// go to standard error; false when there are errors and `force` is not set.
bool checkBeforeCreate(const std::string& folder, int codePage, bool force);
