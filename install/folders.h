// Folders of the install run: creating a path's missing folders with their removal records,
// the installation folder, and the folder each file goes to.
#pragma once

#include <string>

#include "install/install_run.h"

// Creates every missing folder along `path` that ends at a separator ('\' or '/'), outermost
// first, recording each one it created as "%d.folder" with backslashes as separators. The last
// component of a path that does not end with a separator is not made a folder. Returns 1.
int CreateFolderPath(InstallRun& run, const std::string& path);

// `path` with a backslash appended unless it ends with one already.
std::string withTrailingBackslash(const std::string& path);

// Run step 1: installFolder gets its trailing backslash and its folders are created.
void makeInstallFolder(InstallRun& run);

// Sets `file.targetFolder`: the installation folder, or the Windows or system folder (Windows
// wins when both are asked for). False, with a failure noted, when that folder is unknown.
bool chooseTargetFolder(InstallRun& run, FileEntry& file);
