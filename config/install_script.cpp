// Reading Ovix.ini into InstallConfig in the installer's order.
#include "config/install_script.h"

#include <cstdio>

#include "config/ini_file.h"
#include "config/script_keys.h"

std::string fileTypePrefix(int index) {
  char prefix[32];
  std::snprintf(prefix, sizeof prefix, script::kFileTypePrefix, index);
  return prefix;
}

std::string fileSection(int index) { return std::to_string(index); }

namespace {

FileTypeEntry readFileType(const TIniFile& ini, int index) {
  const std::string prefix = fileTypePrefix(index);
  auto text = [&](const char* key) {
    return std::string(ini.readString(script::kGeneral, (prefix + key).c_str(), ""));
  };
  auto number = [&](const char* key) {
    return ini.readInt(script::kGeneral, (prefix + key).c_str(), 0);
  };
  FileTypeEntry type;
  type.description = text(script::kTypeDescription);
  type.name = text(script::kTypeName);
  type.extensions = text(script::kTypeExtensions);
  type.icon = number(script::kTypeIcon);
  type.openCommand = text(script::kTypeOpenCommand);
  type.openCommandFile = number(script::kTypeOpenCommandFile);
  return type;
}

FileEntry readFile(const TIniFile& ini, int index) {
  const std::string section = fileSection(index);
  const char* s = section.c_str();
  FileEntry file;
  file.name = ini.readString(s, script::kFileEntryName, "");
  file.createName = ini.readString(s, script::kFileCreateName, "");
  file.shortcutName = ini.readString(s, script::kFileShortcutName, "");
  file.arguments = ini.readString(s, script::kFileArguments, "");
  file.toWindowsFolder = ini.readInt(s, script::kFileToWindowsFolder, 0);
  file.toSystemFolder = ini.readInt(s, script::kFileToSystemFolder, 0);
  file.canUninstall = ini.readInt(s, script::kFileCanUninstall, 0);
  return file;
}

// The lists hold at most as many records as a collection can (65535): a count written far
// beyond what any package holds would otherwise exhaust memory or never finish.
constexpr int kMaxListCount = 65535;

int listCount(const TIniFile& ini, const char* key) {
  int count = ini.readInt(script::kGeneral, key, 0);
  return count < kMaxListCount ? count : kMaxListCount;
}

}  // namespace

std::string readInstallConfig(const TIniFile& ini, InstallConfig* config) {
  const char* g = script::kGeneral;
  std::string title = ini.readString(g, script::kTitle, script::kDefaultTitle);

  InstallConfig read;
  read.productName = ini.readString(g, script::kProductName, "");
  read.copyright = ini.readString(g, script::kCopyright, "");
  read.registryKey = ini.readString(g, script::kRegistryKey, "");
  read.defaultFolder = ini.readString(g, script::kDefaultFolder, "");
  read.defaultProgramFolder = ini.readString(g, script::kDefaultProgramFolder, "");
  read.mainExecutable = ini.readInt(g, script::kMainExecutable, 0);
  read.readmeFile = ini.readInt(g, script::kReadme, 0);
  read.runWithInstall = ini.readInt(g, script::kRunWithInstall, 0);
  read.runWithUninstall = ini.readInt(g, script::kRunWithUninstall, 0);
  read.advancedOptions = ini.readInt(g, script::kAdvancedOptions, 0);
  read.advancedOptionsDefault = ini.readInt(g, script::kAdvancedOptionsDefault, 0);

  const int types = listCount(ini, script::kNumberOfFileTypes);
  for (int i = 0; i < types; ++i) read.fileTypes.push_back(readFileType(ini, i));

  const int files = listCount(ini, script::kNumberOfFiles);
  for (int i = 0; i < files; ++i) read.files.push_back(readFile(ini, i));

  *config = std::move(read);
  return title;
}

std::string readInstallConfigText(const char* text, InstallConfig* config) {
  TIniFile ini;
  ini.load(text ? text : "");
  return readInstallConfig(ini, config);
}
