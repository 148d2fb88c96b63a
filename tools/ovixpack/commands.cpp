// The table of ovixpack's commands. Add a command here and in its own source file.
#include "tools/ovixpack/commands.h"

#include "tools/ovixpack/package_commands.h"

const Command kCommands[] = {
    {"check", runCheck, "DIR|PACKAGE"},
    {"plan", runPlan, "DIR|PACKAGE"},
    {nullptr, nullptr, nullptr},
};
