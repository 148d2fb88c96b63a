// Fatal reports inside a fuzz target: the report's message box throws FatalReport, which
// unwinds through the code under test back to the target, so a report ends one input
// instead of the fuzzer. The report is still logged first (to "error.lst" of the current
// folder, which the fuzz tests discard). After the first report the error path takes its
// "second failure" branch, which also ends in the throwing box.
#pragma once

#include <string>

#include "os/failing_os_services.h"

struct FatalReport {
  std::string text;
};

class ThrowingOs : public FailingOsServices {
 public:
  int messageBox(const std::string& text, const std::string&, unsigned) override {
    throw FatalReport{text};
  }
  void beep(unsigned) override {}
  std::string oemToAnsi(const std::string& text) override { return text; }
};

// Installs the throwing services once for the whole process.
inline void installThrowingReports() {
  static ThrowingOs services;
  static bool installed = (setOsServices(&services), true);
  (void)installed;
}

// Runs `body`; true when it finished, false when it ended in a fatal report.
template <typename Body>
bool runCatchingReports(Body body) {
  installThrowingReports();
  try {
    body();
    return true;
  } catch (const FatalReport&) {
    return false;
  }
}
