// TResFile: the install archive. Opens an archive (stand-alone or appended to another file,
// usually the installer's executable), lists and reads its entries with a fall-back to disk
// files of the same name, and builds archives: write, remove, flush, compact.
//
// After construction the object is in one of three states:
//   open           a directory, failed() false;
//   no archive     no directory, failed() true (no file, open failed, or no valid trailer
//                  in read mode): count() is 0 and every read goes to the disk;
//   bad directory  an empty directory, failed() true (a version 5 directory block without
//                  "ix50", or a directory whose decoded bytes or records do not add up).
//
// failed() reports whether the last open, read, write, flush or compact failed. Writing
// sets failed() and returns null on any read or write error; an archive never grows past
// 2 GiB - 1 bytes, what its signed 32-bit fields can address. Not thread-safe: one get
// position, one put position, one cursor.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "archive/archive_format.h"
#include "archive/file_stream.h"
#include "codec/codec_api.h"
#include "foundation/tobject.h"

class TResFile : public TObject {
 public:
  TResFile(const char* path, bool create);
  // Flushes, then closes the file.
  ~TResFile() override;

  virtual void open(const char* path, bool create);
  virtual int count() const;
  // The decoded bytes of `name` in a new buffer of size + 1 bytes whose last byte is 0, or
  // null. The caller frees it with std::free. Without such an entry the disk file `name` is
  // read instead (failed() unchanged); null if that fails too, with *sizeOut unwritten.
  // From the archive: null and failed() when the block cannot be read or decodes short;
  // with `verify`, a checksum mismatch returns the data and sets failed(). sizeOut may be
  // null.
  virtual char* read(const char* name, bool verify, std::int32_t* sizeOut);
  // Stores all of `source` as entry `name` (RW_* options), replacing an entry of that
  // name. Returns the new record, or null with failed() set.
  virtual const TResEntry* write(SeekableInput& source, const char* name, unsigned options);
  // Takes the entry out of the directory in memory; its block becomes dead space.
  virtual void remove(const char* name);
  // Walk in ascending name order; null at the end and when there is no directory.
  virtual const TResEntry* first();
  virtual const TResEntry* next();
  virtual const TResEntry* find(const char* name) const;
  // Writes the directory block and trailer if anything was written since the last flush.
  virtual void flush();
  // Rewrites the data area with only the current entries' blocks, in name order.
  virtual void compact();
  virtual void setProgress(ProgressProc callback);
  virtual void setTag(const void* bytes, std::size_t length);

  bool failed() const { return failed_; }
  bool changed() const { return changed_; }
  std::int32_t base() const { return base_; }
  std::int32_t dirPos() const { return dirPos_; }
  const std::string& tag() const { return tag_; }

 private:
  bool readVersion5Directory();
  bool readOldDirectory(std::uint32_t versionWord);
  // The `length` bytes of a directory's records at the get position, decoded if `encoded`.
  bool readDirectoryBytes(std::size_t length, bool encoded, std::vector<std::uint8_t>& bytes);
  bool readBlock(const TResEntry& entry, std::uint8_t* into);
  // Encodes the entry's bytes at the put position; false on a read or write error.
  bool storeBlock(SeekableInput& source, std::int64_t size, unsigned options);
  // Writes the directory block and the trailer at dirPos and ends the file there.
  bool writeDirectoryAndTrailer();
  // Copies `length` bytes from the get position of `from` to the put position of `to`
  // through `chunk` (40000 bytes); false when the source ends early or a write fails.
  static bool copyBytes(FileStream& from, FileStream& to, std::int64_t length,
                        std::uint8_t* chunk);

  FileStream file_;
  bool failed_ = true;
  bool changed_ = false;
  bool writable_ = false;  // opened in create mode with a sound directory
  std::int32_t base_ = 0;
  std::int32_t dirPos_ = 0;
  std::unique_ptr<Directory> directory_;
  Directory::const_iterator cursor_;
  std::string path_;
  ProgressProc progress_;
  std::string tag_;
};
