// Times, under Windows, either the raw decode of every entry of an install archive or the whole
// install run of the archive as one package (each entry one file, installed below FOLDER).
// Prints: seconds, decoded bytes, peak private bytes of the process.
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

unsigned long long peakPrivateBytes() {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.PeakPagefileUsage;
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
  InstallRun run(osServices(), config, state, entries, result);
  InstallWorker(&run);
  if (!result.succeeded() || !osServices().testEvent(state.installDone)) {
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
  std::printf("%.3f %lld %llu\n", seconds, bytes, peakPrivateBytes());
  return 0;
}
