// Folder creation and target folders of the install run.
#include "install/folders.h"

#include "install/removal_record.h"

int CreateFolderPath(InstallRun& run, const std::string& path) {
  std::string copy = path;
  for (std::size_t p = 0; p < copy.size(); ++p) {
    if (copy[p] != '\\' && copy[p] != '/') continue;
    copy[p] = '\\';
    std::string folder = copy.substr(0, p);
    if (!folder.empty() && run.os.createFolder(folder) == FolderOutcome::Created)
      recordFolder(run, folder);
  }
  return 1;
}

std::string withTrailingBackslash(const std::string& path) {
  return !path.empty() && path.back() == '\\' ? path : path + "\\";
}

void makeInstallFolder(InstallRun& run) {
  run.state.installFolder = withTrailingBackslash(run.state.installFolder);
  CreateFolderPath(run, run.state.installFolder);
}

bool chooseTargetFolder(InstallRun& run, FileEntry& file) {
  if (!file.toWindowsFolder && !file.toSystemFolder) {
    file.targetFolder = run.state.installFolder;
    return true;
  }
  std::string folder = file.toWindowsFolder ? run.os.windowsFolder() : run.os.systemFolder();
  // An unknown folder would put the file at the root of the current drive.
  file.targetFolder = folder.empty() ? std::string() : folder + "\\";
  if (folder.empty()) {
    run.result.add(FailureKind::FolderUnknown, file.createName);
    return false;
  }
  return true;
}
