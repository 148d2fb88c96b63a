// Small drawing helpers on a device context that leave its attributes as they found them.
#pragma once

#include <windows.h>

#include <cstdint>

namespace win {

// Fills `rect` with a solid colour.
void fillSolid(HDC dc, const RECT& rect, COLORREF colour);
// A one-pixel frame: the top and left edges in `topLeft`, the right and bottom edges in
// `bottomRight`; the top-right and bottom-left corner pixels belong to the bottom-right edges.
void draw3dRect(HDC dc, const RECT& rect, COLORREF topLeft, COLORREF bottomRight);
// True when the context draws on a printer.
bool isPrinter(HDC dc);
// A 32-bit top-down DIB section of `width` x `height` pixels compatible with `dc`; `bits`
// receives its pixels, row by row from the top. Null on failure; the caller deletes it.
HBITMAP createTopDownDib(HDC dc, int width, int height, std::uint32_t** bits);

}  // namespace win
