// The setup-script model the install run reads. Stand-in until the configuration's own model
// lands; the install steps reach the lists only through install_model.h.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct FileTypeEntry {
  std::string description;
  std::string name;
  std::string openCommand;
  std::int32_t openCommandFile = 0;
  std::string extensions;
  std::int32_t icon = 0;
};

struct FileEntry {
  std::string targetFolder;
  std::string name;
  std::string createName;
  std::string shortcutName;
  std::string arguments;
  std::int32_t toWindowsFolder = 0;
  std::int32_t toSystemFolder = 0;
  std::int32_t canUninstall = 0;
};

struct InstallConfig {
  std::string productName;
  std::string copyright;
  std::string registryKey;
  std::string defaultFolder;
  std::string defaultProgramFolder;
  std::int32_t mainExecutable = 0;
  std::int32_t readmeFile = 0;
  std::int32_t runWithInstall = 0;
  std::int32_t runWithUninstall = 0;
  std::int32_t advancedOptions = 0;
  std::int32_t advancedOptionsDefault = 0;
  std::vector<FileTypeEntry> fileTypes;
  std::vector<FileEntry> files;
};
