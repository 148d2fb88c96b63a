// ovixpack plan DIR|PACKAGE: what the package would do, one "key: value" per line, values
// exactly as the installer reads them.
#include <cstdio>
#include <string>

#include "config/ini_file.h"
#include "config/install_script.h"
#include "config/script_keys.h"
#include "tools/ovixpack/package_commands.h"
#include "tools/ovixpack/package_catalogs.h"
#include "tools/ovixpack/package_source.h"

namespace {

class PlanText {
 public:
  void line(const std::string& key, const std::string& value) { text += key + ": " + value + "\n"; }
  void line(const std::string& key, long long value) { line(key, std::to_string(value)); }
  std::string text;
};

const char* destination(const FileEntry& file) {
  if (file.toWindowsFolder) return "windows folder";  // wins when both are set
  if (file.toSystemFolder) return "system folder";
  return "install folder";
}

}  // namespace

std::string planPackage(const PackageSource& package) {
  PlanText out;
  std::string text;
  package.read(script::kScriptName, &text);  // none: the installer reads an empty script
  InstallConfig c;
  std::string title = readInstallConfigText(text.c_str(), &c);

  out.line("title", title);
  out.line("product name", c.productName);
  out.line("copyright", c.copyright);
  out.line("registry key", c.registryKey);
  out.line("default folder", c.defaultFolder);
  out.line("default program folder", c.defaultProgramFolder);
  out.line("main executable", c.mainExecutable);
  out.line("readme", c.readmeFile);
  out.line("run with install", c.runWithInstall);
  out.line("run with uninstall", c.runWithUninstall);
  out.line("advanced options", c.advancedOptions);
  out.line("advanced options default", c.advancedOptionsDefault);
  out.line("file types", static_cast<long long>(c.fileTypes.size()));
  for (size_t i = 0; i < c.fileTypes.size(); ++i) {
    const FileTypeEntry& t = c.fileTypes[i];
    std::string p = "file type " + std::to_string(i) + ".";
    out.line(p + "name", t.name);
    out.line(p + "description", t.description);
    out.line(p + "extensions", t.extensions);
    out.line(p + "icon file", t.icon & 0xFFFF);
    out.line(p + "icon index", static_cast<std::int16_t>((t.icon >> 16) & 0xFFFF));
    out.line(p + "open command", t.openCommand);
    out.line(p + "open command file", t.openCommandFile);
  }
  out.line("files", static_cast<long long>(c.files.size()));
  for (size_t i = 0; i < c.files.size(); ++i) {
    const FileEntry& f = c.files[i];
    std::string p = "file " + std::to_string(i) + ".";
    out.line(p + "name", f.name);
    out.line(p + "create name", f.createName);
    out.line(p + "shortcut name", f.shortcutName);
    out.line(p + "arguments", f.arguments);
    out.line(p + "destination", destination(f));
    out.line(p + "can uninstall", f.canUninstall);
  }
  PackageCatalogs catalogs(package);
  out.line("catalogs", catalogs.joinedNames());
  out.line("first language", catalogs.LanguageName(-1));
  return out.text;
}

int runPlan(const Arguments& args) {
  auto package = openPackageArgument(args, "plan");
  if (!package) return kExitUsage;
  std::fputs(planPackage(*package).c_str(), stdout);
  return kExitOk;
}
