// Working out and carrying out the finishing actions of an install run.
#include "install/finish_plan.h"

#include "install/command_line.h"

namespace {
bool ticked(const std::vector<bool>& rows, int row) {
  return row >= 0 && std::size_t(row) < rows.size() && rows[std::size_t(row)];
}
}  // namespace

FinishPlan planFinish(const InstallConfig& config, const RunState& state,
                      const std::vector<bool>& rowTicked, const std::string& languageName,
                      const InstallResult& result) {
  FinishPlan plan;
  if (!result.succeeded()) {
    plan.failureText = describeFailures(result);
    plan.exitCode = kInstallFailedExitCode;
    return plan;
  }
  const int options = config.advancedOptions;
  int row = (options & kOptionDesktop ? 1 : 0) + (options & kOptionStartup ? 1 : 0);
  const FileEntry* main = fileAt(config, config.mainExecutable);
  const std::string mainPath = main ? quotedPath(state.installFolder + main->createName) : "";

  if (config.runWithInstall && main)
    plan.installCommand = mainPath + " /install \"" + languageName + "\"";
  if (options & kOptionExec) {
    if (ticked(rowTicked, row) && main) plan.startCommand = mainPath;
    ++row;
  }
  const FileEntry* readme = fileAt(config, config.readmeFile);
  if (options & kOptionReadme && ticked(rowTicked, row) && readme)
    plan.readmePath = state.installFolder + readme->createName;
  plan.showCompletion = plan.startCommand.empty();
  return plan;
}

void runBeforeClose(OsServices& os, const FinishPlan& plan, const RunState&) {
  if (!plan.installCommand.empty()) os.runAndWait(plan.installCommand);
}

void runAfterClose(OsServices& os, const FinishPlan& plan, const RunState& state, void* window) {
  if (!plan.startCommand.empty()) os.startProgram(state.installFolder, plan.startCommand);
  if (!plan.readmePath.empty()) os.openDocument(plan.readmePath, window);
}
