// Product key values, Uninstall entry and file-type registration.
#include "install/registry_steps.h"

#include <cstdint>

#include "install/command_line.h"
#include "install/registry.h"
#include "install/removal_record.h"

void writeProductKey(InstallRun& run) {
  openProductKey(run);
  writeProductValue(run, "Path", run.state.installFolder);
  writeProductValue(run, "Product", run.config.productName);
}

void writeMainExecutable(InstallRun& run) {
  if (!run.config.runWithUninstall) return;
  const FileEntry* main = fileAt(run.config, run.config.mainExecutable);
  if (!main) {
    run.result.add(FailureKind::ScriptInvalid, "Main executable");
    return;
  }
  writeProductValue(run, "Main executable", fullPath(*main));
}

namespace {
// Empty without a product name: the key would be the list of all installed programs.
std::string uninstallKey(const InstallRun& run) {
  return run.config.productName.empty() ? std::string()
                                        : kUninstallListKey + run.config.productName;
}
}  // namespace

void recordUninstallKey(InstallRun& run) {
  if (!uninstallKey(run).empty()) recordKey(run, uninstallKey(run));
}

void writeUninstallEntry(InstallRun& run) {
  const std::string key = uninstallKey(run);
  if (key.empty()) return;
  writeKeyValue(run, key, "DisplayName", run.config.productName);
  const FileEntry* uninstaller = fileAt(run.config, fileCount(run.config) - 1);
  if (!uninstaller) {
    run.result.add(FailureKind::ScriptInvalid, "UninstallString");
    return;
  }
  writeKeyValue(run, key, "UninstallString",
                quotedPath(fullPath(*uninstaller)) + " " + run.config.registryKey);
}

namespace {
// The type's open command: the quoted main program path and one space precede `openCommand`
// unless `openCommandFile` is negative.
std::string openCommand(InstallRun& run, const FileTypeEntry& type) {
  if (type.openCommandFile < 0) return type.openCommand;
  const FileEntry* main = fileAt(run.config, run.config.mainExecutable);
  if (!main) {
    run.result.add(FailureKind::ScriptInvalid, "Main executable");
    return type.openCommand;
  }
  return quotedPath(fullPath(*main)) + " " + type.openCommand;
}

void registerIcon(InstallRun& run, const FileTypeEntry& type, const std::string& classKey) {
  const int fileNumber = type.icon & 0xFFFF;  // counted from 1; 0: no icon
  if (fileNumber == 0) return;
  const FileEntry* file = fileAt(run.config, fileNumber - 1);
  if (!file) {
    run.result.add(FailureKind::ScriptInvalid, "Icon of " + type.name);
    return;
  }
  const int index = std::int16_t(std::uint32_t(type.icon) >> 16);
  writeKeyValue(run, classKey + "\\DefaultIcon", "", fullPath(*file) + "," + std::to_string(index));
}

void registerExtensions(InstallRun& run, const FileTypeEntry& type) {
  std::size_t start = 0;
  while (start <= type.extensions.size()) {
    std::size_t space = type.extensions.find(' ', start);
    if (space == std::string::npos) space = type.extensions.size();
    const std::string extension = type.extensions.substr(start, space - start);
    start = space + 1;
    // An empty extension would name the classes key itself.
    if (extension.empty()) continue;
    writeKeyValue(run, kClassesKey + extension, "", type.name);
    recordKey(run, kClassesKey + extension);
  }
}

void registerFileType(InstallRun& run, const FileTypeEntry& type) {
  // An empty class name would name the classes key itself.
  if (type.name.empty()) return;
  const std::string classKey = kClassesKey + type.name;
  recordKey(run, classKey);
  writeKeyValue(run, classKey + "\\shell\\open\\command", "", openCommand(run, type));
  registerIcon(run, type, classKey);
  writeKeyValue(run, classKey, "", type.description);
  registerExtensions(run, type);
}
}  // namespace

void registerFileTypes(InstallRun& run) {
  for (int i = 0; i < fileTypeCount(run.config); ++i) registerFileType(run, *fileTypeAt(run.config, i));
}

void recordProductKey(InstallRun& run) { recordKey(run, run.config.registryKey); }
