// Value conversions of the INI reader: numbers, boolean words and the three list forms.
// All work on zero-terminated texts and never read past their terminator.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The text as a signed number with automatic base ("0x"/"0X" hexadecimal, leading "0" octal,
// else decimal), leading white space skipped, stopping at the first byte that does not fit.
// Values beyond the 32-bit range give its nearest end, as a 32-bit conversion does on every
// platform. *end (when given) receives where the conversion stopped: `text` itself when no
// number was taken.
std::int32_t iniToInt(const char* text, const char** end = nullptr);

// The text as a decimal floating-point number; same rules for *end.
double iniToDouble(const char* text, const char** end = nullptr);

// True for exactly "yes", "1", "true", "on", "enable" and the Russian word for yes in code
// page 866 in its three letter cases.
bool iniIsTrueWord(const char* text);

// Numbers one after the other: each conversion starts where the previous ended; where none
// fits, exactly one byte is skipped.
std::vector<std::int32_t> iniIntList(const char* text);
std::vector<double> iniDoubleList(const char* text);

// Items separated by commas, else by spaces; an item in double quotes keeps its commas and
// spaces.
std::vector<std::string> iniStringList(const char* text);
