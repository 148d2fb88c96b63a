// The device context of one WM_PAINT: BeginPaint at construction, EndPaint at destruction.
#pragma once

#include <windows.h>

namespace win {

class PaintContext {
 public:
  explicit PaintContext(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
  PaintContext(const PaintContext&) = delete;
  PaintContext& operator=(const PaintContext&) = delete;
  ~PaintContext() { EndPaint(window_, &paint_); }

  operator HDC() const { return dc_; }
  const RECT& paintRect() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_;
  HDC dc_;
};

}  // namespace win
