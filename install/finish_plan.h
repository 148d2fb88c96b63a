// The finishing sequence of an install run, worked out apart from the dialog: once the timer
// has seen installDone set, planFinish says what to run and what to show, and the two run...
// functions carry it out before and after the dialog ends.
#pragma once

#include <string>
#include <vector>

#include "install/install_model.h"
#include "install/install_result.h"
#include "install/run_state.h"
#include "os/os_services.h"

// Exit code of the installer process when the run had failures.
constexpr int kInstallFailedExitCode = 2;

struct FinishPlan {
  std::string installCommand;  // run and waited for before the dialog ends; empty: none
  std::string startCommand;    // started in installFolder after the dialog ends; empty: none
  std::string readmePath;      // opened after the dialog ends; empty: none
  bool showCompletion = false; // show the catalog's completion text
  std::string failureText;     // non-empty: show this error instead of the completion text
  int exitCode = 0;
};

// `rowTicked` holds the ticks of the dialog's option rows (offered options only, in bit order);
// `languageName` is the selected interface language's display name. After a run with failures
// nothing is started or opened and the failures are reported.
FinishPlan planFinish(const InstallConfig& config, const RunState& state,
                      const std::vector<bool>& rowTicked, const std::string& languageName,
                      const InstallResult& result);

// The main program's installation step, while the dialog is still up.
void runBeforeClose(OsServices& os, const FinishPlan& plan, const RunState& state);
// Starting the main program and opening the readme, once the dialog has ended.
void runAfterClose(OsServices& os, const FinishPlan& plan, const RunState& state, void* window);
