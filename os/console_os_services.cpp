// Console stand-in for the OS services: message boxes on standard error, no waiting; every
// registry, file, shell and process operation fails cleanly. The install steps never run on
// it: on the host they are driven through a test's recording double.
#include "os/console_os_services.h"

#include <cstdio>

namespace {

class ConsoleOsServices : public OsServices {
 public:
  int messageBox(const std::string& text, const std::string& caption, unsigned style) override {
    std::fprintf(stderr, "[%s]\n%s\n", caption.c_str(), text.c_str());
    std::fflush(stderr);
    return (style & 0xF) == osbox::kYesNo ? osbox::kIdYes : osbox::kIdOk;
  }
  void beep(unsigned) override {}
  std::string oemToAnsi(const std::string& text) override { return text; }

  OsKey openKey(const std::string&) override { return nullptr; }
  bool setStringValue(OsKey, const std::string&, const std::string&) override { return false; }
  void closeKey(OsKey) override {}
  FolderOutcome createFolder(const std::string&) override { return FolderOutcome::Failed; }
  std::string windowsFolder() override { return {}; }
  std::string systemFolder() override { return {}; }
  std::string shellFolderPath(ShellFolder) override { return {}; }
  bool writeWholeFile(const std::string&, const void*, std::size_t) override { return false; }
  bool setNormalAttributes(const std::string&) override { return false; }
  bool initComForThread() override { return false; }
  void endComForThread() override {}
  long createShellLink(const std::string&, const ShellLink&) override { return -1; }
  bool runAndWait(const std::string&) override { return false; }
  bool startProgram(const std::string&, const std::string&) override { return false; }
  bool openDocument(const std::string&, void*) override { return false; }
  OsEvent createEvent() override { return nullptr; }
  void setEvent(OsEvent) override {}
  void resetEvent(OsEvent) override {}
  bool testEvent(OsEvent) override { return false; }
};

}  // namespace

OsServices& consoleOsServices() {
  static ConsoleOsServices services;
  return services;
}
