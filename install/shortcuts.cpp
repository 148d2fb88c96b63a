// Program group, group shortcuts, desktop and Startup shortcuts.
#include "install/shortcuts.h"

#include "install/folders.h"
#include "install/registry.h"
#include "install/removal_record.h"

long CreateShortcut(InstallRun& run, const std::string& target, const std::string& workingFolder,
                    const std::string& linkPath, const std::string& description,
                    const std::string& arguments) {
  const std::string linkFile = linkPath + ".lnk";
  long result =
      run.os.createShellLink(linkFile, ShellLink{target, workingFolder, description, arguments});
  if (result < 0) run.result.add(FailureKind::ShortcutNotSaved, linkFile);
  return result;
}

void makeProgramGroup(InstallRun& run) {
  const std::string programs = run.os.shellFolderPath(ShellFolder::Programs);
  if (programs.empty()) {
    // Without the Programs folder the group would land at the root of the current drive.
    run.result.add(FailureKind::FolderUnknown, "Programs");
    return;
  }
  run.state.programGroup = programs + "\\" + withTrailingBackslash(run.state.programGroup);
  run.groupReady = true;
  CreateFolderPath(run, run.state.programGroup);
  writeProductValue(run, "Program folder", run.state.programGroup);
}

void makeGroupShortcut(InstallRun& run, const FileEntry& file) {
  if (file.shortcutName.empty() || !run.groupReady) return;
  const std::string linkPath = run.state.programGroup + file.shortcutName;
  CreateShortcut(run, fullPath(file), run.state.installFolder, linkPath, file.shortcutName,
                 file.arguments);
  recordFile(run, linkPath + ".lnk");  // recorded whether or not the link was saved
}

void makeMainShortcut(InstallRun& run, ShellFolder folder) {
  const FileEntry* main = fileAt(run.config, run.config.mainExecutable);
  if (!main) {
    run.result.add(FailureKind::ScriptInvalid, "Main executable");
    return;
  }
  const std::string place = run.os.shellFolderPath(folder);
  if (place.empty()) {
    run.result.add(FailureKind::FolderUnknown, folder == ShellFolder::Desktop ? "Desktop" : "Startup");
    return;
  }
  const std::string name = "\\" + main->shortcutName;
  CreateShortcut(run, fullPath(*main), run.state.installFolder, place + name, name,
                 main->arguments);
  recordFile(run, place + name + ".lnk");
}
