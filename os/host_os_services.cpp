// Stand-in for the OS services on the Linux host, where no Win32 system exists: a message box
// goes to standard error and answers as if its first button was chosen; every registry, file,
// shell and process operation fails cleanly. On the host the install steps run only against a
// test's recording double.
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

OsServices& platformOsServices() {
  static HostOsServices services;
  return services;
}
