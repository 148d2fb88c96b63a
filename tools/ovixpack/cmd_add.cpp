// ovixpack add: stores files as entries named by their file names, replacing entries of
// the same name, and completes the archive.
#include <filesystem>

#include "tools/ovixpack/code_pages.h"
#include "tools/ovixpack/pack_commands.h"
#include "tools/ovixpack/pack_support.h"

int runAdd(const Arguments& args) {
  ParsedArguments a;
  if (!parseArguments(args, {"--method", "--codepage"}, {}, a)) return kExitUsage;
  unsigned options = 0;
  int codePage = 0;
  if (a.operands.size() < 2) return failWith(kExitUsage, "add needs an archive and files");
  if (!methodOptions(a.value("--method", "bwt"), options))
    return failWith(kExitUsage, "unknown method " + a.value("--method"));
  if (!parseCodePage(a.value("--codepage", "1252"), codePage))
    return failWith(kExitUsage, "unsupported code page " + a.value("--codepage"));
  int code = kExitOk;
  std::unique_ptr<TResFile> archive = openArchive(a.operands[0], true, code);
  if (!archive) return code;
  for (std::size_t k = 1; k < a.operands.size(); ++k) {
    const std::string& path = a.operands[k];
    std::string name;
    if (!utf8ToCodePage(std::filesystem::u8path(path).filename().u8string(), codePage, name))
      return failWith(kExitUsage, path + ": name has characters outside code page " +
                                      std::to_string(codePage));
    FileStream source;
    if (!openHostFile(std::filesystem::u8path(path), source)) return failWith(kExitUsage, path + ": cannot open");
    if (!archive->write(source, name.c_str(), options))
      return failWith(kExitUsage, path + ": cannot store entry");
  }
  archive->flush();
  if (archive->failed()) return failWith(kExitUsage, a.operands[0] + ": write failed");
  return kExitOk;
}
