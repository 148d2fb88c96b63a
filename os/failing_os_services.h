// A base for OS services that offer no registry, files, shell or processes: every such
// operation fails cleanly. The console stand-in and test doubles that only care about message
// boxes derive from it and supply the message-box operations.
#pragma once

#include "os/os_services.h"

class FailingOsServices : public OsServices {
 public:
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
