// The device context of a window's client area outside WM_PAINT: GetDC at construction,
// ReleaseDC at destruction.
#pragma once

#include <windows.h>

namespace win {

class WindowContext {
 public:
  explicit WindowContext(HWND window) : window_(window), dc_(GetDC(window)) {}
  WindowContext(const WindowContext&) = delete;
  WindowContext& operator=(const WindowContext&) = delete;
  ~WindowContext() {
    if (dc_) ReleaseDC(window_, dc_);
  }

  operator HDC() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

}  // namespace win
