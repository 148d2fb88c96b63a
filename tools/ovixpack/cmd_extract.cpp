// ovixpack extract: writes entries below a folder, checking each checksum. Names that would
// leave the folder (absolute, with a drive, with "..") are refused, never written.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "tools/ovixpack/pack_commands.h"
#include "tools/ovixpack/pack_support.h"

namespace fs = std::filesystem;

namespace {

// Writes one entry; an error line and false on failure.
bool extractEntry(TResFile& archive, const TResEntry& entry, const fs::path& folder) {
  const std::string& name = entry.name;
  if (!isSafeEntryName(name)) return failWith(0, name + ": refused, the name leaves the folder"), false;
  std::int32_t size = 0;
  char* data = archive.read(name.c_str(), true, &size);
  if (!data) return failWith(0, name + ": cannot be decoded"), false;
  bool ok = !archive.failed();
  if (!ok) failWith(0, name + ": checksum mismatch");
  if (ok) {
    std::string relative = name;
    std::replace(relative.begin(), relative.end(), '\\', '/');
    const fs::path target = folder / fs::path(relative);
    std::error_code error;
    fs::create_directories(target.parent_path(), error);
    std::FILE* f = std::fopen(target.string().c_str(), "wb");
    ok = f && std::fwrite(data, 1, std::size_t(size), f) == std::size_t(size);
    if (f && std::fclose(f) != 0) ok = false;
    if (!ok) failWith(0, target.u8string() + ": cannot write");
  }
  std::free(data);
  return ok;
}

}  // namespace

int runExtract(const Arguments& args) {
  ParsedArguments a;
  if (!parseArguments(args, {"-C"}, {}, a)) return kExitUsage;
  if (a.operands.empty() || a.value("-C").empty())
    return failWith(kExitUsage, "extract needs an archive and -C DIR");
  int code = kExitOk;
  std::unique_ptr<TResFile> archive = openArchive(a.operands[0], false, code);
  if (!archive) return code;
  const fs::path folder = fs::u8path(a.value("-C"));
  std::vector<const TResEntry*> chosen;
  if (a.operands.size() == 1) {
    for (const TResEntry* e = archive->first(); e; e = archive->next()) chosen.push_back(e);
  }
  for (std::size_t k = 1; k < a.operands.size(); ++k) {
    const TResEntry* e = archive->find(a.operands[k].c_str());
    if (!e) return failWith(kExitUsage, a.operands[k] + ": no such entry");
    chosen.push_back(e);
  }
  int result = kExitOk;
  for (const TResEntry* e : chosen)
    if (!extractEntry(*archive, *e, folder)) result = kExitCheckFailed;
  return result;
}
