// The fourteen steps of the install run, in order.
#include "install/install_worker.h"

#include "install/file_step.h"
#include "install/folders.h"
#include "install/registry.h"
#include "install/registry_steps.h"
#include "install/removal_record.h"
#include "install/shortcuts.h"

int progressAfterFile(int i, int n) {
  return n <= 0 ? 100 : int(100LL * (i + 1) / n);
}

namespace {
void installFiles(InstallRun& run) {
  const int n = fileCount(run.config);
  for (int i = 0; i < n; ++i) {
    FileEntry& file = *fileAt(run.config, i);
    installFile(run, file);
    run.state.progressPercent = progressAfterFile(i, n);
    makeGroupShortcut(run, file);
  }
  run.state.progressPercent = 100;
}
}  // namespace

void runInstallSteps(InstallRun& run) {
  makeInstallFolder(run);                                            // 1
  writeProductKey(run);                                              // 2
  makeProgramGroup(run);                                             // 3
  const bool com = run.os.initComForThread();                        // 4
  installFiles(run);                                                 // 5
  writeMainExecutable(run);                                          // 6
  if (run.state.desktopShortcut) makeMainShortcut(run, ShellFolder::Desktop);  // 7
  if (run.state.startupShortcut) makeMainShortcut(run, ShellFolder::Startup);  // 8
  recordUninstallKey(run);                                           // 9
  closeProductKey(run);                                              // 10
  writeUninstallEntry(run);                                          // 11
  registerFileTypes(run);                                            // 12
  recordProductKey(run);                                             // 13
  if (com) run.os.endComForThread();
  run.os.setEvent(run.state.installDone);                            // 14
}

unsigned InstallWorker(void* run) {
  runInstallSteps(*static_cast<InstallRun*>(run));
  return 0;
}
