// Fatal reports of the block-sorting codec: module "compress", the line of the failed check.
#pragma once

// Never returns: the report ends the program (or a test seam unwinds out of it).
[[noreturn]] void bsReport(int line, const char* text);

#define BS_REPORT(text) bsReport(__LINE__, text)
