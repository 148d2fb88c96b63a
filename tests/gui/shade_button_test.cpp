// The owner-drawn button as it appears on the screen: gradient rows and bevel rings of the
// idle, hot (part-way and complete) and pressed looks, caption placement, the engraved
// disabled caption, and the fade driven by real timers.
#include <gtest/gtest.h>

#include "tests/gui/gallery.h"
#include "ui/controls/bevel_shades.h"
#include "ui/controls/colour.h"

namespace {

using ui::blendColour;
using ui::shiftColour;

COLORREF buttonFace() { return GetSysColor(COLOR_BTNFACE); }

// Face style 6 over an area `height` rows high: darker towards the top of the upper half,
// lighter towards the bottom of the lower half.
COLORREF style6Row(COLORREF face, int height, int y) {
  const int topBand = height / 2, bottomStart = height - height / 2;
  if (y < topBand) return blendColour(shiftColour(face, -8), face, 1.0 - double(y) / topBand);
  if (y < bottomStart) return face;
  return blendColour(face, shiftColour(face, 16),
                     1.0 - double(y - bottomStart) / (height - bottomStart));
}

// Checks the rings drawn from the outside in at the middles of their four edges: each entry
// of `shades` is a top-left, bottom-right pair; rings past `rings` must not be there (the
// face's gradient shows instead, checked by expectGradient).
void expectRings(const ScreenImage& image, COLORREF face, const int* shades, int rings) {
  const int w = image.width, h = image.height;
  for (int k = 0; k < rings; ++k) {
    const COLORREF topLeft = shiftColour(face, shades[2 * k]);
    const COLORREF bottomRight = shiftColour(face, shades[2 * k + 1]);
    SCOPED_TRACE("ring " + std::to_string(k + 1));
    EXPECT_EQ(image.at(k, h / 2), topLeft) << colourText(image.at(k, h / 2));
    EXPECT_EQ(image.at(w / 4, k), topLeft) << colourText(image.at(w / 4, k));
    EXPECT_EQ(image.at(w - 1 - k, h / 2), bottomRight) << colourText(image.at(w - 1 - k, h / 2));
    EXPECT_EQ(image.at(w / 4, h - 1 - k), bottomRight) << colourText(image.at(w / 4, h - 1 - k));
  }
}

// Every row of the fill area, inset by `inset`, at a column left of the caption.
void expectGradient(const ScreenImage& image, COLORREF face, int inset) {
  const int fillHeight = image.height - 2 * inset;
  for (int y = 0; y < fillHeight; ++y) {
    const COLORREF expected = style6Row(face, fillHeight, y);
    EXPECT_EQ(image.at(inset + 1, inset + y), expected)
        << "row " << y << ": " << colourText(image.at(inset + 1, inset + y)) << " instead of "
        << colourText(expected);
  }
}

bool isTextColour(COLORREF c) { return c == GetSysColor(COLOR_BTNTEXT); }

RECT inside(const ScreenImage& image, int inset) {
  return RECT{inset, inset, image.width - inset, image.height - inset};
}

// Puts `button` into the hot state and moves its fade to `step` without the real timers.
void hoverAt(CShadeButton& button, int step) {
  RECT client = button.clientRect();
  button.send(WM_MOUSEMOVE, 0, MAKELPARAM(client.right / 2, client.bottom / 2));
  KillTimer(button, kFadeTimer);
  KillTimer(button, kLeaveCheckTimer);
  for (int i = 0; i < step; ++i) button.send(WM_TIMER, kFadeTimer);
}

}  // namespace

TEST(ColourArithmetic, ShiftsClampBlendsAndMixesTruncate) {
  EXPECT_EQ(shiftColour(RGB(10, 128, 250), 10), RGB(20, 138, 255));
  EXPECT_EQ(shiftColour(RGB(10, 128, 250), -20), RGB(0, 108, 230));
  EXPECT_EQ(blendColour(RGB(255, 0, 100), RGB(0, 255, 101), 0.5), RGB(127, 127, 100));
  EXPECT_EQ(blendColour(RGB(1, 2, 3), RGB(9, 9, 9), 1.0), RGB(1, 2, 3));
  EXPECT_EQ(ui::mixColour(RGB(0, 10, 255), 3, RGB(255, 20, 0), 2), RGB(102, 14, 153));
}

TEST_F(GalleryTest, IdleButtonShowsTheProgramsTwoSoftRingsAndTheStyle6Gradient) {
  ScreenImage image = capture(IDC_BUTTON_IDLE);
  ASSERT_GT(image.height, 12);
  const COLORREF face = shiftColour(buttonFace(), 5);
  expectRings(image, face, kProgramBevelShades[0], 2);
  expectGradient(image, face, 2);
  EXPECT_GT(image.count(inside(image, 3), isTextColour), 0) << "no caption";
}

