// A static control that paints a two-pixel sunken line through its middle with its window
// text set into the line: horizontal when the control is wider than high, otherwise vertical
// with the caption turned by 90 degrees (reading bottom to top) or, when the text begins with
// a tilde, by 270 degrees. A disabled control draws its caption engraved.
#pragma once

#include <string>

#include "ui/win/subclassed_window.h"

class CBevelLine : public win::SubclassedWindow {
 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnPaint();
  // Draws the caption left-aligned and vertically centred in `box`, cut with an ellipsis;
  // a disabled control first draws it in the highlight colour moved by `offset`.
  void drawCaption(HDC dc, const std::string& caption, RECT box, POINT offset);
};
