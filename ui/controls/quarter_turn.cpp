// Quarter-turn arithmetic.
#include "ui/controls/quarter_turn.h"

namespace ui {

int quarterTurns(int degrees) {
  int quarters = (degrees / 90) % 4;
  return quarters < 0 ? quarters + 4 : quarters;
}

POINT turnPoint(POINT point, int quarters) {
  static const int kSine[4] = {0, -1, 0, 1};
  static const int kCosine[4] = {1, 0, -1, 0};
  const int s = kSine[quarters & 3], c = kCosine[quarters & 3];
  return POINT{c * point.x + s * point.y, c * point.y - s * point.x};
}

RECT turnRect(const RECT& rect, int quarters) {
  POINT a = turnPoint(POINT{rect.left, rect.top}, quarters);
  POINT b = turnPoint(POINT{rect.right, rect.bottom}, quarters);
  return RECT{a.x < b.x ? a.x : b.x, a.y < b.y ? a.y : b.y, a.x < b.x ? b.x : a.x,
              a.y < b.y ? b.y : a.y};
}

void turnCorners(const RECT& rect, int quarters, POINT corners[3]) {
  corners[0] = turnPoint(POINT{rect.left, rect.top}, quarters);
  corners[1] = turnPoint(POINT{rect.right, rect.top}, quarters);
  corners[2] = turnPoint(POINT{rect.left, rect.bottom}, quarters);
}

}  // namespace ui
