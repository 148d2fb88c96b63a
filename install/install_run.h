// Everything one install run works on, handed to each of its steps.
#pragma once

#include "install/entry_source.h"
#include "install/install_model.h"
#include "install/install_result.h"
#include "install/run_state.h"
#include "os/os_services.h"

struct InstallRun {
  InstallRun(OsServices& os, InstallConfig& config, RunState& state, EntrySource& entries,
             InstallResult& result)
      : os(os), config(config), state(state), entries(entries), result(result) {}

  OsServices& os;
  InstallConfig& config;
  RunState& state;
  EntrySource& entries;
  InstallResult& result;

  OsKey productKey = nullptr;  // open from run step 2 to step 10
  bool groupReady = false;     // the program group's full path is known (run step 3)
  int fileRecordCounter = 0;   // numbers the "%d.file" records of this run
  int keyRecordCounter = 0;    // numbers the "%d.regkey" records of this run
};
