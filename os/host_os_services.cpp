// The OS services on the Linux host, where no Win32 user interface exists: the console ones.
#include "os/console_os_services.h"

OsServices& platformOsServices() { return consoleOsServices(); }
