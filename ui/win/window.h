// A non-owning handle of a window: converts to HWND, so wrapper calls and raw Win32 calls mix
// freely. Copying it copies the handle; destroying it leaves the window alone.
#pragma once

#include <windows.h>

#include <string>

namespace win {

class Window {
 public:
  Window(HWND handle = nullptr) : handle_(handle) {}

  operator HWND() const { return handle_; }
  HWND handle() const { return handle_; }

  LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return SendMessageA(handle_, message, wParam, lParam);
  }
  // The child with control identifier `id`, or a null window.
  Window item(int id) const { return Window(GetDlgItem(handle_, id)); }

  std::string text() const;
  void setText(const std::string& text) const { SetWindowTextA(handle_, text.c_str()); }

  LONG_PTR style() const { return GetWindowLongPtrA(handle_, GWL_STYLE); }
  RECT clientRect() const;
  // The font the window reports (WM_GETFONT); null for the system font.
  HFONT font() const { return reinterpret_cast<HFONT>(send(WM_GETFONT)); }
  bool isEnabled() const { return IsWindowEnabled(handle_) != FALSE; }
  void enable(bool enabled) const { EnableWindow(handle_, enabled ? TRUE : FALSE); }
  void show(int command) const { ShowWindow(handle_, command); }
  void invalidate(bool erase = true) const { InvalidateRect(handle_, nullptr, erase ? TRUE : FALSE); }
  // The owner of a child or pop-up window, or else its parent.
  HWND ownerOrParent() const;

 protected:
  HWND handle_;
};

}  // namespace win
