// The commands that inspect a package folder or a built package.
#pragma once

#include <string>

#include "tools/ovixpack/commands.h"

class PackageSource;

// ovixpack check DIR|PACKAGE: problem lines on standard output; exit 1 on errors.
int runCheck(const Arguments& args);
// ovixpack plan DIR|PACKAGE: the plan on standard output.
int runPlan(const Arguments& args);

// The plan's text: "key: value" lines in the fixed order.
std::string planPackage(const PackageSource& package);
