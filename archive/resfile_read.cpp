// TResFile::read: an entry's decoded bytes, or the disk file of that name.
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "archive/resfile.h"

namespace {

// The whole disk file `name` in a new buffer with a zero byte after it, or null.
char* readDiskFile(const char* name, std::int32_t* sizeOut) {
  std::FILE* f = std::fopen(name, "rb");
  if (!f) return nullptr;
  char* buffer = nullptr;
  long length = -1;
  if (std::fseek(f, 0, SEEK_END) == 0) length = std::ftell(f);
  if (length >= 0 && length < INT32_MAX && std::fseek(f, 0, SEEK_SET) == 0) {
    buffer = static_cast<char*>(std::malloc(std::size_t(length) + 1));
    if (buffer && std::fread(buffer, 1, std::size_t(length), f) != std::size_t(length)) {
      std::free(buffer);
      buffer = nullptr;
    }
  }
  std::fclose(f);
  if (!buffer) return nullptr;
  buffer[length] = 0;
  if (sizeOut) *sizeOut = std::int32_t(length);
  return buffer;
}

}  // namespace

bool TResFile::readBlock(const TResEntry& entry, std::uint8_t* into) {
  const std::size_t size = std::size_t(entry.size);
  const std::int64_t start = std::int64_t(base_) + entry.offset;
  if (entry.offset < 0 || entry.packedSize < 0 || start + entry.packedSize > dirPos_) return false;
  file_.clearError();
  file_.seekGet(start);
  // A stream is read no further than its block, so a cut stream never borrows the bytes
  // of the next block and is seen to end early.
  file_.setReadLimit(start + entry.packedSize);
  bool complete;
  if (!(entry.flags & RF_COMPRESSED)) {
    complete = file_.read(into, size) == size;
  } else if (entry.flags & RF_BLOCKSORT) {
    // The block-sorting decoder reports a truncated or overlong stream itself; a sound
    // stream of fewer bytes is caught here.
    uncompressStream(file_, into, size, progress_);
    complete = uncompressedSize() == size;
  } else {
    complete = lzDecode(file_, into, size, progress_) == size;
  }
  file_.setReadLimit(-1);
  file_.clearError();
  return complete;
}

char* TResFile::read(const char* name, bool verify, std::int32_t* sizeOut) {
  const TResEntry* entry = find(name);
  if (!entry) return name ? readDiskFile(name, sizeOut) : nullptr;
  failed_ = true;
  if (entry->size < 0 || entry->size == INT32_MAX) return nullptr;
  // Owned here until returned, also when a codec's fatal report unwinds (as in the fuzz
  // harness, where reports throw).
  std::unique_ptr<std::uint8_t, void (*)(void*)> buffer(
      static_cast<std::uint8_t*>(std::malloc(std::size_t(entry->size) + 1)), std::free);
  if (!buffer || !readBlock(*entry, buffer.get())) return nullptr;
  failed_ = verify && entryChecksum(buffer.get(), std::size_t(entry->size)) != entry->crc;
  buffer.get()[entry->size] = 0;
  if (sizeOut) *sizeOut = entry->size;
  return reinterpret_cast<char*>(buffer.release());
}
