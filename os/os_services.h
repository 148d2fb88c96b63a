// The narrow seam through which the program reaches the operating system.
// The Win32 implementation calls the real API; the console stand-in (host, command-line tools)
// answers "failed" for everything but the message box, and tests install a recording double
// with setOsServices. No logic lives behind this interface.
#pragma once

#include <cstddef>
#include <string>

// Opaque handles handed out by the seam: a registry key, an event. Null means "none".
using OsKey = void*;
using OsEvent = void*;

enum class FolderOutcome { Created, Existed, Failed };

// The shell folders the install run places links in.
enum class ShellFolder { Programs, Desktop, Startup };

// What a shell link file holds; the link file's path is given separately.
struct ShellLink {
  std::string target;
  std::string workingFolder;
  std::string description;
  std::string arguments;
};

class OsServices {
 public:
  virtual ~OsServices() = default;

  // Message box without an owner window; style and result are Win32 MB_* and ID* values.
  virtual int messageBox(const std::string& text, const std::string& caption, unsigned style) = 0;
  // MessageBeep with the given sound type (0: the default sound).
  virtual void beep(unsigned type) = 0;
  // OemToCharA: the same number of bytes, converted from the OEM to the ANSI code page.
  virtual std::string oemToAnsi(const std::string& text) = 0;

  // Registry below HKEY_LOCAL_MACHINE. openKey opens `subKey`, creating it (class
  // "binary data", non-volatile, all access) when missing; null on failure.
  virtual OsKey openKey(const std::string& subKey) = 0;
  // Writes a REG_SZ value (text and its NUL); an empty name writes the key's default value.
  virtual bool setStringValue(OsKey key, const std::string& name, const std::string& text) = 0;
  virtual void closeKey(OsKey key) = 0;

  // Creates one folder whose parent exists.
  virtual FolderOutcome createFolder(const std::string& path) = 0;
  // The Windows and system folders, without a trailing backslash; empty on failure.
  virtual std::string windowsFolder() = 0;
  virtual std::string systemFolder() = 0;
  // A shell folder of the current user, without a trailing backslash; empty on failure.
  virtual std::string shellFolderPath(ShellFolder folder) = 0;

  // Creates or truncates `path` and writes `size` bytes of `data`; false when the file could not
  // be created or not every byte was written.
  virtual bool writeWholeFile(const std::string& path, const void* data, std::size_t size) = 0;
  virtual bool setNormalAttributes(const std::string& path) = 0;

  // COM for the calling thread (single-threaded model); every successful init is ended once.
  virtual bool initComForThread() = 0;
  virtual void endComForThread() = 0;
  // Saves a shell link file at `linkFile` (the full name, ".lnk" included). Returns the result
  // code of the last shell operation: negative on failure.
  virtual long createShellLink(const std::string& linkFile, const ShellLink& link) = 0;

  // Starts `commandLine` (CreateProcessA, current environment and folder) and waits for the
  // process to end, in slices of 90 ms; false when it could not be started.
  virtual bool runAndWait(const std::string& commandLine) = 0;
  // Makes `folder` the current folder and starts `commandLine` (WinExec, default show mode).
  virtual bool startProgram(const std::string& folder, const std::string& commandLine) = 0;
  // Opens a document with its associated program (ShellExecuteA "open"), owned by `window`.
  virtual bool openDocument(const std::string& path, void* window) = 0;

  // Events: auto-reset, created signalled, unnamed. testEvent does not wait; a true result
  // consumes the signal.
  virtual OsEvent createEvent() = 0;
  virtual void setEvent(OsEvent event) = 0;
  virtual void resetEvent(OsEvent event) = 0;
  virtual bool testEvent(OsEvent event) = 0;
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
constexpr unsigned kIconInformation = 0x40;
constexpr unsigned kTaskModal = 0x2000;
constexpr unsigned kSetForeground = 0x10000;
constexpr int kIdOk = 1;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;
}  // namespace osbox
