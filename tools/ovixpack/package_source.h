// A package as the packer inspects it: either a package folder (every file below it is an
// entry named by its path relative to the folder, sub-folders joined with a backslash, in
// an ANSI code page, as `create` names them) or a built package, an install archive on its
// own or appended to the installer.
#pragma once

#include <memory>
#include <string>
#include <vector>

class PackageSource {
 public:
  virtual ~PackageSource() = default;

  // The folder or package at `path`; null with `*error` set when it is neither. A folder's
  // UTF-8 names are converted to `codePage` (kept as they are where that fails).
  static std::unique_ptr<PackageSource> open(const std::string& path, std::string* error,
                                             int codePage = 1252);

  // Entry names in the archive's order (ascending bytes).
  virtual const std::vector<std::string>& entryNames() const = 0;
  // The entry's bytes; false when the package has no such entry. A built package is read
  // without the installer's fall-back to disk files, which would not travel with it.
  virtual bool read(const std::string& name, std::string* bytes) const = 0;

  bool has(const std::string& name) const;
};

// The package named by a command's one argument ("ovixpack COMMAND DIR|PACKAGE"); null after
// printing the usage or the reason to standard error.
std::unique_ptr<PackageSource> openPackageArgument(const std::vector<std::string>& args,
                                                   const char* command);
