// The install worker: the run's fixed sequence of steps on its own thread.
#pragma once

#include "install/install_run.h"

// Runs the install steps in their fixed order; every step runs whatever the outcome of the one
// before, and failures are collected in `run.result`. The last action sets `installDone`, in
// every case, so the dialog's timer always sees the end.
void runInstallSteps(InstallRun& run);

// The thread function; `run` is the InstallRun to perform. Returns 0.
unsigned InstallWorker(void* run);

// The progress figure after file i (from 0) of n: an even advance that reaches 100 after the
// last file.
int progressAfterFile(int i, int n);
