// Helpers shared by ovixpack's commands: error lines, option parsing, opening archives,
// entry names and the progress line.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "archive/resfile.h"
#include "tools/ovixpack/commands.h"

// Prints "ovixpack: <message>" on standard error and returns `code`.
int failWith(int code, const std::string& message);

// Splits arguments into options and operands: "--name value" / "-o value" for the names in
// `withValue`, anything else starting with '-' is unknown. False (after an error line)
// on an unknown option or a missing value.
struct ParsedArguments {
  std::vector<std::pair<std::string, std::string>> options;
  std::vector<std::string> operands;
  // The value of `name`, or `fallback` when absent.
  std::string value(const std::string& name, const std::string& fallback = "") const;
};
bool parseArguments(const Arguments& args, const std::vector<std::string>& withValue,
                    const std::vector<std::string>& flags, ParsedArguments& out);

// "bwt", "lz" or "store" to write options; false for anything else.
bool methodOptions(const std::string& method, unsigned& options);
// A decimal code page that utf8ToCodePage supports.
bool parseCodePage(const std::string& text, int& codePage);

// Opens an existing archive; null after an error line (exit code in `code`): 2 when the file
// cannot be opened, 1 when it holds no sound archive.
std::unique_ptr<TResFile> openArchive(const std::string& path, bool forWriting, int& code);

// Opens a host file for reading by its path (wide names on Windows).
bool openHostFile(const std::filesystem::path& path, FileStream& stream);

// An entry name that stays below an extraction folder: relative, no drive, no "..".
bool isSafeEntryName(const std::string& name);

// "\r<done>/<total> <name>" on standard error while it is a terminal; cleared at the end.
class ProgressLine {
 public:
  explicit ProgressLine(std::size_t total);
  ~ProgressLine();
  void show(std::size_t done, const std::string& name);

 private:
  std::size_t total_;
  bool enabled_;
  std::size_t width_ = 0;
};
