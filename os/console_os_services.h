// OS services for programs without a user interface: a message box goes to standard error
// and answers as if its first button was chosen. The Linux host uses them as its platform
// services; command-line tools install them on Windows so that no box waits for a click.
#pragma once

#include "os/os_services.h"

OsServices& consoleOsServices();
