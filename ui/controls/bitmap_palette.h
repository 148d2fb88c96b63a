// The logical palette for drawing a device-independent bitmap on a palette-based display:
// the bitmap's own colour table when it has at most 256 colours, else the halftone palette.
#pragma once

#include <windows.h>

namespace ui {

// The number of colours of a bitmap: its colours-used field, or 2 to the power of its bits
// per pixel when that is 0. Depths above 8 bits count as more than 256 colours.
unsigned bitmapColourCount(const BITMAPINFOHEADER& header);

// `bitmapDc` has the bitmap selected; `target` is the context the palette is for. The caller
// owns the result.
HPALETTE createBitmapPalette(HDC bitmapDc, const BITMAPINFOHEADER& header, HDC target);

}  // namespace ui
