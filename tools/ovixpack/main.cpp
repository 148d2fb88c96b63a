// ovixpack: builds install archives and installers, and inspects them.
#include <cstdio>
#include <cstring>

#include "os/console_os_services.h"
#include "tools/ovixpack/commands.h"

namespace {

void printUsage() {
  std::fprintf(stderr, "usage: ovixpack COMMAND [ARGUMENTS]\ncommands:\n");
  for (const Command* c = kCommands; c->name; ++c)
    std::fprintf(stderr, "  ovixpack %s %s\n", c->name, c->usage);
}

}  // namespace

int main(int argc, char** argv) {
  // Fatal reports go to standard error, also on Windows: a tool never waits on a box.
  setOsServices(&consoleOsServices());
  if (argc < 2) {
    printUsage();
    return kExitUsage;
  }
  for (const Command* c = kCommands; c->name; ++c) {
    if (std::strcmp(argv[1], c->name) == 0) return c->run(Arguments(argv + 2, argv + argc));
  }
  std::fprintf(stderr, "ovixpack: unknown command '%s'\n", argv[1]);
  printUsage();
  return kExitUsage;
}
