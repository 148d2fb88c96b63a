// Subclassing by window-procedure replacement, with the object kept in a window property.
#include "ui/win/subclassed_window.h"

#include "ui/win/callback_guard.h"

namespace win {

namespace {
const char kObjectProperty[] = "OvixWindowObject";
}

SubclassedWindow::~SubclassedWindow() { unsubclass(); }

bool SubclassedWindow::subclass(HWND window) {
  if (!window || handle_ || fromHandle(window)) return false;
  handle_ = window;
  PreSubclassWindow();
  SetPropA(window, kObjectProperty, this);
  previous_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&procedure)));
  return true;
}

void SubclassedWindow::unsubclass() {
  if (!handle_) return;
  // Only put the old procedure back when nobody subclassed the window after us.
  if (GetWindowLongPtrA(handle_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&procedure))
    SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
  RemovePropA(handle_, kObjectProperty);
  handle_ = nullptr;
}

SubclassedWindow* SubclassedWindow::fromHandle(HWND window) {
  return window ? static_cast<SubclassedWindow*>(GetPropA(window, kObjectProperty)) : nullptr;
}

LRESULT CALLBACK SubclassedWindow::procedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  SubclassedWindow* self = fromHandle(window);
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    WNDPROC previous = self->previous_;
    self->unsubclass();
    return CallWindowProcA(previous, window, message, wParam, lParam);
  }
  return guardCallback<LRESULT>([&] { return self->WindowProc(message, wParam, lParam); });
}

}  // namespace win
