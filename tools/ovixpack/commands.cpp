// The table of ovixpack's commands. Add a command here and in its own source file.
#include "tools/ovixpack/commands.h"

int runEncode(const Arguments& args);
int runDecode(const Arguments& args);

const Command kCommands[] = {
    {"encode", runEncode, "--codec bwt IN OUT"},
    {"decode", runDecode, "--codec bwt --size N IN OUT"},
    {nullptr, nullptr, nullptr},
};
