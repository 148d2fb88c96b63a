// A recording double for the OS services. Message boxes are written to standard error (so a
// death test can match them) and remembered, answered with a chosen button, never shown.
// The install run's operations act on a small model of a machine (existing folders, registry
// values, written files, saved links) and each call is appended to `calls`, so a test can check
// both the end state and the order of operations.
#pragma once

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "os/os_services.h"

// A line end in a death test's captured standard error, where Windows writes "\r\n"; use it
// in expected-output patterns instead of ".*", which does not cross lines on Windows.
#define NL "\r?\n"

class RecordingOs : public OsServices {
 public:
  struct Box {
    std::string text;
    std::string caption;
    unsigned style;
  };

  explicit RecordingOs(int answer = osbox::kIdOk) : answer_(answer) { previous_ = setOsServices(this); }
  ~RecordingOs() override { setOsServices(previous_); }

  int messageBox(const std::string& text, const std::string& caption, unsigned style) override {
    std::fprintf(stderr, "box [%s] style 0x%X: %s\n", caption.c_str(), style, text.c_str());
    std::fflush(stderr);
    boxes.push_back({text, caption, style});
    return answer_;
  }
  void beep(unsigned type) override { beeps.push_back(type); }
  std::string oemToAnsi(const std::string& text) override { return text; }

  // Registry: a handle is 1 + the index of the opened key's path in openedKeys.
  OsKey openKey(const std::string& subKey) override {
    calls.push_back("open " + subKey);
    if (failingKeys.count(subKey)) return nullptr;
    openedKeys.push_back(subKey);
    registry[subKey];
    return reinterpret_cast<OsKey>(openedKeys.size());
  }
  bool setStringValue(OsKey key, const std::string& name, const std::string& text) override {
    const std::string& path = keyPath(key);
    calls.push_back("set " + path + " [" + name + "]=" + text);
    if (path.empty()) return false;
    registry[path][name] = text;
    return true;
  }
  void closeKey(OsKey key) override { calls.push_back("close " + keyPath(key)); }

  FolderOutcome createFolder(const std::string& path) override {
    FolderOutcome outcome = FolderOutcome::Failed;
    if (folders.count(path))
      outcome = FolderOutcome::Existed;
    else if (path.size() > 2 && path.back() != '\\' && folders.count(path.substr(0, path.rfind('\\'))))
      outcome = FolderOutcome::Created;
    calls.push_back("mkdir " + path + (outcome == FolderOutcome::Created ? " created" : ""));
    if (outcome == FolderOutcome::Created) folders.insert(path);
    return outcome;
  }
  std::string windowsFolder() override { return windows; }
  std::string systemFolder() override { return system; }
  std::string shellFolderPath(ShellFolder folder) override {
    return folder == ShellFolder::Programs ? programs
           : folder == ShellFolder::Desktop ? desktop
                                            : startup;
  }

  bool writeWholeFile(const std::string& path, const void* data, std::size_t size) override {
    calls.push_back("write " + path);
    if (lockedFiles.count(path)) return false;
    files[path].assign(static_cast<const char*>(data), size);
    return true;
  }
  bool setNormalAttributes(const std::string& path) override {
    calls.push_back("attributes " + path);
    return files.count(path) != 0;
  }

  bool initComForThread() override {
    calls.push_back("com init");
    return true;
  }
  void endComForThread() override { calls.push_back("com end"); }
  long createShellLink(const std::string& linkFile, const ShellLink& link) override {
    calls.push_back("link " + linkFile);
    links[linkFile] = link;
    return 0;
  }

  bool runAndWait(const std::string& commandLine) override {
    calls.push_back("run " + commandLine);
    return true;
  }
  bool startProgram(const std::string& folder, const std::string& commandLine) override {
    calls.push_back("start " + commandLine + " in " + folder);
    return true;
  }
  bool openDocument(const std::string& path, void*) override {
    calls.push_back("open document " + path);
    return true;
  }

  OsEvent createEvent() override {
    eventSet = true;
    return &eventSet;
  }
  void setEvent(OsEvent) override {
    calls.push_back("set event");
    eventSet = true;
  }
  void resetEvent(OsEvent) override { eventSet = false; }
  bool testEvent(OsEvent) override {
    bool was = eventSet;
    eventSet = false;
    return was;
  }

  // The calls whose text starts with `prefix`, in order.
  std::vector<std::string> callsStartingWith(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const auto& call : calls)
      if (call.compare(0, prefix.size(), prefix) == 0) found.push_back(call);
    return found;
  }

  std::vector<Box> boxes;
  std::vector<unsigned> beeps;
  std::vector<std::string> calls;

  // The modelled machine. A folder can be created when its parent is in `folders`.
  std::set<std::string> folders;
  std::string windows = "C:\\Windows", system = "C:\\Windows\\System32";
  std::string programs = "C:\\Menu\\Programs", desktop = "C:\\Desk", startup = "C:\\Menu\\Startup";
  std::map<std::string, std::map<std::string, std::string>> registry;
  std::set<std::string> failingKeys;
  std::map<std::string, std::string> files;
  std::set<std::string> lockedFiles;
  std::map<std::string, ShellLink> links;
  bool eventSet = false;

 private:
  const std::string& keyPath(OsKey key) const {
    static const std::string none;
    auto index = reinterpret_cast<std::size_t>(key);
    return index >= 1 && index <= openedKeys.size() ? openedKeys[index - 1] : none;
  }

  std::vector<std::string> openedKeys;
  int answer_;
  OsServices* previous_;
};
