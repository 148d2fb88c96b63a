// Registry writes of the install run, with the product key's lifetime.
#include "install/registry.h"

const char* const kUninstallListKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
const char* const kClassesKey = "SOFTWARE\\Classes\\";

OsKey OpenKey(OsServices& os, const std::string& subKey) {
  return subKey.empty() ? nullptr : os.openKey(subKey);
}

int WriteString(OsServices& os, OsKey key, const std::string& name, const std::string& text) {
  return key && os.setStringValue(key, name, text) ? 1 : 0;
}

void writeKeyValue(InstallRun& run, const std::string& subKey, const std::string& name,
                   const std::string& text) {
  OsKey key = OpenKey(run.os, subKey);
  if (!key) {
    run.result.add(FailureKind::RegistryNotWritten, subKey);  // once per key, not per value
    return;
  }
  if (!WriteString(run.os, key, name, text))
    run.result.add(FailureKind::RegistryNotWritten, subKey + (name.empty() ? "" : "\\" + name));
  run.os.closeKey(key);
}

void openProductKey(InstallRun& run) {
  if (run.config.registryKey.empty()) return;
  run.productKey = OpenKey(run.os, run.config.registryKey);
  if (!run.productKey) run.result.add(FailureKind::RegistryNotWritten, run.config.registryKey);
}

void closeProductKey(InstallRun& run) {
  if (run.productKey) run.os.closeKey(run.productKey);
  run.productKey = nullptr;
}

void writeProductValue(InstallRun& run, const std::string& name, const std::string& text) {
  if (run.config.registryKey.empty()) return;
  if (!run.productKey) {
    writeKeyValue(run, run.config.registryKey, name, text);
    return;
  }
  if (!WriteString(run.os, run.productKey, name, text))
    run.result.add(FailureKind::RegistryNotWritten, run.config.registryKey + "\\" + name);
}
