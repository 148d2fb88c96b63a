// The checks of `ovixpack check`, in the order: numbers written as words, the product's
// keys, the file list, file types, options, sections beyond the file list, catalogs.
#include "tools/ovixpack/package_check.h"

#include <cstdio>
#include <set>
#include <utility>

#include "config/ini_file.h"
#include "config/ini_values.h"
#include "config/install_script.h"
#include "config/script_keys.h"
#include "tools/ovixpack/package_catalogs.h"
#include "tools/ovixpack/package_source.h"

namespace {

const char* const kGeneral = script::kGeneral;

class Checker {
 public:
  explicit Checker(const PackageSource& package) : package_(package) {}

  std::vector<PackageProblem> run() {
    std::string text;
    if (!package_.read(script::kScriptName, &text)) {
      add(true, "", script::kScriptName, "the package has no setup script");
    } else {
      ini_.load(text.c_str());
      readInstallConfig(ini_, &config_);
      checkNumbers();
      checkProduct();
      checkFiles();
      checkFileTypes();
      checkOptions();
      checkSectionsBeyondFiles();
    }
    checkCatalogs();
    return problems_;
  }

 private:
  // Keeps only the first problem of each key, so every mistake is reported once.
  void add(bool error, const std::string& section, const std::string& key,
           const std::string& text) {
    if (!reported_.insert({section, key}).second) return;
    problems_.push_back({error, section, key, text});
  }

  // The value as the installer reads it; empty when the key is absent.
  std::string value(const std::string& section, const std::string& key) const {
    return ini_.readString(section.c_str(), key.c_str(), "");
  }

  void checkNumber(const std::string& section, const std::string& key) {
    std::string v = value(section, key);
    const char* end = nullptr;
    iniToInt(v.c_str(), &end);
    if (!v.empty() && end == v.c_str())
      add(true, section, key, "\"" + v + "\" is not a number and reads as 0; write numbers (1 for yes)");
  }

  void checkNumbers() {
    for (const char* key : {script::kMainExecutable, script::kReadme, script::kRunWithInstall,
                            script::kRunWithUninstall, script::kAdvancedOptions,
                            script::kAdvancedOptionsDefault, script::kNumberOfFileTypes,
                            script::kNumberOfFiles})
      checkNumber(kGeneral, key);
    for (size_t i = 0; i < config_.fileTypes.size(); ++i)
      for (const char* key : {script::kTypeIcon, script::kTypeOpenCommandFile})
        checkNumber(kGeneral, fileTypePrefix(static_cast<int>(i)) + key);
    for (size_t i = 0; i < config_.files.size(); ++i)
      for (const char* key : {script::kFileToWindowsFolder, script::kFileToSystemFolder,
                              script::kFileCanUninstall})
        checkNumber(fileSection(static_cast<int>(i)), key);
  }

  void checkProduct() {
    if (config_.productName.empty())
      add(true, kGeneral, script::kProductName,
          "is empty: the uninstall entry would be the whole list of installed programs");
    if (config_.registryKey.empty())
      add(true, kGeneral, script::kRegistryKey,
          "is empty: the product key would be the root of HKEY_LOCAL_MACHINE");
  }

  std::string outside(int number) const {
    return std::to_string(number) + " is outside the file list (" +
           std::to_string(config_.files.size()) + " files, numbered from 0)";
  }

  void checkFileNumber(const char* key, int number) {
    if (value(kGeneral, key).empty()) return;  // absent: see checkOptions
    if (number < 0 || number >= static_cast<int>(config_.files.size()))
      add(true, kGeneral, key, outside(number));
  }

  void checkFiles() {
    if (config_.files.empty())
      add(true, kGeneral, script::kNumberOfFiles, "the file list is empty");
    checkFileNumber(script::kMainExecutable, config_.mainExecutable);
    checkFileNumber(script::kReadme, config_.readmeFile);
    for (size_t i = 0; i < config_.files.size(); ++i) {
      const std::string& name = config_.files[i].name;
      std::string section = fileSection(static_cast<int>(i));
      if (name.empty())
        add(true, section, script::kFileEntryName, "is empty: the file has no contents");
      else if (!package_.has(name))
        add(true, section, script::kFileEntryName, "\"" + name + "\" is not a file of the package");
    }
  }

  static bool hasEmptyExtension(const std::string& extensions) {
    return extensions.empty() || extensions.front() == ' ' || extensions.back() == ' ' ||
           extensions.find("  ") != std::string::npos;
  }

