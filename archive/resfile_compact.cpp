// TResFile::compact: rewrites the data area with only the current entries' blocks, back to
// back in name order, through a temporary file beside the archive. The archive is not
// touched until every block has been copied out in full, so a truncated or unreadable
// archive stops the compaction with failed() set and its file unchanged.
#include <cstdio>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "archive/resfile.h"

namespace {

// Opens a new file named after `path` that did not exist before; its name goes to `name`.
bool createTemporary(const std::string& path, FileStream& file, std::string& name) {
  for (int n = 0; n < 1000; ++n) {
    name = path + ".~" + std::to_string(n);
    std::FILE* existing = std::fopen(name.c_str(), "rb");
    if (existing) {
      std::fclose(existing);
      continue;
    }
    return file.open(name.c_str(), FileStream::Mode::Create);
  }
  return false;
}

}  // namespace

bool TResFile::copyBytes(FileStream& from, FileStream& to, std::int64_t length,
                         std::uint8_t* chunk) {
  while (length > 0) {
    const std::size_t want =
        std::size_t(length < std::int64_t(FileStream::kBufferSize) ? length
                                                                   : FileStream::kBufferSize);
    const std::size_t got = from.read(chunk, want);
    if (got == 0 || !to.write(chunk, got)) return false;  // never loops on a short file
    length -= std::int64_t(got);
  }
  return true;
}

void TResFile::compact() {
  failed_ = true;
  if (!directory_ || !writable_) return;
  std::unique_ptr<std::uint8_t[]> chunk(new (std::nothrow) std::uint8_t[FileStream::kBufferSize]);
  if (!chunk) return;
  FileStream temporary;
  std::string temporaryName;
  if (!createTemporary(path_, temporary, temporaryName)) return;

  // Out: every live block to the temporary file, its new offset noted.
  std::vector<std::int32_t> offsets;
  bool ok = true;
  file_.clearError();
  for (const auto& item : *directory_) {
    const TResEntry& e = item.second;
    const std::int64_t start = std::int64_t(base_) + e.offset;
    offsets.push_back(std::int32_t(temporary.tellPut()));
    file_.seekGet(start);
    ok = e.offset >= 0 && e.packedSize >= 0 && start + e.packedSize <= dirPos_ &&
         copyBytes(file_, temporary, e.packedSize, chunk.get());
    file_.clearError();
    if (!ok) break;
  }
  ok = ok && temporary.flush();

  // Back: the blocks in order from the archive's base, then the new directory.
  if (ok) {
    file_.seekPut(base_);
    temporary.seekGet(0);
    ok = copyBytes(temporary, file_, temporary.length(), chunk.get());
    std::size_t k = 0;
    for (auto& item : *directory_) item.second.offset = offsets[k++];
    dirPos_ = std::int32_t(file_.tellPut());
    ok = ok && writeDirectoryAndTrailer();
  }
  temporary.close();
  std::remove(temporaryName.c_str());
  failed_ = !ok;
}
