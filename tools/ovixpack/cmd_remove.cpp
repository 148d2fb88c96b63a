// ovixpack remove: takes entries out and compacts, which makes the removal permanent.
#include "tools/ovixpack/pack_commands.h"
#include "tools/ovixpack/pack_support.h"

int runRemove(const Arguments& args) {
  if (args.size() < 2) return failWith(kExitUsage, "remove needs an archive and entry names");
  int code = kExitOk;
  std::unique_ptr<TResFile> archive = openArchive(args[0], true, code);
  if (!archive) return code;
  for (std::size_t k = 1; k < args.size(); ++k) {
    if (!archive->find(args[k].c_str())) return failWith(kExitUsage, args[k] + ": no such entry");
  }
  for (std::size_t k = 1; k < args.size(); ++k) archive->remove(args[k].c_str());
  archive->compact();
  if (archive->failed()) return failWith(kExitUsage, args[0] + ": compaction failed");
  return kExitOk;
}
