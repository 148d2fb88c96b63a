// What went wrong in an install run. The worker carries on through its steps and collects each
// failure here; the dialog reports them instead of the completion text.
#pragma once

#include <string>
#include <vector>

enum class FailureKind {
  EntryMissing,       // the file's entry is neither in the archive nor on the disk
  EntryDamaged,       // the entry could not be decoded or failed its checksum; not written
  FileNotWritten,     // the target file could not be created or written
  FolderUnknown,      // a Windows, system or shell folder path was not available
  ShortcutNotSaved,   // a shell link could not be saved
  RegistryNotWritten, // a key could not be opened or a value not written
  ScriptInvalid,      // the script names a file number outside its list
};

struct InstallFailure {
  FailureKind kind;
  std::string subject;  // the path, entry name, key or script key concerned
};

class InstallResult {
 public:
  // Adds a failure unless the same one is already listed.
  void add(FailureKind kind, const std::string& subject);
  bool succeeded() const { return failures_.empty(); }
  const std::vector<InstallFailure>& failures() const { return failures_; }

 private:
  std::vector<InstallFailure> failures_;
};

// One line per failure, for the dialog's error report.
std::string describeFailures(const InstallResult& result);
