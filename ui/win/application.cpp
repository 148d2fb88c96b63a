// The application object's start and message loop.
#include "ui/win/application.h"

#include <commctrl.h>

namespace win {

namespace {
Application* theOne = nullptr;
}

Application::Application() { theOne = this; }

Application::~Application() {
  if (theOne == this) theOne = nullptr;
}

Application* Application::current() { return theOne; }

int Application::run() {
  // The dialogs use list views, tree views and progress bars from the common controls.
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  if (!InitInstance()) return 0;
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return int(message.wParam);
}

}  // namespace win
