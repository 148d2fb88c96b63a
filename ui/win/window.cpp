// Window text, client area and owner look-ups of the non-owning window handle.
#include "ui/win/window.h"

namespace win {

std::string Window::text() const {
  int length = GetWindowTextLengthA(handle_);
  if (length <= 0) return std::string();
  std::string text(size_t(length) + 1, '\0');
  int copied = GetWindowTextA(handle_, &text[0], length + 1);
  text.resize(copied > 0 ? size_t(copied) : 0);
  return text;
}

RECT Window::clientRect() const {
  RECT rect = {0, 0, 0, 0};
  GetClientRect(handle_, &rect);
  return rect;
}

HWND Window::ownerOrParent() const {
  HWND owner = GetWindow(handle_, GW_OWNER);
  return owner ? owner : GetParent(handle_);
}

}  // namespace win
