// The commands of ovixpack. Each takes the arguments after its name and returns the process
// exit code: 0 success, 1 a verification or check failure, 2 a usage or I/O error.
#pragma once

#include <string>
#include <vector>

using Arguments = std::vector<std::string>;

struct Command {
  const char* name;
  int (*run)(const Arguments& args);
  const char* usage;  // the arguments after the command name
};

// All commands, ending with an entry whose name is null.
extern const Command kCommands[];

// Exit codes shared by every command.
constexpr int kExitOk = 0;
constexpr int kExitCheckFailed = 1;
constexpr int kExitUsage = 2;
