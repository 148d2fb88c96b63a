// Extracting and writing one product file.
#include "install/file_step.h"

#include "install/folders.h"
#include "install/removal_record.h"

bool installFile(InstallRun& run, FileEntry& file) {
  if (!chooseTargetFolder(run, file)) return false;
  const std::string path = fullPath(file);
  CreateFolderPath(run, path);

  EntryData entry = run.entries.read(file.name);
  if (entry.status != EntryStatus::Ok) {
    run.result.add(entry.status == EntryStatus::Missing ? FailureKind::EntryMissing
                                                        : FailureKind::EntryDamaged,
                   file.name);
    return false;
  }
  if (!run.os.writeWholeFile(path, entry.data.get(), entry.size)) {
    run.result.add(FailureKind::FileNotWritten, path);
    return false;
  }
  entry.data.reset();  // one entry's buffer at a time
  run.os.setNormalAttributes(path);
  if (file.canUninstall) recordFile(run, path);
  return true;
}
