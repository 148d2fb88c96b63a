// Pixels of a window's client area, captured from inside the test into a DIB, with the few
// look-ups the drawing checks need and a BMP writer for looking at failures.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct ScreenImage {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // top-down rows of 0x00RRGGBB

  // The pixel at (x, y) as a COLORREF (0x00BBGGRR).
  COLORREF at(int x, int y) const;
  // The smallest rectangle holding every pixel of `area` for which `wanted` holds; empty when
  // there is none.
  RECT boundsOf(const RECT& area, const std::function<bool(COLORREF)>& wanted) const;
  int count(const RECT& area, const std::function<bool(COLORREF)>& wanted) const;
  // Writes a 24-bit BMP file; false when it cannot be written.
  bool saveBmp(const std::string& path) const;
};

// Paints `window` and everything below it now, then copies its client area.
ScreenImage captureClient(HWND window);

// Handles the thread's messages for `milliseconds`, so timers and paints run.
void pumpMessages(int milliseconds);

// A readable colour for failure messages.
std::string colourText(COLORREF colour);
