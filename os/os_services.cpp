// Selection of the OS services in force.
#include "os/os_services.h"

OsServices& platformOsServices();  // defined by the platform's implementation

namespace {
OsServices* installed = nullptr;
}

OsServices& osServices() { return installed ? *installed : platformOsServices(); }

OsServices* setOsServices(OsServices* services) {
  OsServices* previous = installed;
  installed = services;
  return previous;
}
