// Console stand-in for message boxes: the text on standard error, no waiting. Registry, file,
// shell and process operations fail cleanly: the install steps never run on it (on the host
// they are driven through a test's recording double).
#include "os/console_os_services.h"

#include <cstdio>

#include "os/failing_os_services.h"

namespace {

class ConsoleOsServices : public FailingOsServices {
 public:
  int messageBox(const std::string& text, const std::string& caption, unsigned style) override {
    std::fprintf(stderr, "[%s]\n%s\n", caption.c_str(), text.c_str());
    std::fflush(stderr);
    return (style & 0xF) == osbox::kYesNo ? osbox::kIdYes : osbox::kIdOk;
  }
  void beep(unsigned) override {}
  std::string oemToAnsi(const std::string& text) override { return text; }
};

}  // namespace

OsServices& consoleOsServices() {
  static ConsoleOsServices services;
  return services;
}
