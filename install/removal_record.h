// The removal record: numbered values in the product key that list every folder the run
// created ("%d.folder"), every file and link to remove ("%d.file") and every key to delete
// ("%d.regkey"), in the order of their creation. A counter advances even when its write fails.
#pragma once

#include <string>

#include "install/install_run.h"

void recordFolder(InstallRun& run, const std::string& folder);
void recordFile(InstallRun& run, const std::string& path);
void recordKey(InstallRun& run, const std::string& keyPath);
