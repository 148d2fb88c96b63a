// Quarter-turn transfers through PlgBlt, or through our own pixel turning where PlgBlt fails.
#include "ui/controls/turned_copy.h"

#include <cstdint>
#include <initializer_list>

#include "ui/win/gdi_object.h"
#include "ui/win/memory_context.h"
#include "ui/win/object_selection.h"
#include "ui/win/drawing.h"
#include "ui/win/window_context.h"

namespace ui {

namespace {

int floorHalf(int twice) { return twice >= 0 ? twice / 2 : -((1 - twice) / 2); }

int sign(int value) { return (value > 0) - (value < 0); }

bool copyTurningPixels(HDC to, const POINT corners[3], HDC from, const RECT& source) {
  const int width = source.right - source.left, height = source.bottom - source.top;
  if (width <= 0 || height <= 0) return true;
  // Unit steps on the destination for one pixel along the source's x and y axes.
  const POINT stepX = {sign(corners[1].x - corners[0].x), sign(corners[1].y - corners[0].y)};
  const POINT stepY = {sign(corners[2].x - corners[0].x), sign(corners[2].y - corners[0].y)};
  const POINT opposite = {corners[1].x + corners[2].x - corners[0].x,
                     corners[1].y + corners[2].y - corners[0].y};
  RECT box = {corners[0].x, corners[0].y, corners[0].x, corners[0].y};
  for (POINT p : {corners[1], corners[2], opposite}) {
    if (p.x < box.left) box.left = p.x;
    if (p.x > box.right) box.right = p.x;
    if (p.y < box.top) box.top = p.y;
    if (p.y > box.bottom) box.bottom = p.y;
  }
  const int boxWidth = box.right - box.left, boxHeight = box.bottom - box.top;
  if (long(boxWidth) * boxHeight != long(width) * height) return false;

  win::MemoryContext sourceDc(from), turnedDc(from);
  uint32_t *sourceBits = nullptr, *turnedBits = nullptr;
  win::OwnedBitmap sourcePixels(win::createTopDownDib(from, width, height, &sourceBits));
  win::OwnedBitmap turnedPixels(win::createTopDownDib(from, boxWidth, boxHeight, &turnedBits));
  if (!sourceDc || !turnedDc || !sourcePixels || !turnedPixels) return false;
  win::ObjectSelection selectSource(sourceDc, sourcePixels);
  win::ObjectSelection selectTurned(turnedDc, turnedPixels);
  BitBlt(sourceDc, 0, 0, width, height, from, source.left, source.top, SRCCOPY);
  GdiFlush();
  for (int j = 0; j < height; ++j) {
    for (int i = 0; i < width; ++i) {
      // The centre of source pixel (i, j), doubled to stay in integers.
      const int x = floorHalf(2 * corners[0].x + stepX.x * (2 * i + 1) + stepY.x * (2 * j + 1));
      const int y = floorHalf(2 * corners[0].y + stepX.y * (2 * i + 1) + stepY.y * (2 * j + 1));
      turnedBits[size_t(y - box.top) * boxWidth + (x - box.left)] =
          sourceBits[size_t(j) * width + i];
    }
  }
  return BitBlt(to, box.left, box.top, boxWidth, boxHeight, turnedDc, 0, 0, SRCCOPY) != FALSE;
}

bool probePlgBlt() {
  win::WindowContext screen(nullptr);
  win::MemoryContext sourceDc(screen), targetDc(screen);
  uint32_t *sourceBits = nullptr, *targetBits = nullptr;
  win::OwnedBitmap source(win::createTopDownDib(screen, 2, 1, &sourceBits));
  win::OwnedBitmap target(win::createTopDownDib(screen, 4, 4, &targetBits));
  if (!sourceDc || !targetDc || !source || !target) return false;
  sourceBits[0] = 0xFFFFFF;
  sourceBits[1] = 0x000000;
  for (int i = 0; i < 16; ++i) targetBits[i] = 0x808080;
  win::ObjectSelection selectSource(sourceDc, source);
  win::ObjectSelection selectTarget(targetDc, target);
  // A quarter turn: the source's x axis runs up from (1, 3), its y axis to the right.
  const POINT corners[3] = {{1, 3}, {1, 1}, {2, 3}};
  PlgBlt(targetDc, corners, sourceDc, 0, 0, 2, 1, nullptr, 0, 0);
  GdiFlush();
  return (targetBits[2 * 4 + 1] & 0xFFFFFF) == 0xFFFFFF && (targetBits[1 * 4 + 1] & 0xFFFFFF) == 0;
}

}  // namespace

bool platformTurnsPictures() {
  static const bool turns = probePlgBlt();
  return turns;
}

bool turnedCopy(HDC to, const POINT corners[3], HDC from, const RECT& source) {
  if (platformTurnsPictures())
    return PlgBlt(to, corners, from, source.left, source.top, source.right - source.left,
                  source.bottom - source.top, nullptr, 0, 0) != FALSE;
  return copyTurningPixels(to, corners, from, source);
}

}  // namespace ui
