// The fatal report for exceptions that reached a Win32 callback.
#include <cstdlib>
#include <exception>
#include <string>

#include "foundation/error_report.h"
#include "ui/win/callback_guard.h"

namespace win {

void reportCallbackException(const char* what) {
  std::string message = std::string("Unhandled exception in a window procedure: ") + what;
  reportError(message.c_str(), true);
  std::abort();  // a fatal report does not return; this only satisfies [[noreturn]]
}

}  // namespace win
