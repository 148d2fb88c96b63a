// Turning points and rectangles by quarter turns, for drawing text at 90 and 270 degrees.
// The turn of q maps (x, y) to (c·x + s·y, c·y − s·x) with (s, c) = (0, 1), (−1, 0), (0, −1),
// (1, 0) for q = 0..3; the turn of 4 − q undoes it. With q = 1, text written left to right in
// turned coordinates reads bottom to top on the window; with q = 3, top to bottom.
#pragma once

#include <windows.h>

namespace ui {

// Quarter turns of `degrees`: (degrees / 90) mod 4 in 0..3, truncating toward zero first.
int quarterTurns(int degrees);
POINT turnPoint(POINT point, int quarters);
// Turns both corners and takes the smallest and largest x and y of the results.
RECT turnRect(const RECT& rect, int quarters);
// The images of the corners (left, top), (right, top) and (left, bottom): the three points of a
// parallelogram transfer.
void turnCorners(const RECT& rect, int quarters, POINT corners[3]);

}  // namespace ui
