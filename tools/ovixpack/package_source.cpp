// PackageSource for a package folder and for a built package.
#include "tools/ovixpack/package_source.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "archive/resfile.h"
#include "tools/ovixpack/code_pages.h"

namespace fs = std::filesystem;

namespace {

class FolderSource : public PackageSource {
 public:
  FolderSource(const fs::path& root, int codePage) {
    std::error_code ec;
    for (fs::recursive_directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
      if (!it->is_regular_file(ec)) continue;
      std::string relative = it->path().lexically_relative(root).generic_u8string();
      std::replace(relative.begin(), relative.end(), '/', '\\');
      std::string name;
      if (!utf8ToCodePage(relative, codePage, name)) name = relative;
      paths_[name] = it->path();
    }
    for (const auto& entry : paths_) names_.push_back(entry.first);
  }

  const std::vector<std::string>& entryNames() const override { return names_; }

  bool read(const std::string& name, std::string* bytes) const override {
    auto found = paths_.find(name);
    if (found == paths_.end()) return false;
    std::ifstream in(found->second, std::ios::binary);
    if (!in) return false;
    std::ostringstream all;
    all << in.rdbuf();
    *bytes = all.str();
    return true;
  }

 private:
  std::map<std::string, fs::path> paths_;  // entry name -> file, in name order
  std::vector<std::string> names_;
};

class ArchiveSource : public PackageSource {
 public:
  explicit ArchiveSource(const std::string& path) : archive_(path.c_str(), false) {
    for (const TResEntry* e = archive_.first(); e; e = archive_.next()) names_.push_back(e->name);
  }

  // An archive with a directory, even an empty one, is a package.
  bool isPackage() const { return !archive_.failed() || archive_.count() > 0; }

  const std::vector<std::string>& entryNames() const override { return names_; }

  bool read(const std::string& name, std::string* bytes) const override {
    const TResEntry* entry = archive_.find(name.c_str());
    if (!entry) return false;
    std::int32_t size = 0;
    char* buffer = archive_.read(name.c_str(), true, &size);
    if (!buffer) return false;
    bytes->assign(buffer, static_cast<std::size_t>(size));
    std::free(buffer);
    return true;
  }

 private:
  mutable TResFile archive_;  // reading moves its file position
  std::vector<std::string> names_;
};

}  // namespace

bool PackageSource::has(const std::string& name) const {
  const std::vector<std::string>& names = entryNames();
  return std::binary_search(names.begin(), names.end(), name);
}

std::unique_ptr<PackageSource> PackageSource::open(const std::string& path, std::string* error,
                                                   int codePage) {
  std::error_code ec;
  const fs::path where = fs::u8path(path);
  if (fs::is_directory(where, ec)) return std::make_unique<FolderSource>(where, codePage);
  if (!fs::is_regular_file(where, ec)) {
    *error = path + ": no such package folder or file";
    return nullptr;
  }
  auto archive = std::make_unique<ArchiveSource>(path);
  if (!archive->isPackage()) {
    *error = path + ": not an install archive";
    return nullptr;
  }
  return archive;
}

std::unique_ptr<PackageSource> openPackageArgument(const std::vector<std::string>& args,
                                                   const char* command) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: ovixpack %s DIR|PACKAGE\n", command);
    return nullptr;
  }
  std::string error;
  auto package = PackageSource::open(args[0], &error);
  if (!package) std::fprintf(stderr, "ovixpack: %s\n", error.c_str());
  return package;
}
