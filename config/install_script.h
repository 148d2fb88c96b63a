// Reading the setup script into the model. The reading itself works on a loaded TIniFile,
// so it runs anywhere; where the script's text comes from is the caller's business.
#pragma once

#include <string>

#include "config/install_config.h"

class TIniFile;
class TResFile;

// The key prefix of file type `index` ("File type 2." for 2).
std::string fileTypePrefix(int index);
// The section of file `index` ("2" for 2).
std::string fileSection(int index);

// Replaces `config` by what `script` says, reading the keys in the installer's order with the
// script's defaults. Returns the "Title" (default "Quorin Ltd"), which becomes the dialog's
// caption but is not part of the model. Nothing is validated: numbers and paths are taken
// as written; a count of 0 or below gives an empty list, one above 65535 (more records than
// a collection holds) gives 65535 records.
std::string readInstallConfig(const TIniFile& script, InstallConfig* config);

// The same from the script's text; null text reads like an empty script (a package without
// Ovix.ini installs with every default).
std::string readInstallConfigText(const char* text, InstallConfig* config);

// Reads Ovix.ini from the archive (or the disk file of that name) into `config`; a missing
// script reads like an empty one. Returns the title as readInstallConfig does.
std::string loadInstallConfig(TResFile& archive, InstallConfig* config);
