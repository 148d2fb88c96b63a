// The application object: one per program. run() prepares the common controls and calls
// InitInstance; a program whose InitInstance returns false ends there, otherwise a message
// loop runs until WM_QUIT.
#pragma once

#include <windows.h>

namespace win {

class Application {
 public:
  Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;
  virtual ~Application();

  // Sets the program up; false ends the program without a message loop.
  virtual bool InitInstance() = 0;
  // Returns the process exit code.
  int run();

  // The one application object, or null before it is constructed.
  static Application* current();
  // The module that holds the program's resources.
  HINSTANCE instance() const { return GetModuleHandleA(nullptr); }

  HWND mainWindow = nullptr;
};

}  // namespace win
