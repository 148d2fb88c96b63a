// The program group and the shortcuts of the install run, each recorded for removal.
#pragma once

#include <string>

#include "install/install_run.h"

// Saves the shell link `linkPath` + ".lnk"; returns the shell's result code (negative on
// failure), and notes a failure in the run's result.
long CreateShortcut(InstallRun& run, const std::string& target, const std::string& workingFolder,
                    const std::string& linkPath, const std::string& description,
                    const std::string& arguments);

// Run step 3: programGroup becomes Programs\group\ (full path, trailing backslash), its missing
// folders are created and recorded, and "Program folder" is written.
void makeProgramGroup(InstallRun& run);

// Run step 5.3: the file's shortcut in the program group, when it names one, and its record.
void makeGroupShortcut(InstallRun& run, const FileEntry& file);

// Run steps 7 and 8: the main program's shortcut on the desktop or in Startup, and its record.
void makeMainShortcut(InstallRun& run, ShellFolder folder);
