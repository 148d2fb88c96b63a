// Building command lines: a program path is always quoted, so that a path with spaces such as
// C:\Program Files\Prod\x.exe cannot be taken for C:\Program.exe with arguments.
#pragma once

#include <string>

inline std::string quotedPath(const std::string& path) { return "\"" + path + "\""; }
