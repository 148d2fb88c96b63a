// Conversion of UTF-8 names to the single-byte ANSI code pages 1250, 1251 and 1252.
#pragma once

#include <string>

bool isSupportedCodePage(int codePage);
// False when `utf8` is malformed or holds a character the code page lacks.
bool utf8ToCodePage(const std::string& utf8, int codePage, std::string& out);
