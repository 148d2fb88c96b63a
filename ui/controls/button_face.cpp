// Face styles, the fill area and the bevel rings of the owner-drawn button.
#include "ui/controls/button_face.h"

#include "ui/controls/bevel_shades.h"
#include "ui/controls/colour.h"
#include "ui/win/drawing.h"

namespace ui {

namespace {

// A face: a top band of height H / divisor running from A to M, a middle band of M, and a
// bottom band running from M to B, either the last H / divisor rows or every row below the
// top band. Values are shades applied to the face colour.
struct FaceStyle {
  int top, middle, bottom;
  int divisor;
  bool bottomBelowTop;
};

const FaceStyle kStyles[kFaceStyles] = {
    {0, 0, 0, 0, false},     {24, 0, -16, 8, false}, {-16, 0, 32, 4, false},
    {32, 0, 32, 6, false},   {-16, 0, -24, 6, false}, {16, 0, -8, 2, false},
    {-8, 0, 16, 2, false},   {0, -24, 24, 6, true},  {24, -24, 24, 10, true},
};

bool ringDrawn(int32_t topLeft) { return topLeft != 0 && topLeft != kNoRing; }

}  // namespace

void fillFace(HDC dc, const RECT& area, COLORREF face, int style) {
  const int height = area.bottom - area.top;
  if (style <= 0 || style >= kFaceStyles || height <= 0) {
    win::fillSolid(dc, area, face);
    return;
  }
  const FaceStyle& s = kStyles[style];
  const COLORREF a = shiftColour(face, s.top);
  const COLORREF m = shiftColour(face, s.middle);
  const COLORREF b = shiftColour(face, s.bottom);
  const int topBand = height / s.divisor;
  const int bottomStart = s.bottomBelowTop ? topBand : height - height / s.divisor;
  for (int y = 0; y < height; ++y) {
    COLORREF colour = m;
    if (y < topBand)
      colour = blendColour(a, m, 1.0 - double(y) / topBand);
    else if (y >= bottomStart)
      colour = blendColour(m, b, 1.0 - double(y - bottomStart) / (height - bottomStart));
    win::fillSolid(dc, RECT{area.left, area.top + y, area.right, area.top + y + 1}, colour);
  }
}

void ringShades(int row, double t, int shades[6]) {
  for (int i = 0; i < 6; ++i) {
    shades[i] = bevelShades[row][i];
    if (row == 1) shades[i] = int((1.0 - t) * bevelShades[0][i] + t * bevelShades[1][i]);
  }
}

RECT faceFillArea(const RECT& rect, int row) {
  const int32_t* shades = bevelShades[row];
  int inset = 3;
  if (shades[4] == 0) {
    --inset;
    if (shades[2] == 0) {
      --inset;
      if (shades[0] == 0) --inset;
    }
  }
  return RECT{rect.left + inset, rect.top + inset, rect.right - inset, rect.bottom - inset};
}

void paintButtonFace(HDC dc, const RECT& rect, COLORREF face, int row, double t, int style) {
  fillFace(dc, faceFillArea(rect, row), face, style);
  int shades[6];
  ringShades(row, t, shades);
  RECT ring = rect;
  for (int k = 0; k < 3; ++k) {
    if (ringDrawn(bevelShades[row][2 * k]))
      win::draw3dRect(dc, ring, shiftColour(face, shades[2 * k]),
                      shiftColour(face, shades[2 * k + 1]));
    InflateRect(&ring, -1, -1);
  }
}

}  // namespace ui
