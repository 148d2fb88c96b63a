// The registry operations of the install run, all below HKEY_LOCAL_MACHINE. An empty key path
// would name HKEY_LOCAL_MACHINE itself, so it is never opened.
#pragma once

#include <string>

#include "install/install_run.h"

// Opens `subKey`, creating it when missing; null for an empty path or on failure.
OsKey OpenKey(OsServices& os, const std::string& subKey);
// Writes a string value (empty name: the default value); 1 on success, 0 on failure.
int WriteString(OsServices& os, OsKey key, const std::string& name, const std::string& text);

// Opens `subKey`, writes one value and closes it; a failure is added to the run's result.
void writeKeyValue(InstallRun& run, const std::string& subKey, const std::string& name,
                   const std::string& text);

// The product key, HKEY_LOCAL_MACHINE\registryKey. Nothing is written when the script gives no
// "Registry key". A write goes through the key opened in run step 2 when it is open, otherwise
// the key is opened and closed around it.
void openProductKey(InstallRun& run);
void closeProductKey(InstallRun& run);
void writeProductValue(InstallRun& run, const std::string& name, const std::string& text);

// The key paths the run writes and records.
extern const char* const kUninstallListKey;  // "SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\"
extern const char* const kClassesKey;        // "SOFTWARE\Classes\"
