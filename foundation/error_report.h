// The one report path for internal errors the program cannot recover from.
// A report is appended to "error.lst" in the current folder (a date line, the message, an
// empty line), then shown in a message box. A fatal report ends the program with exit code 1;
// a report made while another is being handled aborts the process (exit code 3).
#pragma once

// Formats "File <module>, line <line>:\n<text>\nPlease report to <support address>" and
// hands it to reportError. Returns only for a report that is not fatal and that the user
// chose to survive.
void runError(const char* module, int line, const char* text, bool fatal);

// Logs and shows an already formatted message; same return rule as runError.
void reportError(const char* message, bool fatal);

// Where reports of the program ask to be sent.
extern const char* const kSupportAddress;
