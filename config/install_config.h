// The setup-script model: what the package's Ovix.ini says about the product, its files and
// its file types. Filled once from the script; afterwards only the install run writes it
// (each file's targetFolder).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One registered file type; its keys lie in section General with the prefix "File type N.".
struct FileTypeEntry {
  std::string description;
  std::string name;         // class name below SOFTWARE\Classes
  std::string openCommand;
  std::int32_t openCommandFile = 0;  // >= 0: the main program's path and a space come first
  std::string extensions;   // separated by single spaces, each with its leading full stop
  std::int32_t icon = 0;    // low 16 bits: 1-based file number (0: none); high 16 bits: index
};

// One file to install; its keys lie in the section named by its number ([0], [1], ...).
struct FileEntry {
  std::string targetFolder;  // set by the install run, ends with a backslash
  std::string name;          // the archive entry holding the contents
  std::string createName;    // path relative to the target folder
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

// The optional components, as bits of advancedOptions and advancedOptionsDefault, in the
// order of the dialog's options list; `key` names the option's text in a catalog's "Options".
struct InstallOption {
  std::int32_t bit;
  const char* key;
};
constexpr InstallOption kInstallOptions[] = {
    {1, "desktop"}, {2, "startup"}, {4, "exec"}, {8, "readme"}};
constexpr std::int32_t kOptionDesktop = 1;
constexpr std::int32_t kOptionStartup = 2;
constexpr std::int32_t kOptionExec = 4;
constexpr std::int32_t kOptionReadme = 8;
