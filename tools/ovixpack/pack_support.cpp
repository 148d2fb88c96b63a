// Helpers shared by ovixpack's commands.
#include "tools/ovixpack/pack_support.h"

#include <cstdio>
#include <cstdlib>

#include "tools/ovixpack/code_pages.h"

#ifdef _WIN32
#include <io.h>
#define OVIX_ISATTY(f) _isatty(_fileno(f))
#else
#include <unistd.h>
#define OVIX_ISATTY(f) isatty(fileno(f))
#endif

int failWith(int code, const std::string& message) {
  std::fprintf(stderr, "ovixpack: %s\n", message.c_str());
  return code;
}

std::string ParsedArguments::value(const std::string& name, const std::string& fallback) const {
  for (const auto& option : options)
    if (option.first == name) return option.second;
  return fallback;
}

bool parseArguments(const Arguments& args, const std::vector<std::string>& withValue,
                    const std::vector<std::string>& flags, ParsedArguments& out) {
  auto listed = [](const std::vector<std::string>& names, const std::string& a) {
    for (const auto& n : names)
      if (n == a) return true;
    return false;
  };
  for (std::size_t k = 0; k < args.size(); ++k) {
    const std::string& a = args[k];
    if (a.size() < 2 || a[0] != '-') {
      out.operands.push_back(a);
    } else if (listed(withValue, a)) {
      if (k + 1 == args.size()) return failWith(0, "option " + a + " needs a value"), false;
      out.options.emplace_back(a, args[++k]);
    } else if (listed(flags, a)) {
      out.options.emplace_back(a, "");
    } else {
      return failWith(0, "unknown option " + a), false;
    }
  }
  return true;
}

bool methodOptions(const std::string& method, unsigned& options) {
  if (method == "bwt") options = RW_COMPRESS | RW_BLOCKSORT;
  else if (method == "lz") options = RW_COMPRESS;
  else if (method == "store") options = 0;
  else return false;
  return true;
}

bool parseCodePage(const std::string& text, int& codePage) {
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  codePage = int(value);
  return !text.empty() && *end == 0 && isSupportedCodePage(codePage);
}

std::unique_ptr<TResFile> openArchive(const std::string& path, bool forWriting, int& code) {
  std::FILE* probe = std::fopen(path.c_str(), forWriting ? "r+b" : "rb");
  if (!probe) {
    code = failWith(kExitUsage, path + ": cannot open");
    return nullptr;
  }
  std::fclose(probe);
  // Read mode first: in create mode a file without an archive would quietly start one.
  std::unique_ptr<TResFile> archive(new TResFile(path.c_str(), false));
  if (archive->failed()) {
    code = failWith(kExitCheckFailed, path + ": not a valid install archive");
    return nullptr;
  }
  if (forWriting) {
    archive.reset(new TResFile(path.c_str(), true));
    if (archive->failed()) {
      code = failWith(kExitUsage, path + ": cannot open for writing");
      return nullptr;
    }
  }
  return archive;
}

bool openHostFile(const std::filesystem::path& path, FileStream& stream) {
#ifdef _WIN32
  std::FILE* file = _wfopen(path.c_str(), L"rb");
#else
  std::FILE* file = std::fopen(path.c_str(), "rb");
#endif
  return file && stream.adopt(file);
}

bool isSafeEntryName(const std::string& name) {
  if (name.empty() || name[0] == '\\' || name[0] == '/' || name.find(':') != std::string::npos)
    return false;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = name.find_first_of("\\/", start);
    const std::string part = name.substr(start, end == std::string::npos ? end : end - start);
    if (part.empty() || part == "." || part == "..") return false;
    if (end == std::string::npos) return true;
    start = end + 1;
  }
}

ProgressLine::ProgressLine(std::size_t total) : total_(total), enabled_(OVIX_ISATTY(stderr)) {}

ProgressLine::~ProgressLine() {
  if (enabled_ && width_ > 0) std::fprintf(stderr, "\r%*s\r", int(width_), "");
}

void ProgressLine::show(std::size_t done, const std::string& name) {
  if (!enabled_) return;
  char line[128];
  const int n = std::snprintf(line, sizeof line, "%lu/%lu %.100s", (unsigned long)done,
                              (unsigned long)total_, name.c_str());
  const std::size_t width = n < 0 ? 0 : std::size_t(n) < sizeof line ? std::size_t(n) : sizeof line - 1;
  std::fprintf(stderr, "\r%s%*s", line, int(width_ > width ? width_ - width : 0), "");
  std::fflush(stderr);
  width_ = width;
}
