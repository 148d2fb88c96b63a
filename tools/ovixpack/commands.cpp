// The table of ovixpack's commands. Add a command here and in its own source file.
#include "tools/ovixpack/commands.h"

const Command kCommands[] = {
    {nullptr, nullptr, nullptr},
};
