// ovixpack verify: decodes every entry and checks its checksum.
#include <cstdlib>

#include "tools/ovixpack/pack_commands.h"
#include "tools/ovixpack/pack_support.h"

int runVerify(const Arguments& args) {
  if (args.size() != 1) return failWith(kExitUsage, "verify needs one archive");
  int code = kExitOk;
  std::unique_ptr<TResFile> archive = openArchive(args[0], false, code);
  if (!archive) return code;
  int result = kExitOk;
  ProgressLine progress(std::size_t(archive->count()));
  std::size_t done = 0;
  for (const TResEntry* e = archive->first(); e; e = archive->next()) {
    progress.show(++done, e->name);
    char* data = archive->read(e->name.c_str(), true, nullptr);
    if (!data || archive->failed()) {
      result = failWith(kExitCheckFailed, args[0] + ": bad entry " + e->name);
    }
    std::free(data);
  }
  return result;
}
