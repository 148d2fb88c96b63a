// Solid fills and three-dimensional frames.
#include "ui/win/drawing.h"

namespace win {

void fillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  COLORREF previous = SetBkColor(dc, colour);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  SetBkColor(dc, previous);
}

void draw3dRect(HDC dc, const RECT& rect, COLORREF topLeft, COLORREF bottomRight) {
  const LONG left = rect.left, top = rect.top, right = rect.right, bottom = rect.bottom;
  if (right <= left || bottom <= top) return;
  fillSolid(dc, RECT{left, top, right - 1, top + 1}, topLeft);
  fillSolid(dc, RECT{left, top, left + 1, bottom - 1}, topLeft);
  fillSolid(dc, RECT{right - 1, top, right, bottom}, bottomRight);
  fillSolid(dc, RECT{left, bottom - 1, right, bottom}, bottomRight);
}

bool isPrinter(HDC dc) { return GetDeviceCaps(dc, TECHNOLOGY) == DT_RASPRINTER; }

HBITMAP createTopDownDib(HDC dc, int width, int height, std::uint32_t** bits) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
  *bits = static_cast<std::uint32_t*>(pixels);
  return bitmap;
}

}  // namespace win
