// PackageSource for a package folder and for a built package.
#include "tools/ovixpack/package_source.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "archive/resfile.h"

namespace fs = std::filesystem;

namespace {

class FolderSource : public PackageSource {
 public:
  explicit FolderSource(const fs::path& root) : root_(root) {
    std::error_code ec;
    for (fs::recursive_directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
      if (!it->is_regular_file(ec)) continue;
      std::string name = it->path().lexically_relative(root).generic_string();
      std::replace(name.begin(), name.end(), '/', '\\');
      names_.push_back(name);
    }
    std::sort(names_.begin(), names_.end());
  }

  const std::vector<std::string>& entryNames() const override { return names_; }

  bool read(const std::string& name, std::string* bytes) const override {
    if (!has(name)) return false;
    std::string relative = name;
    std::replace(relative.begin(), relative.end(), '\\', '/');
    std::ifstream in(root_ / relative, std::ios::binary);
    if (!in) return false;
    std::ostringstream all;
    all << in.rdbuf();
    *bytes = all.str();
    return true;
  }

 private:
  fs::path root_;
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

std::unique_ptr<PackageSource> PackageSource::open(const std::string& path, std::string* error) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) return std::make_unique<FolderSource>(path);
  if (!fs::is_regular_file(path, ec)) {
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
