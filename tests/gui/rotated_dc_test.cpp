// The quarter-turned drawing surface on a memory bitmap: where turned drawing lands, that the
// background survives the round trip, and the failure when nothing is visible.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "ui/controls/rotated_dc.h"
#include "ui/win/gdi_object.h"
#include "ui/win/memory_context.h"
#include "ui/win/object_selection.h"
#include "ui/win/window_context.h"

namespace {

constexpr int kSize = 40;
constexpr COLORREF kWhite = RGB(255, 255, 255), kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);

class Canvas {
 public:
  Canvas() : memory_(win::WindowContext(nullptr)) {
    win::WindowContext screen(nullptr);
    bitmap_.reset(CreateCompatibleBitmap(screen, kSize, kSize));
    previous_ = SelectObject(memory_, bitmap_);
    RECT all = {0, 0, kSize, kSize};
    FillRect(memory_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  ~Canvas() { SelectObject(memory_, previous_); }
  operator HDC() const { return memory_; }
  // Pixels that differ from white, as (x, y, colour).
  std::vector<std::vector<long>> marks() const {
    std::vector<std::vector<long>> found;
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x)
        if (GetPixel(memory_, x, y) != kWhite) found.push_back({x, y, long(GetPixel(memory_, x, y))});
    return found;
  }

 private:
  win::MemoryContext memory_;
  win::OwnedBitmap bitmap_;
  HGDIOBJ previous_;
};

}  // namespace

TEST(RotatedDC, TurnedDrawingLandsTurnedAndTheBackgroundSurvives) {
  struct Case {
    int angle;
    long x, y;  // where the turned rectangle's top-left pixel lands on the canvas
  };
  const RECT rect = {10, 5, 20, 35};
  for (const Case& c : {Case{90, 10, 34}, Case{270, 19, 5}, Case{180, 19, 34}, Case{0, 10, 5}}) {
    SCOPED_TRACE(c.angle);
    Canvas canvas;
    SetPixel(canvas, 15, 20, kBlue);
    {
      CRotatedDC turned;
      ASSERT_TRUE(turned.Create(canvas, rect, c.angle, true));
      const RECT& t = turned.turnedRect();
      EXPECT_EQ((t.right - t.left) * (t.bottom - t.top), 300);
      SetPixel(turned, t.left, t.top, kRed);
    }  // destruction copies back
    std::vector<std::vector<long>> expected = {{15, 20, long(kBlue)}, {c.x, c.y, long(kRed)}};
    std::vector<std::vector<long>> marks = canvas.marks();
    std::sort(expected.begin(), expected.end(),
              [](const std::vector<long>& a, const std::vector<long>& b) {
                return a[1] != b[1] ? a[1] < b[1] : a[0] < b[0];
              });
    EXPECT_EQ(marks, expected);
  }
}

TEST(RotatedDC, NothingVisibleFailsWithNoDestinationAndAnEmptyTurnedRect) {
  Canvas canvas;
  CRotatedDC turned;
  EXPECT_FALSE(turned.Create(canvas, RECT{100, 100, 120, 140}, 90, true));
  EXPECT_TRUE(IsRectEmpty(&turned.turnedRect()));
  EXPECT_FALSE(turned.Finish());
}
