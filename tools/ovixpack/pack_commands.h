// The entry points of ovixpack's commands, one source file each, listed in commands.cpp.
#pragma once

#include "tools/ovixpack/commands.h"

int runCreate(const Arguments& args);
int runList(const Arguments& args);
int runExtract(const Arguments& args);
int runVerify(const Arguments& args);
int runAdd(const Arguments& args);
int runRemove(const Arguments& args);
int runCompact(const Arguments& args);
int runChecksum(const Arguments& args);
