// LanguageCatalog: the interface languages of a package. A catalog is an archive entry whose
// name ends in ".clg"; its INI text maps control identifiers (section "Main" for the main
// dialog, "Browse" for the folder chooser, key "0" for a caption) and option keys (section
// "Options") to texts. One catalog is selected and loaded at a time.
//
// This class is portable: it answers texts by control identifier. Writing them into a real
// dialog's child windows is the Win32 layer's part (ui/win/apply_texts.h).
#pragma once

#include <string>
#include <vector>

#include "config/ini_file.h"

class TResFile;

class LanguageCatalog {
 public:
  LanguageCatalog() = default;
  LanguageCatalog(const LanguageCatalog&) = delete;
  LanguageCatalog& operator=(const LanguageCatalog&) = delete;
  virtual ~LanguageCatalog() = default;

  // Where catalogs are listed and read from (not owned); null reads nothing.
  void SetArchive(TResFile* archive) { archive_ = archive; }
  // Appends a language; returns its index.
  int AddCatalog(const std::string& name, const std::string& entryName);
  // Adds every ".clg" entry of the archive in the archive's name order and returns the row
  // the language box selects (defaultLanguageRow).
  int ListCatalogs();
  // Selects the language whose display name equals `name` exactly, or the first listed one
  // when none does, and loads its catalog; nothing changes when it is already selected or
  // when no language is listed. A catalog that cannot be read leaves none selected.
  void SelectLanguage(const std::string& name);

  // The value of `key` in `section` of the selected catalog with "\n" and "\t" expanded, or
  // `defaultText` (null counts as empty) when nothing is selected or the value is empty.
  std::string GetText(const char* section, const char* key, const char* defaultText) const;
  // GetText with the key formed from a control identifier in decimal; a window without a
  // parent (a dialog) has the identifier 0.
  std::string ControlText(const char* section, int controlId, const char* defaultText) const;
  // The display name at `index`; below 0 the selected language's. The empty text when there
  // is no such language (so also when none is selected).
  std::string LanguageName(int index) const;

  int currentIndex() const { return currentIndex_; }
  int count() const { return static_cast<int>(languageNames_.size()); }

 protected:
  // The text of the catalog entry `entryName`, read and checksum-tested through the archive
  // (a checksum mismatch is not looked at); false when there is nothing to read.
  virtual bool readEntry(const std::string& entryName, std::string* text);

 private:
  int currentIndex_ = -1;
  std::vector<std::string> languageNames_;
  std::vector<std::string> entryNames_;
  TResFile* archive_ = nullptr;
  TIniFile texts_;
};

// The language's display name when `entryName` names a catalog: its last four bytes are
// exactly ".clg" (so ".clg" alone is a catalog with an empty name).
bool catalogLanguageName(const std::string& entryName, std::string* language);

// The language box's default row for these display names in listing order: the row of
// "English" in any letter case, or a negative number when there is none.
int defaultLanguageRow(const std::vector<std::string>& names);

// Expands backslash-n to a carriage return and backslash-t to a tab in one pass from the
// left; a backslash before anything else stays, together with the byte after it.
std::string expandEscapes(std::string text);
