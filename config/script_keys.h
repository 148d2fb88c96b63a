// The sections and keys of the setup script Ovix.ini, written exactly as the script's
// author writes them (letter case, inner spaces and apostrophes matter).
#pragma once

namespace script {

constexpr const char* kScriptName = "Ovix.ini";
constexpr const char* kGeneral = "General";

constexpr const char* kTitle = "Title";
constexpr const char* kDefaultTitle = "Quorin Ltd";

constexpr const char* kProductName = "Product name";
constexpr const char* kCopyright = "Copyright";
constexpr const char* kRegistryKey = "Registry key";
constexpr const char* kDefaultFolder = "Default folder";
constexpr const char* kDefaultProgramFolder = "Default program folder";
constexpr const char* kMainExecutable = "Main executable";
constexpr const char* kReadme = "Readme";
constexpr const char* kRunWithInstall = "Run with '/install'";
constexpr const char* kRunWithUninstall = "Run with '/uninstall'";
constexpr const char* kAdvancedOptions = "Advanced options";
constexpr const char* kAdvancedOptionsDefault = "Advanced options def";

// File types: section General, keys "File type N." followed by these.
constexpr const char* kNumberOfFileTypes = "Number of file types";
constexpr const char* kFileTypePrefix = "File type %d.";
constexpr const char* kTypeDescription = "Description";
constexpr const char* kTypeName = "Name";
constexpr const char* kTypeExtensions = "Extensions";
constexpr const char* kTypeIcon = "Icon";
constexpr const char* kTypeOpenCommand = "Open command";
constexpr const char* kTypeOpenCommandFile = "Open command file";

// Files: section "N" in decimal.
constexpr const char* kNumberOfFiles = "Number of files";
constexpr const char* kFileEntryName = "Name";
constexpr const char* kFileCreateName = "Create name";
constexpr const char* kFileShortcutName = "Shortcut name";
constexpr const char* kFileArguments = "Arguments";
constexpr const char* kFileToWindowsFolder = "To windows folder";
constexpr const char* kFileToSystemFolder = "To system folder";
constexpr const char* kFileCanUninstall = "Can uninstall";

}  // namespace script
