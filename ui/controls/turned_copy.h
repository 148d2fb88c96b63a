// A pixel transfer onto a parallelogram turned by quarter turns. It uses PlgBlt; where the
// platform's PlgBlt does not turn the picture (checked once with a two-pixel probe; Wine only
// places it), the pixels are turned here through device-independent bitmaps instead.
#pragma once

#include <windows.h>

namespace ui {

// Copies `source` of `from` onto `to`, so that the source's top-left, top-right and
// bottom-left corners land on corners[0], corners[1] and corners[2]. The corners must make a
// rectangle of the source's size turned by a multiple of 90 degrees.
bool turnedCopy(HDC to, const POINT corners[3], HDC from, const RECT& source);

// Whether PlgBlt turns pictures correctly on this system (probed once).
bool platformTurnsPictures();

}  // namespace ui
