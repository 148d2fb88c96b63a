// ovixpack create: every file below a folder becomes an entry named by its relative path
// (backslashes, in an ANSI code page), appended to a stub or written as an archive alone.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "tools/ovixpack/code_pages.h"
#include "tools/ovixpack/pack_commands.h"
#include "tools/ovixpack/package_check.h"
#include "tools/ovixpack/pack_support.h"

namespace fs = std::filesystem;

namespace {

struct PackageFile {
  fs::path path;
  std::string entryName;
};

// The package's files in name order; false after an error line.
bool collectFiles(const fs::path& folder, int codePage, std::vector<PackageFile>& files) {
  std::error_code error;
  fs::recursive_directory_iterator it(folder, error), end;
  if (error) return failWith(0, folder.u8string() + ": cannot read the folder"), false;
  for (; it != end; it.increment(error)) {
    if (error) return failWith(0, folder.u8string() + ": " + error.message()), false;
    if (!it->is_regular_file()) continue;
    std::string relative = it->path().lexically_relative(folder).generic_u8string();
    std::replace(relative.begin(), relative.end(), '/', '\\');
    PackageFile file{it->path(), ""};
    if (!utf8ToCodePage(relative, codePage, file.entryName)) {
      return failWith(0, relative + ": name has characters outside code page " +
                             std::to_string(codePage)), false;
    }
    files.push_back(file);
  }
  std::sort(files.begin(), files.end(), [](const PackageFile& a, const PackageFile& b) {
    return a.entryName < b.entryName;
  });
  return true;
}

bool copyStub(const std::string& stub, const std::string& out) {
  std::error_code error;
  fs::copy_file(fs::u8path(stub), fs::u8path(out), fs::copy_options::overwrite_existing, error);
  return !error;
}

}  // namespace

int runCreate(const Arguments& args) {
  ParsedArguments a;
  if (!parseArguments(args, {"-o", "--stub", "--method", "--codepage"}, {"--force"}, a))
    return kExitUsage;
  const std::string out = a.value("-o");
  unsigned options = 0;
  int codePage = 0;
  if (out.empty() || a.operands.size() != 1)
    return failWith(kExitUsage, "create needs -o OUT and one folder");
  if (!methodOptions(a.value("--method", "bwt"), options))
    return failWith(kExitUsage, "unknown method " + a.value("--method"));
  if (!parseCodePage(a.value("--codepage", "1252"), codePage))
    return failWith(kExitUsage, "unsupported code page " + a.value("--codepage"));

  const fs::path folder = fs::u8path(a.operands[0]);
  std::vector<PackageFile> files;
  if (!collectFiles(folder, codePage, files)) return kExitUsage;

  // A package with errors would ship a broken installer: refused unless forced.
  if (!checkBeforeCreate(a.operands[0], codePage, a.value("--force", "-").empty()))
    return kExitCheckFailed;

  const std::string stub = a.value("--stub");
  std::remove(out.c_str());
  if (!stub.empty() && !copyStub(stub, out)) return failWith(kExitUsage, stub + ": cannot copy the stub");
  int result = kExitOk;
  {
    TResFile archive(out.c_str(), true);
    if (archive.failed() || archive.count() != 0) {
      result = failWith(kExitUsage, out + ": cannot start an archive there");
    }
    ProgressLine progress(files.size());
    for (std::size_t k = 0; k < files.size() && result == kExitOk; ++k) {
      progress.show(k + 1, files[k].entryName);
      FileStream source;
      if (!openHostFile(files[k].path, source)) {
        result = failWith(kExitUsage, files[k].path.u8string() + ": cannot open");
      } else if (!archive.write(source, files[k].entryName.c_str(), options)) {
        result = failWith(kExitUsage, files[k].path.u8string() + ": cannot store entry");
      }
    }
    archive.flush();
    if (result == kExitOk && archive.failed()) result = failWith(kExitUsage, out + ": write failed");
  }
  if (result != kExitOk) std::remove(out.c_str());
  return result;
}
