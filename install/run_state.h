// The run state that the main dialog hands to the install worker and the worker hands back.
// The dialog writes the texts and flags before it starts the worker; while the worker runs it
// is their only writer, and the dialog's timer only reads progressPercent and tests installDone.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "os/os_services.h"

struct RunState {
  std::string installFolder;  // the worker appends a backslash
  std::string programGroup;   // relative to Programs; the worker makes it the full path
  std::int32_t desktopShortcut = 0;
  std::int32_t startupShortcut = 0;
  std::atomic<std::int32_t> progressPercent{0};
  OsEvent installDone = nullptr;  // auto-reset; set by the worker as its last action
  // Numbers the "%d.folder" records; lives as long as the program and is never reset.
  int folderRecordCounter = 0;
};
