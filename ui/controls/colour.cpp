// Shifting, blending and mixing of colours channel by channel.
#include "ui/controls/colour.h"

namespace ui {

namespace {

int channel(COLORREF colour, int index) { return int((colour >> (8 * index)) & 0xFF); }

COLORREF fromChannels(const int values[3]) {
  return RGB(values[0], values[1], values[2]);
}

}  // namespace

COLORREF shiftColour(COLORREF colour, int delta) {
  int values[3];
  for (int i = 0; i < 3; ++i) {
    int value = channel(colour, i) + delta;
    values[i] = value < 0 ? 0 : value > 255 ? 255 : value;
  }
  return fromChannels(values);
}

COLORREF blendColour(COLORREF a, COLORREF b, double t) {
  int values[3];
  for (int i = 0; i < 3; ++i) values[i] = int(t * channel(a, i) + (1.0 - t) * channel(b, i));
  return fromChannels(values);
}

COLORREF mixColour(COLORREF a, int weightA, COLORREF b, int weightB) {
  int values[3];
  for (int i = 0; i < 3; ++i)
    values[i] = (channel(a, i) * weightA + channel(b, i) * weightB) / (weightA + weightB);
  return fromChannels(values);
}

}  // namespace ui
