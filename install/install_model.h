// How the install run reaches the setup-script model's lists: by number, with a null answer
// for a number outside the list, since the script's file numbers are taken as written.
#pragma once

#include "config/install_config.h"

inline int fileCount(const InstallConfig& config) { return int(config.files.size()); }
inline int fileTypeCount(const InstallConfig& config) { return int(config.fileTypes.size()); }

inline FileEntry* fileAt(InstallConfig& config, long index) {
  return index >= 0 && index < fileCount(config) ? &config.files[std::size_t(index)] : nullptr;
}
inline const FileEntry* fileAt(const InstallConfig& config, long index) {
  return fileAt(const_cast<InstallConfig&>(config), index);
}
inline const FileTypeEntry* fileTypeAt(const InstallConfig& config, int index) {
  return index >= 0 && index < fileTypeCount(config) ? &config.fileTypes[std::size_t(index)]
                                                     : nullptr;
}

// A file's full path: its target folder followed by its create name.
inline std::string fullPath(const FileEntry& file) { return file.targetFolder + file.createName; }
