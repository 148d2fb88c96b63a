// The OS services on Windows: thin calls into the Win32 API.
#include <windows.h>

#include "os/os_services.h"

namespace {

class Win32OsServices : public OsServices {
 public:
  int messageBox(const std::string& text, const std::string& caption, unsigned style) override {
    return MessageBoxA(nullptr, text.c_str(), caption.c_str(), style);
  }
  void beep(unsigned type) override { MessageBeep(type); }
  std::string oemToAnsi(const std::string& text) override {
    std::string converted(text);
    if (!converted.empty()) OemToCharBuffA(text.data(), &converted[0], DWORD(text.size()));
    return converted;
  }
};

}  // namespace

OsServices& platformOsServices() {
  static Win32OsServices services;
  return services;
}
