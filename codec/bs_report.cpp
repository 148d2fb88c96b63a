// Routes the codec's failures to the one fatal report path of the foundation library.
#include "codec/bs_report.h"

#include <cstdlib>

#include "foundation/error_report.h"

void bsReport(int line, const char* text) {
  runError("compress", line, text, true);
  std::abort();  // a fatal report does not return; this only satisfies [[noreturn]]
}
