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

}  // namespace win
