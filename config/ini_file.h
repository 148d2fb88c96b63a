// TIniFile: the INI reader of the setup script and the language catalogs.
//
// The text is split into lines of at most kMaxLinePart bytes, each normalised (blanks and
// control bytes cut from both ends and around the first "="), and kept in order. Lookups are
// linear scans over those lines; section names, keys and words compare byte for byte.
// Two directives: "#define NAME VALUE" stores the line NAME=VALUE; "#include" lines are dropped.
//
// Error contract, one sentence per case:
// - An absent section or key gives the caller's default; so does an empty value for the
//   typed reads.
// - loadFile returns false and keeps the old lines when the file cannot be opened.
// - load stores every line, malformed or not, and never reports anything.
// - Nothing in this class shows a message or ends the program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "foundation/tobject.h"

class TCollection;

class TIniFile : public TObject {
 public:
  // A source line is read in parts of at most this many bytes; a longer line becomes several.
  static constexpr int kMaxLinePart = 249;
  // The line list is a TCollection, which holds at most this many items; lines beyond it are
  // dropped so that a huge text can neither overflow the list nor end the program.
  static constexpr int kMaxLines = 65535;

  TIniFile() = default;

  const char* className() const override;
  TObject* isA(const char* name) override;
  ~TIniFile() override;

  // Reads the whole file at `path` and loads it; false (and the old lines kept) when the file
  // cannot be opened or read.
  virtual bool loadFile(const char* path);
  // There is no source to read again: empties the lines, sets failed and returns false.
  virtual bool reload();
  // Replaces the lines by those of the zero-terminated `text` (not retained).
  virtual bool load(const char* text);

  // Lists parsed from the value, or from `defaultText` when the value is absent or empty;
  // null when that happens and `defaultText` is null. The caller owns the list.
  virtual std::unique_ptr<std::vector<double>> readDoubles(const char* section, const char* key,
                                                           const char* defaultText) const;
  virtual std::unique_ptr<std::vector<std::int32_t>> readInts(const char* section, const char* key,
                                                              const char* defaultText) const;
  virtual std::unique_ptr<std::vector<std::string>> readStrings(const char* section,
                                                                const char* key,
                                                                const char* defaultText) const;

  virtual double readDouble(const char* section, const char* key, double defaultValue) const;
  virtual std::int32_t readInt(const char* section, const char* key,
                               std::int32_t defaultValue) const;
  virtual bool readBool(const char* section, const char* key, bool defaultValue) const;
  // The text after the first "=" of the key's line, valid until the lines change; or
  // `defaultValue` itself (which may be null).
  virtual const char* readString(const char* section, const char* key,
                                 const char* defaultValue) const;

  // Index of the key's line in the first section of that name (of the header line when `key`
  // is null), or -1.
  virtual int findKey(const char* section, const char* key) const;
  // The stored line at `index`, or null when there is none.
  virtual const char* lineAt(int index) const;
  // Writes every line followed by "\r\n"; false when the file cannot be created or written.
  virtual bool save(const char* path) const;

  // The same load from `length` bytes that need no terminator; the file and text loads and
  // the tests all come through here.
  bool loadBytes(const char* data, std::size_t length);

  bool failed() const { return failed_; }
  const std::string& fileName() const { return fileName_; }
  int lineCount() const;

 private:
  void dropLines();
  // Index of the first line at or after `from` that equals `text`, or -1.
  int findLine(const std::string& text, int from) const;
  // Scans the section whose header is at `header` for `key`: the index where the scan
  // stopped, and whether that line is the key's line.
  int scanSection(int header, const char* key, bool* found) const;

  std::string fileName_;
  bool failed_ = false;
  TCollection* lines_ = nullptr;
};
