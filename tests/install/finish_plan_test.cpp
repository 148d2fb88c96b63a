// The finishing actions after the worker has set installDone, worked out without the dialog.
#include <gtest/gtest.h>

#include "install/finish_plan.h"
#include "tests/install/example_package.h"

namespace {
struct Finish {
  Finish() {
    state.installFolder = "C:\\Program Files\\Prod\\";
    config.readmeFile = 1;
  }
  FinishPlan plan(const std::vector<bool>& ticks, const std::string& language = "English") {
    return planFinish(config, state, ticks, language, result);
  }
  InstallConfig config = examplePackage();
  RunState state;
  InstallResult result;
};
}  // namespace

TEST(FinishPlan, OptionRowsFollowTheOfferedOptions) {
  struct Case {
    int options;
    std::vector<bool> ticks;
    bool started, readmeOpened;
  };
  const Case cases[] = {
      {12, {true, false}, true, false},   // exec row 0, readme row 1
      {12, {false, true}, false, true},
      {15, {false, false, true, false}, true, false},  // exec row 2, readme row 3
      {15, {true, true, false, true}, false, true},
      {9, {false, true}, false, true},    // desktop row 0, readme row 1
      {4, {}, false, false},              // fewer ticks than rows: not ticked
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.options);
    Finish finish;
    finish.config.advancedOptions = c.options;
    FinishPlan plan = finish.plan(c.ticks);
    EXPECT_EQ(plan.startCommand, c.started ? "\"C:\\Program Files\\Prod\\prod.exe\"" : "");
    EXPECT_EQ(plan.readmePath, c.readmeOpened ? "C:\\Program Files\\Prod\\doc\\readme.txt" : "");
    EXPECT_EQ(plan.showCompletion, !c.started);  // also shown when the readme opens
    EXPECT_EQ(plan.exitCode, 0);
  }
}

TEST(FinishPlan, InstallStepCommandQuotesTheProgramAndTheLanguage) {
  Finish finish;
  finish.config.runWithInstall = 1;
  EXPECT_EQ(finish.plan({}).installCommand,
            "\"C:\\Program Files\\Prod\\prod.exe\" /install \"English\"");
  finish.config.runWithInstall = 0;
  EXPECT_EQ(finish.plan({}).installCommand, "");
}

TEST(FinishPlan, LongInstallCommandIsKeptWhole) {
  Finish finish;
  finish.config.runWithInstall = 1;
  finish.state.installFolder = "C:\\" + std::string(3000, 'p') + "\\";
  RecordingOs os;
  FinishPlan plan = finish.plan({});
  runBeforeClose(os, plan, finish.state);
  ASSERT_EQ(os.calls.size(), 1u);
  EXPECT_EQ(os.calls[0], "run " + plan.installCommand);
  EXPECT_GT(plan.installCommand.size(), 3000u + 20u);
}

TEST(FinishPlan, FailuresAreReportedAndNothingIsStarted) {
  Finish finish;
  finish.config.advancedOptions = 12;
  finish.config.runWithInstall = 1;
  finish.result.add(FailureKind::FileNotWritten, "C:\\Program Files\\Prod\\prod.exe");
  finish.result.add(FailureKind::EntryDamaged, "readme.txt");
  FinishPlan plan = finish.plan({true, true});
  EXPECT_EQ(plan.failureText,
            "C:\\Program Files\\Prod\\prod.exe: could not be written\n"
            "readme.txt: damaged in the package (checksum error or unreadable)\n");
  EXPECT_EQ(plan.exitCode, kInstallFailedExitCode);
  EXPECT_FALSE(plan.showCompletion);
  RecordingOs os;
  runBeforeClose(os, plan, finish.state);
  runAfterClose(os, plan, finish.state, nullptr);
  EXPECT_TRUE(os.calls.empty());
}

TEST(FinishPlan, AfterCloseStartsTheProgramInTheInstallFolderThenOpensTheReadme) {
  Finish finish;
  finish.config.advancedOptions = 12;
  RecordingOs os;
  runAfterClose(os, finish.plan({true, true}), finish.state, nullptr);
  EXPECT_EQ(os.calls, (std::vector<std::string>{
                          "start \"C:\\Program Files\\Prod\\prod.exe\" in C:\\Program Files\\Prod\\",
                          "open document C:\\Program Files\\Prod\\doc\\readme.txt"}));
}
