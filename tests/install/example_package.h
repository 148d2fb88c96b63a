// A small package shared by the install-run tests: a main program with a group shortcut, a
// readme, and the uninstaller last; one file type with two extensions and an icon.
#pragma once

#include "config/install_config.h"
#include "install/install_worker.h"
#include "tests/support/recording_os.h"
#include "tests/support/memory_entries.h"

inline FileEntry exampleFile(const std::string& name, const std::string& createName,
                             int canUninstall, const std::string& shortcutName = "",
                             const std::string& arguments = "") {
  FileEntry file;
  file.name = name;
  file.createName = createName;
  file.canUninstall = canUninstall;
  file.shortcutName = shortcutName;
  file.arguments = arguments;
  return file;
}

inline InstallConfig examplePackage() {
  InstallConfig config;
  config.productName = "Prod";
  config.registryKey = "SOFTWARE\\Vendor\\Prod";
  config.files = {exampleFile("prod.exe", "prod.exe", 1, "Prod", "-x"),
                  exampleFile("readme.txt", "doc\\readme.txt", 1),
                  exampleFile("uninst.exe", "uninst.exe", 1)};
  FileTypeEntry type;
  type.description = "Prod document";
  type.name = "Prod.Document";
  type.openCommand = "\"%1\"";
  type.openCommandFile = 0;
  type.extensions = ".abc .abd";
  type.icon = 1;  // the first file, icon index 0
  config.fileTypes = {type};
  return config;
}

inline void addExampleEntries(MemoryEntries& entries) {
  entries.entries = {{"prod.exe", "MZ program"}, {"readme.txt", "read me\r\n"},
                     {"uninst.exe", "MZ uninstaller"}};
}

// An install run against the recording double's model machine, where C:\Apps and the Programs
// folder exist.
struct RecordedInstall {
  RecordedInstall() {
    os.folders = {"C:", "C:\\Apps", "C:\\Menu", "C:\\Menu\\Programs", "C:\\Desk", "C:\\Windows",
                  "C:\\Windows\\System32"};
    state.installFolder = "C:\\Apps\\Prod";
    state.programGroup = "Vendor\\Prod";
    state.installDone = os.createEvent();
    os.resetEvent(state.installDone);
  }
  void run() {
    InstallRun install(os, config, state, entries, result);
    runInstallSteps(install);
  }
  std::map<std::string, std::string> productValues() { return os.registry[config.registryKey]; }

  RecordingOs os;
  InstallConfig config = examplePackage();
  RunState state;
  MemoryEntries entries;
  InstallResult result;
};
