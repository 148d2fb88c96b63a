// Compares the shape of captured text with a reference rendering turned by quarter turns, so
// a test can tell which way a caption reads.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct InkMask {
  int width = 0;
  int height = 0;
  std::vector<char> ink;  // row by row, 1 where there is ink

  bool at(int x, int y) const { return ink[size_t(y) * width + x] != 0; }
  int inkCount() const;
  // The mask turned by `quarters` quarter turns counter-clockwise as seen on the screen
  // (one quarter turn makes left-to-right text read bottom to top).
  InkMask turned(int quarters) const;
};

// `text` drawn left to right in `font` and `colour` on `background`: the ink is every pixel
// that is not the background. With `width` above 0 the text is cut to that width with an
// ellipsis.
InkMask renderText(const std::string& text, HFONT font, COLORREF colour, COLORREF background,
                   int width = 0);

// The best intersection-over-union of `pattern` placed anywhere inside `image`.
double bestOverlap(const InkMask& image, const InkMask& pattern);
