// ovixpack list: one line per entry in directory order.
#include <cstdio>

#include "tools/ovixpack/pack_commands.h"
#include "tools/ovixpack/pack_support.h"

int runList(const Arguments& args) {
  ParsedArguments a;
  if (!parseArguments(args, {}, {"--tsv"}, a)) return kExitUsage;
  if (a.operands.size() != 1) return failWith(kExitUsage, "list needs one archive");
  const bool tsv = a.value("--tsv", "-").empty();
  int code = kExitOk;
  std::unique_ptr<TResFile> archive = openArchive(a.operands[0], false, code);
  if (!archive) return code;
  for (const TResEntry* e = archive->first(); e; e = archive->next()) {
    const char* format = tsv ? "%ld\t%ld\t0x%02lX\t%08lX\t%s\n" : "%10ld %10ld  0x%02lX  %08lX  %s\n";
    std::printf(format, long(e->size), long(e->packedSize), (unsigned long)e->flags,
                (unsigned long)e->crc, e->name.c_str());
  }
  return kExitOk;
}