TEST_F(GalleryTest, HotButtonBlendsFaceAndRingsByTheFadeStep) {
  for (int step : {3, 5}) {
    SCOPED_TRACE("fade step " + std::to_string(step));
    hoverAt(gallery.hover, step);
    ASSERT_TRUE(gallery.hover.isHovering());
    ASSERT_EQ(gallery.hover.currentFadeStep(), step);
    ScreenImage image = capture(IDC_BUTTON_HOVER);
    const COLORREF face =
        ui::mixColour(shiftColour(buttonFace(), 5), 5 - step, shiftColour(buttonFace(), 25), step);
    const double t = step * 0.2;
    int shades[6];
    for (int i = 0; i < 6; ++i)
      shades[i] = int((1.0 - t) * kProgramBevelShades[0][i] + t * kProgramBevelShades[1][i]);
    expectRings(image, face, shades, 3);
    expectGradient(image, face, 3);
  }
}

TEST_F(GalleryTest, PressedButtonShowsRow2AndMovesTheCaptionByOnePixel) {
  ScreenImage before = capture(IDC_BUTTON_PRESSED);
  gallery.pressed.send(BM_SETSTATE, TRUE);
  ScreenImage image = capture(IDC_BUTTON_PRESSED);
  const COLORREF face = shiftColour(buttonFace(), 5);
  expectRings(image, face, kProgramBevelShades[2], 2);
  RECT idleText = before.boundsOf(inside(before, 3), isTextColour);
  RECT pressedText = image.boundsOf(inside(image, 3), isTextColour);
  ASSERT_FALSE(IsRectEmpty(&idleText));
  EXPECT_EQ(pressedText.left, idleText.left + 1);
  EXPECT_EQ(pressedText.top, idleText.top + 1);
  EXPECT_EQ(pressedText.right, idleText.right + 1);
  EXPECT_EQ(pressedText.bottom, idleText.bottom + 1);
}

TEST_F(GalleryTest, DisabledButtonEngravesItsCaptionLightThenDarkUpAndLeft) {
  ScreenImage image = capture(IDC_BUTTON_DISABLED);
  const COLORREF face = shiftColour(buttonFace(), 5);
  const COLORREF light = shiftColour(face, 48), dark = shiftColour(face, -80);
  const RECT area = inside(image, 3);
  RECT lightBox = image.boundsOf(area, [&](COLORREF c) { return c == light; });
  RECT darkBox = image.boundsOf(area, [&](COLORREF c) { return c == dark; });
  ASSERT_FALSE(IsRectEmpty(&darkBox));
  ASSERT_FALSE(IsRectEmpty(&lightBox));
  // The light copy shows where the dark one does not cover it: along its right and bottom.
  EXPECT_EQ(lightBox.right, darkBox.right + 1);
  EXPECT_EQ(lightBox.bottom, darkBox.bottom + 1);
  EXPECT_EQ(image.count(area, isTextColour), 0);
}

TEST_F(GalleryTest, LeftAlignedCaptionStartsThreePixelsFromTheEdgeOthersAreCentred) {
  ScreenImage leftImage = capture(IDC_BUTTON_LEFT);
  RECT leftText = leftImage.boundsOf(inside(leftImage, 3), isTextColour);
  ASSERT_FALSE(IsRectEmpty(&leftText));
  EXPECT_GE(leftText.left, 3);
  EXPECT_LE(leftText.left, 5);  // the first letter's own side bearing

  ScreenImage centred = capture(IDC_BUTTON_IDLE);
  RECT text = centred.boundsOf(inside(centred, 3), isTextColour);
  EXPECT_LE(std::abs(text.left - (centred.width - text.right)), 3);
}

TEST_F(GalleryTest, ButtonWithoutCaptionDrawsOnlyItsFace) {
  ScreenImage image = capture(IDC_BUTTON_EMPTY);
  const COLORREF face = shiftColour(buttonFace(), 5);
  expectRings(image, face, kProgramBevelShades[0], 2);
  const int fillHeight = image.height - 4;
  for (int y = 0; y < fillHeight; ++y) {
    const COLORREF row = style6Row(face, fillHeight, y);
    EXPECT_EQ(image.count(RECT{2, 2 + y, image.width - 2, 3 + y},
                          [&](COLORREF c) { return c != row; }),
              0)
        << "row " << y;
  }
}

TEST_F(GalleryTest, MouseOverFadesInAndLeavingFadesOutThroughTheLeaveCheck) {
  RECT button;
  GetWindowRect(gallery.hover, &button);
  SetCursorPos((button.left + button.right) / 2, (button.top + button.bottom) / 2);
  gallery.hover.send(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  pumpMessages(250);  // six fade ticks of 30 ms
  EXPECT_TRUE(gallery.hover.isHovering());
  EXPECT_EQ(gallery.hover.currentFadeStep(), kFadeSteps);

  // No WM_MOUSEMOVE outside arrives: only the leave check can notice.
  SetCursorPos(button.right + 200, button.bottom + 200);
  pumpMessages(300);
  EXPECT_FALSE(gallery.hover.isHovering());
  EXPECT_EQ(gallery.hover.currentFadeStep(), 0);
  expectRings(capture(IDC_BUTTON_HOVER), shiftColour(buttonFace(), 5), kProgramBevelShades[0], 2);
}

TEST_F(GalleryTest, LosingTheFocusEndsTheHotLookAtOnce) {
  hoverAt(gallery.hover, 2);
  gallery.hover.send(WM_KILLFOCUS);
  EXPECT_FALSE(gallery.hover.isHovering());
}
