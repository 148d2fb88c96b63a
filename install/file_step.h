// Run step 5.1: one product file is taken from the package and written to its place.
#pragma once

#include "install/install_run.h"

// Chooses the file's target folder, creates the folders of its full path, reads its entry
// (verified) and writes it, sets normal attributes and, when `canUninstall` is set, records it
// for removal. A missing or damaged entry, or a file that cannot be written, is added to the
// run's failures; damaged data is never written. True when the file was installed.
bool installFile(InstallRun& run, FileEntry& file);
