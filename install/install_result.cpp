// Collecting and describing the failures of an install run.
#include "install/install_result.h"

void InstallResult::add(FailureKind kind, const std::string& subject) {
  for (const auto& failure : failures_)
    if (failure.kind == kind && failure.subject == subject) return;
  failures_.push_back({kind, subject});
}

namespace {
const char* describe(FailureKind kind) {
  switch (kind) {
    case FailureKind::EntryMissing: return "missing from the package";
    case FailureKind::EntryDamaged: return "damaged in the package (checksum error or unreadable)";
    case FailureKind::FileNotWritten: return "could not be written";
    case FailureKind::FolderUnknown: return "folder not available";
    case FailureKind::ShortcutNotSaved: return "shortcut could not be saved";
    case FailureKind::RegistryNotWritten: return "registry key could not be written";
    case FailureKind::ScriptInvalid: return "names a file that the setup script does not list";
  }
  return "failed";
}
}  // namespace

std::string describeFailures(const InstallResult& result) {
  std::string text;
  for (const auto& failure : result.failures())
    text += failure.subject + ": " + describe(failure.kind) + "\n";
  return text;
}
