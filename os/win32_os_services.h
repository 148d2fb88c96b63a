// The Win32 implementation of the OS seam. Its operations are defined by area in
// win32_os_services.cpp (boxes, events, processes), win32_registry_files.cpp and win32_shell.cpp.
#pragma once

#include "os/os_services.h"

class Win32OsServices : public OsServices {
 public:
  int messageBox(const std::string& text, const std::string& caption, unsigned style) override;
  void beep(unsigned type) override;
  std::string oemToAnsi(const std::string& text) override;

  OsKey openKey(const std::string& subKey) override;
  bool setStringValue(OsKey key, const std::string& name, const std::string& text) override;
  void closeKey(OsKey key) override;

  FolderOutcome createFolder(const std::string& path) override;
  std::string windowsFolder() override;
  std::string systemFolder() override;
  std::string shellFolderPath(ShellFolder folder) override;

  bool writeWholeFile(const std::string& path, const void* data, std::size_t size) override;
  bool setNormalAttributes(const std::string& path) override;

  bool initComForThread() override;
  void endComForThread() override;
  long createShellLink(const std::string& linkFile, const ShellLink& link) override;

  bool runAndWait(const std::string& commandLine) override;
  bool startProgram(const std::string& folder, const std::string& commandLine) override;
  bool openDocument(const std::string& path, void* window) override;

  OsEvent createEvent() override;
  void setEvent(OsEvent event) override;
  void resetEvent(OsEvent event) override;
  bool testEvent(OsEvent event) override;
};
