// ovixpack check DIR|PACKAGE: reports the script's and the catalogs' problems, one line
// each; exit 1 when any is an error.
#include <cstdio>

#include "tools/ovixpack/package_commands.h"
#include "tools/ovixpack/package_check.h"
#include "tools/ovixpack/package_source.h"

int runCheck(const Arguments& args) {
  auto package = openPackageArgument(args, "check");
  if (!package) return kExitUsage;
  std::vector<PackageProblem> problems = checkPackage(*package);
  for (const PackageProblem& problem : problems)
    std::printf("%s\n", formatProblem(problem).c_str());
  return hasErrors(problems) ? kExitCheckFailed : kExitOk;
}
