// The OS services on Windows: message boxes, events and processes.
#include "os/win32_os_services.h"

#include <windows.h>

#include <vector>

int Win32OsServices::messageBox(const std::string& text, const std::string& caption,
                                unsigned style) {
  return MessageBoxA(nullptr, text.c_str(), caption.c_str(), style);
}

void Win32OsServices::beep(unsigned type) { MessageBeep(type); }

std::string Win32OsServices::oemToAnsi(const std::string& text) {
  std::string converted(text);
  if (!converted.empty()) OemToCharBuffA(text.data(), &converted[0], DWORD(text.size()));
  return converted;
}

bool Win32OsServices::runAndWait(const std::string& commandLine) {
  // CreateProcessA may write into the command line, so it gets a buffer of its own, sized to fit.
  std::vector<char> buffer(commandLine.begin(), commandLine.end());
  buffer.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return false;
  while (WaitForSingleObject(process.hProcess, 90) == WAIT_TIMEOUT) {
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

bool Win32OsServices::startProgram(const std::string& folder, const std::string& commandLine) {
  SetCurrentDirectoryA(folder.c_str());
  return WinExec(commandLine.c_str(), SW_SHOWDEFAULT) > 31;
}

OsEvent Win32OsServices::createEvent() { return CreateEventA(nullptr, FALSE, TRUE, nullptr); }
void Win32OsServices::setEvent(OsEvent event) { SetEvent(event); }
void Win32OsServices::resetEvent(OsEvent event) { ResetEvent(event); }
bool Win32OsServices::testEvent(OsEvent event) {
  return WaitForSingleObject(event, 0) == WAIT_OBJECT_0;
}

OsServices& platformOsServices() {
  static Win32OsServices services;
  return services;
}
