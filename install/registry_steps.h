// The product's registry entries: the product key's values, the Uninstall entry and the file
// types, with their key records.
#pragma once

#include "install/install_run.h"

// Run step 2: opens the product key and writes "Path" and "Product".
void writeProductKey(InstallRun& run);
// Run step 6: "Main executable", when the script asks for it.
void writeMainExecutable(InstallRun& run);
// Run step 9: records the Uninstall entry's key.
void recordUninstallKey(InstallRun& run);
// Run step 11: the Uninstall entry with "DisplayName" and the quoted "UninstallString".
void writeUninstallEntry(InstallRun& run);
// Run step 12: every file type with its class key, open command, icon and extensions.
void registerFileTypes(InstallRun& run);
// Run step 13: records the product key itself as the last key record.
void recordProductKey(InstallRun& run);
