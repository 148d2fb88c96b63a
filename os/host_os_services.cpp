// Console stand-in for the OS services on the Linux host, where no Win32 user interface
// exists: a message box goes to standard error and answers as if its first button was chosen.
#include <cstdio>

#include "os/os_services.h"

namespace {

class HostOsServices : public OsServices {
 public:
  int messageBox(const std::string& text, const std::string& caption, unsigned style) override {
    std::fprintf(stderr, "[%s]\n%s\n", caption.c_str(), text.c_str());
    return (style & 0xF) == osbox::kYesNo ? osbox::kIdYes : osbox::kIdOk;
  }
  void beep(unsigned) override {}
  std::string oemToAnsi(const std::string& text) override { return text; }
};

}  // namespace

OsServices& platformOsServices() {
  static HostOsServices services;
  return services;
}
