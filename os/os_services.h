// The narrow seam through which the program reaches the operating system.
// The Win32 implementation calls the real API; the host build has a console stand-in, and
// tests install a recording double with setOsServices. No logic lives behind this interface.
#pragma once

#include <string>

class OsServices {
 public:
  virtual ~OsServices() = default;

  // Message box without an owner window; style and result are Win32 MB_* and ID* values.
  virtual int messageBox(const std::string& text, const std::string& caption, unsigned style) = 0;
  // MessageBeep with the given sound type (0: the default sound).
  virtual void beep(unsigned type) = 0;
  // OemToCharA: the same number of bytes, converted from the OEM to the ANSI code page.
  virtual std::string oemToAnsi(const std::string& text) = 0;
};

// The services in force: the platform's own unless a test installed others.
OsServices& osServices();
// Installs `services` (not owned; null restores the platform's own); returns the previous ones.
OsServices* setOsServices(OsServices* services);

// Win32 message box styles and results the portable code passes through the seam.
namespace osbox {
constexpr unsigned kOk = 0x0;
constexpr unsigned kYesNo = 0x4;
constexpr unsigned kIconStop = 0x10;
constexpr unsigned kTaskModal = 0x2000;
constexpr unsigned kSetForeground = 0x10000;
constexpr int kIdOk = 1;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;
}  // namespace osbox
