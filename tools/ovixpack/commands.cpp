// The table of ovixpack's commands. Add a command here and in its own source file.
#include "tools/ovixpack/commands.h"

#include "tools/ovixpack/pack_commands.h"
#include "tools/ovixpack/package_commands.h"

int runEncode(const Arguments& args);
int runDecode(const Arguments& args);

const Command kCommands[] = {
    {"create", runCreate,
     "-o OUT [--stub EXE] [--method bwt|lz|store] [--codepage N] [--force] DIR"},
    {"list", runList, "[--tsv] ARCHIVE"},
    {"extract", runExtract, "ARCHIVE -C DIR [NAME...]"},
    {"verify", runVerify, "ARCHIVE"},
    {"add", runAdd, "[--method bwt|lz|store] [--codepage N] ARCHIVE FILE..."},
    {"remove", runRemove, "ARCHIVE NAME..."},
    {"compact", runCompact, "ARCHIVE"},
    {"checksum", runChecksum, "FILE"},
    {"encode", runEncode, "--codec bwt|lz IN OUT"},
    {"decode", runDecode, "--codec bwt|lz --size N IN OUT"},
    {"check", runCheck, "DIR|PACKAGE"},
    {"plan", runPlan, "DIR|PACKAGE"},
    {nullptr, nullptr, nullptr},
};
