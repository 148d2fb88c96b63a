// Fatal and non-fatal run-time error reports: log entry, message box, exit.
#include "foundation/error_report.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "os/os_services.h"

const char* const kSupportAddress = "support@ovix-setup.org";

namespace {

// Set while a report is handled; stays set when a fatal report ends the program, so a report
// made during that exit is recognised as a second failure.
bool reporting = false;

constexpr unsigned kBoxStyle = osbox::kIconStop | osbox::kTaskModal | osbox::kSetForeground;

void appendToLog(const char* message) {
  std::time_t now = std::time(nullptr);
  std::FILE* log = std::fopen("error.lst", "a");
  if (!log) return;  // a read-only folder loses the entry; the box still shows
  const char* date = std::ctime(&now);
  std::fputs(date ? date : "\n", log);
  std::fputs(message, log);
  std::fputs("\n", log);
  std::fflush(log);
  std::fputs("\n", log);
  std::fflush(log);
  std::fclose(log);
}

}  // namespace

void runError(const char* module, int line, const char* text, bool fatal) {
  // A message longer than the buffer is cut at its end; snprintf never writes past it.
  char buffer[1000];
  std::snprintf(buffer, sizeof buffer, "File %s, line %d:\n%s\nPlease report to %s",
                module ? module : "", line, text ? text : "", kSupportAddress);
  reportError(buffer, fatal);
}

void reportError(const char* message, bool fatal) {
  if (!message) message = "";
  appendToLog(message);

  OsServices& os = osServices();
  std::string shown = os.oemToAnsi(message);

  if (reporting) {
    os.beep(0);
    os.messageBox(shown + "\nApplication will be terminated.", "Critical run-time error!",
                  kBoxStyle | osbox::kOk);
    // Ends the process at once with abort's exit code 3, running no destructors or exit
    // handlers. _Exit rather than abort: the runtime's abort shows a second box of its own
    // in a windowed program, and on the host it would end by signal instead of with code 3.
    std::_Exit(3);
  }
  reporting = true;
  os.beep(0);

  if (fatal) {
    os.messageBox(shown + "\nApplication will be closed.", "Run-time error", kBoxStyle | osbox::kOk);
    std::exit(1);
  }
  int answer = os.messageBox(shown + "\nClose application?", "Run-time error",
                             kBoxStyle | osbox::kYesNo);
  if (answer == osbox::kIdYes) std::exit(1);
  reporting = false;
}
