// Times, under Windows, either the raw decode of every entry of an install archive or the whole
// install run of the archive as one package (each entry one file, installed below FOLDER).
// Prints: seconds, decoded bytes, peak working set of the process.
//   install_bench decode ARCHIVE
//   install_bench install ARCHIVE FOLDER
#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "install/archive_entries.h"
#include "install/install_worker.h"

namespace {

double secondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

unsigned long long peakMemory() {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.PeakWorkingSetSize;
}

long long decodeAll(TResFile& archive) {
  long long total = 0;
  for (const TResEntry* entry = archive.first(); entry; entry = archive.next()) {
    std::int32_t size = 0;
    char* bytes = archive.read(entry->name.c_str(), true, &size);
    if (!bytes || archive.failed()) {
      std::fprintf(stderr, "install_bench: %s did not decode\n", entry->name.c_str());
      std::exit(1);
    }
    total += size;
    std::free(bytes);
  }
  return total;
}

// Runs `call` and adds the seconds it took to `total`.
template <typename Call>
auto timed(double& total, Call call) {
  auto start = std::chrono::steady_clock::now();
  auto result = call();
  total += secondsSince(start);
  return result;
}

// Forwards to the real services and adds up the time spent in each kind of call, so that the
// benchmark can say where an install run's time goes (printed to standard error).
class TimedOs : public OsServices {
 public:
  explicit TimedOs(OsServices& os) : os_(os) {}
  ~TimedOs() override {
    std::fprintf(stderr, "os time: registry %.3f s, folders %.3f s, files %.3f s, other %.3f s\n",
                 registry_, folders_, files_, other_);
  }
  int messageBox(const std::string& t, const std::string& c, unsigned s) override { return os_.messageBox(t, c, s); }
  void beep(unsigned type) override { os_.beep(type); }
  std::string oemToAnsi(const std::string& text) override { return os_.oemToAnsi(text); }
  OsKey openKey(const std::string& k) override { return timed(registry_, [&] { return os_.openKey(k); }); }
  bool setStringValue(OsKey k, const std::string& n, const std::string& t) override {
    return timed(registry_, [&] { return os_.setStringValue(k, n, t); });
  }
  void closeKey(OsKey k) override { timed(registry_, [&] { os_.closeKey(k); return 0; }); }
  FolderOutcome createFolder(const std::string& p) override { return timed(folders_, [&] { return os_.createFolder(p); }); }
  std::string windowsFolder() override { return os_.windowsFolder(); }
  std::string systemFolder() override { return os_.systemFolder(); }
  std::string shellFolderPath(ShellFolder f) override { return timed(other_, [&] { return os_.shellFolderPath(f); }); }
  bool writeWholeFile(const std::string& p, const void* d, std::size_t n) override {
    return timed(files_, [&] { return os_.writeWholeFile(p, d, n); });
  }
  bool setNormalAttributes(const std::string& p) override { return timed(files_, [&] { return os_.setNormalAttributes(p); }); }
  bool initComForThread() override { return timed(other_, [&] { return os_.initComForThread(); }); }
  void endComForThread() override { os_.endComForThread(); }
  long createShellLink(const std::string& f, const ShellLink& l) override { return timed(other_, [&] { return os_.createShellLink(f, l); }); }
  bool runAndWait(const std::string& c) override { return os_.runAndWait(c); }
  bool startProgram(const std::string& f, const std::string& c) override { return os_.startProgram(f, c); }
  bool openDocument(const std::string& p, void* w) override { return os_.openDocument(p, w); }
  OsEvent createEvent() override { return os_.createEvent(); }
  void setEvent(OsEvent e) override { os_.setEvent(e); }
  void resetEvent(OsEvent e) override { os_.resetEvent(e); }
  bool testEvent(OsEvent e) override { return os_.testEvent(e); }

 private:
  OsServices& os_;
  double registry_ = 0, folders_ = 0, files_ = 0, other_ = 0;
};

long long installAll(TResFile& archive, const std::string& folder) {
  InstallConfig config;
  config.productName = "Ovix Bench";
  config.registryKey = "SOFTWARE\\OvixBench";
  long long total = 0;
  for (const TResEntry* entry = archive.first(); entry; entry = archive.next()) {
    FileEntry file;
    file.name = file.createName = entry->name;
    file.canUninstall = 1;
    config.files.push_back(file);
    total += entry->size;
  }
  RunState state;
  state.installFolder = folder;
  state.programGroup = "Ovix Bench";
  state.installDone = osServices().createEvent();
  osServices().resetEvent(state.installDone);
  ArchiveEntries entries(archive);
  InstallResult result;
  TimedOs os(osServices());
  InstallRun run(os, config, state, entries, result);
  InstallWorker(&run);
  if (!result.succeeded() || !os.testEvent(state.installDone)) {
    std::fprintf(stderr, "install_bench: install failed\n%s", describeFailures(result).c_str());
    std::exit(1);
  }
  return total;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (!((mode == "decode" && argc == 3) || (mode == "install" && argc == 4))) {
    std::fprintf(stderr, "usage: install_bench decode ARCHIVE | install ARCHIVE FOLDER\n");
    return 2;
  }
  TResFile archive(argv[2], false);
  if (archive.failed()) {
    std::fprintf(stderr, "install_bench: %s is no archive\n", argv[2]);
    return 2;
  }
  auto start = std::chrono::steady_clock::now();
  long long bytes = mode == "decode" ? decodeAll(archive) : installAll(archive, argv[3]);
  double seconds = secondsSince(start);
  std::printf("%.3f %lld %llu\n", seconds, bytes, peakMemory());
  return 0;
}
