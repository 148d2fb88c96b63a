// Colour arithmetic of the custom controls, on 0x00BBGGRR colour values.
#pragma once

#include <windows.h>

namespace ui {

// Adds `delta` to each of red, green and blue, clamping each to 0..255.
COLORREF shiftColour(COLORREF colour, int delta);
// Per channel t * a + (1 - t) * b for 0 <= t <= 1, truncated toward zero.
COLORREF blendColour(COLORREF a, COLORREF b, double t);
// Per channel (a * weightA + b * weightB) / (weightA + weightB), integer division.
COLORREF mixColour(COLORREF a, int weightA, COLORREF b, int weightB);

}  // namespace ui