  void checkFileTypes() {
    for (size_t i = 0; i < config_.fileTypes.size(); ++i) {
      const FileTypeEntry& type = config_.fileTypes[i];
      std::string prefix = fileTypePrefix(static_cast<int>(i));
      if (type.name.empty())
        add(true, kGeneral, prefix + script::kTypeName,
            "is empty: the type would register the whole classes key");
      if (hasEmptyExtension(type.extensions))
        add(true, kGeneral, prefix + script::kTypeExtensions,
            "\"" + type.extensions +
                "\" holds an empty extension (empty, or leading, trailing or double spaces)");
      int iconFile = type.icon & 0xFFFF;
      if (iconFile > static_cast<int>(config_.files.size()))
        add(true, kGeneral, prefix + script::kTypeIcon,
            "names file " + std::to_string(iconFile) + " (counted from 1), outside the file list (" +
                std::to_string(config_.files.size()) + " files)");
    }
  }

  void checkOptions() {
    std::string needMain;
    for (const InstallOption& option : kInstallOptions)
      if (option.bit != kOptionReadme && (config_.advancedOptions & option.bit))
        needMain += std::string(needMain.empty() ? "" : ", ") + option.key;
    bool noMain = value(kGeneral, script::kMainExecutable).empty();
    if (noMain && !needMain.empty())
      add(true, kGeneral, script::kMainExecutable,
          "is missing, but the offered options " + needMain + " need the main program");
    if (value(kGeneral, script::kReadme).empty() && (config_.advancedOptions & kOptionReadme))
      add(true, kGeneral, script::kReadme, "is missing, but the offered option readme needs it");
    if (noMain && config_.runWithInstall)
      add(false, kGeneral, script::kRunWithInstall,
          "is set without a \"Main executable\": file 0 is run with /install");
  }

  // A header "[N]" (N in decimal, as the installer forms it) at or beyond the file count.
  void checkSectionsBeyondFiles() {
    for (int i = 0; const char* line = ini_.lineAt(i); ++i) {
      std::string header = line;
      if (header.size() < 3 || header.front() != '[' || header.back() != ']') continue;
      std::string number = header.substr(1, header.size() - 2);
      if (number.find_first_not_of("0123456789") != std::string::npos) continue;
      if (number.size() > 1 && number[0] == '0') continue;  // not a name the installer forms
      if (number.size() > 9 || std::stol(number) >= static_cast<long>(config_.files.size()))
        add(false, number, "",
            "lies beyond \"Number of files\" (" + std::to_string(config_.files.size()) +
                ") and is ignored");
    }
  }

  void checkCatalogs() {
    PackageCatalogs catalogs(package_);
    for (int i = 0; i < catalogs.count(); ++i)
      if (catalogs.LanguageName(i) == "English") return;
    if (catalogs.count() == 0)
      add(true, "", "catalogs", "the package has no catalog (.clg): every text stays empty");
    else
      add(true, "", "catalogs",
          "no catalog is named exactly \"English\": the installer falls back to \"" +
              catalogs.LanguageName(0) + "\"");
  }

  const PackageSource& package_;
  TIniFile ini_;
  InstallConfig config_;
  std::vector<PackageProblem> problems_;
  std::set<std::pair<std::string, std::string>> reported_;
};

}  // namespace

std::vector<PackageProblem> checkPackage(const PackageSource& package) {
  return Checker(package).run();
}

std::string formatProblem(const PackageProblem& p) {
  std::string line = p.error ? "error: " : "warning: ";
  if (!p.section.empty()) line += "[" + p.section + "]" + (p.key.empty() ? "" : " ");
  line += p.key + ": " + p.text;
  return line;
}

bool hasErrors(const std::vector<PackageProblem>& problems) {
  for (const PackageProblem& p : problems)
    if (p.error) return true;
  return false;
}

bool checkBeforeCreate(const std::string& folder, int codePage, bool force) {
  std::string error;
  auto package = PackageSource::open(folder, &error, codePage);
  if (!package) return true;  // create itself reports a folder it cannot read
  std::vector<PackageProblem> problems = checkPackage(*package);
  for (const PackageProblem& problem : problems)
    std::fprintf(stderr, "%s\n", formatProblem(problem).c_str());
  if (!hasErrors(problems)) return true;
  std::fprintf(stderr, force ? "ovixpack: building despite the errors (--force)\n"
                             : "ovixpack: the package has errors; fix them or use --force\n");
  return force;
}
