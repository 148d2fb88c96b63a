// Writing the numbered values of the removal record into the product key.
#include "install/removal_record.h"

#include "install/registry.h"

namespace {
void record(InstallRun& run, int& counter, const char* suffix, const std::string& data) {
  if (run.config.registryKey.empty()) return;  // no product key to hold a record
  writeProductValue(run, std::to_string(counter) + suffix, data);
  ++counter;
}
}  // namespace

void recordFolder(InstallRun& run, const std::string& folder) {
  record(run, run.state.folderRecordCounter, ".folder", folder);
}

void recordFile(InstallRun& run, const std::string& path) {
  record(run, run.fileRecordCounter, ".file", path);
}

void recordKey(InstallRun& run, const std::string& keyPath) {
  record(run, run.keyRecordCounter, ".regkey", keyPath);
}
