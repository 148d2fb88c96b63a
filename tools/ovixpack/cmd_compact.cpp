// ovixpack compact: drops the dead space of replaced and removed entries.
#include "tools/ovixpack/pack_commands.h"
#include "tools/ovixpack/pack_support.h"

int runCompact(const Arguments& args) {
  if (args.size() != 1) return failWith(kExitUsage, "compact needs one archive");
  int code = kExitOk;
  std::unique_ptr<TResFile> archive = openArchive(args[0], true, code);
  if (!archive) return code;
  archive->compact();
  if (archive->failed()) return failWith(kExitUsage, args[0] + ": compaction failed");
  return kExitOk;
}
