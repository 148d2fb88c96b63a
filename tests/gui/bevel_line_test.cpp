// The bevel line on the screen: the two-pixel sunken line, caption placement and padding for
// the three alignments, the engraved disabled caption, the turned captions of vertical lines
// and the single repaint on enabling; plus the placement table and quarter-turn arithmetic.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/gui/gallery.h"
#include "tests/gui/mask_match.h"
#include "ui/controls/bevel_caption.h"
#include "ui/controls/colour.h"
#include "ui/controls/quarter_turn.h"
#include "ui/win/object_selection.h"
#include "ui/win/window_context.h"

namespace {

COLORREF face() { return GetSysColor(COLOR_BTNFACE); }
COLORREF shadow() { return GetSysColor(COLOR_BTNSHADOW); }
COLORREF highlight() { return GetSysColor(COLOR_BTNHIGHLIGHT); }
COLORREF engravedDark() {
  return ui::mixColour(GetSysColor(COLOR_3DDKSHADOW), 1, GetSysColor(COLOR_BTNSHADOW), 1);
}

int textWidth(HWND control, const char* text) {
  win::WindowContext dc(control);
  win::ObjectSelection selectFont(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
  SIZE size;
  GetTextExtentPoint32A(dc, text, int(strlen(text)), &size);
  return size.cx;
}

int paddingWidth(HWND control) { return textWidth(control, "  "); }

// The columns [left, right) of row `y` where the line's shadow is interrupted around column
// `inside`: the erased caption area.
std::pair<int, int> gapAround(const ScreenImage& image, int y, int inside) {
  int left = inside, right = inside + 1;
  while (left > 0 && image.at(left - 1, y) != shadow()) --left;
  while (right < image.width && image.at(right, y) != shadow()) ++right;
  return {left, right};
}

// Checks the horizontal line in columns [from, to) and nothing but face above and below it.
void expectHorizontalLine(const ScreenImage& image, int from, int to) {
  const int y = image.height / 2;
  for (int x = from; x < to; ++x) {
    EXPECT_EQ(image.at(x, y), shadow()) << "x " << x;
    EXPECT_EQ(image.at(x, y + 1), highlight()) << "x " << x;
    EXPECT_EQ(image.at(x, y - 1), face()) << "x " << x;
    EXPECT_EQ(image.at(x, y + 2), face()) << "x " << x;
  }
}

bool isInk(COLORREF c) { return c != face(); }

// The caption's ink of a vertical line, leaving out the line itself.
InkMask verticalInk(const ScreenImage& image) {
  InkMask mask;
  mask.width = image.width;
  mask.height = image.height;
  const int x0 = image.width / 2;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      COLORREF c = image.at(x, y);
      bool line = (x == x0 && c == shadow()) || (x == x0 + 1 && c == highlight());
      mask.ink.push_back(c != face() && !line);
    }
  return mask;
}

}  // namespace

TEST_F(GalleryTest, HorizontalLineWithRightCaptionEndingTenPixelsBeforeTheEdge) {
  ScreenImage image = capture(IDC_LINE_RIGHT);
  const int w = image.width, y = image.height / 2;
  expectHorizontalLine(image, 1, 40);
  expectHorizontalLine(image, w - 10, w - 1);
  EXPECT_NE(image.at(w - 11, y), shadow());

  auto gap = gapAround(image, y, w - 11);
  EXPECT_EQ(gap.second, w - 10);
  RECT ink = image.boundsOf(RECT{gap.first, 0, gap.second, image.height}, isInk);
  ASSERT_FALSE(IsRectEmpty(&ink));
  // The caption "Ovix Product 1.0 " ends with a space of its own.
  EXPECT_LE(ink.right, w - 10 - textWidth(gallery.lineRight, " "));
  EXPECT_GE(ink.right, w - 10 - textWidth(gallery.lineRight, " ") - 3);
  // Two spaces of padding on the inner side, none on the outer.
  EXPECT_GE(ink.left - gap.first, paddingWidth(gallery.lineRight));
  // Disabled: engraved in the averaged dark shade over a highlight copy.
  const RECT captionArea = {gap.first, 0, gap.second, image.height};
  EXPECT_GT(image.count(captionArea, [](COLORREF c) { return c == engravedDark(); }), 10);
  EXPECT_GT(image.count(captionArea, [](COLORREF c) { return c == highlight(); }), 10);
  EXPECT_EQ(image.count(captionArea, [](COLORREF c) { return c == GetSysColor(COLOR_BTNTEXT); }), 0);
}

TEST_F(GalleryTest, HorizontalLineWithLeftCaptionStartingTenPixelsAfterTheEdge) {
  ScreenImage image = capture(IDC_LINE_LEFT);
  const int y = image.height / 2;
  expectHorizontalLine(image, 1, 10);
  auto gap = gapAround(image, y, 10);
  EXPECT_EQ(gap.first, 10);
  RECT ink = image.boundsOf(RECT{gap.first, 0, gap.second, image.height}, isInk);
  ASSERT_FALSE(IsRectEmpty(&ink));
  EXPECT_GE(ink.left, 10);
  EXPECT_LE(ink.left, 10 + paddingWidth(gallery.lineLeft));  // the caption's own two spaces
  // Two spaces after the caption; the last letter may overhang its advance by a pixel.
  EXPECT_GE(gap.second - ink.right, paddingWidth(gallery.lineLeft) - 1);
}

TEST_F(GalleryTest, CentredCaptionSitsInTheMiddleOfTheLine) {
  ScreenImage image = capture(IDC_LINE_CENTRE);
  auto gap = gapAround(image, image.height / 2, image.width / 2);
  EXPECT_LE(std::abs(gap.first - (image.width - gap.second)), 2);
  RECT ink = image.boundsOf(RECT{gap.first, 0, gap.second, image.height}, isInk);
  EXPECT_GT(image.count(ink, [](COLORREF c) { return c == GetSysColor(COLOR_BTNTEXT); }), 10);
}

TEST_F(GalleryTest, EmptyCaptionLeavesOnlyTheLine) {
  ScreenImage image = capture(IDC_LINE_EMPTY);
  const int y = image.height / 2;
  expectHorizontalLine(image, 0, image.width - 1);
  EXPECT_EQ(image.count(RECT{0, 0, image.width, y}, isInk), 0);
  EXPECT_EQ(image.count(RECT{0, y + 2, image.width, image.height}, isInk), 0);
}

TEST_F(GalleryTest, VerticalCaptionsReadBottomToTopOrWithATildeTopToBottom) {
  struct Case {
    int id;
    const char* shown;
    int quarters;
    bool atBottom;
  };
  for (const Case& c : {Case{IDC_LINE_UP, "Upwards  ", 1, true},
                        Case{IDC_LINE_DOWN, "Downwards  ", 3, false}}) {
    SCOPED_TRACE(c.shown);
    ScreenImage image = capture(c.id);
    ASSERT_GT(image.height, image.width);
    const int x0 = image.width / 2;
    EXPECT_EQ(image.at(x0, c.atBottom ? 2 : image.height - 3), shadow());
    EXPECT_EQ(image.at(x0 + 1, c.atBottom ? 2 : image.height - 3), highlight());

    InkMask ink = verticalInk(image);
    InkMask text = renderText(c.shown, gallery.item(c.id).font(), GetSysColor(COLOR_BTNTEXT), face());
    const double right = bestOverlap(ink, text.turned(c.quarters));
    const double wrong = bestOverlap(ink, text.turned(4 - c.quarters));
    EXPECT_GT(right, 0.9);
    EXPECT_LT(wrong, 0.7);

    // Left-aligned: the caption starts at the line's end where its reading begins.
    RECT box = image.boundsOf(RECT{0, 0, image.width, image.height},
                              [](COLORREF col) { return col == GetSysColor(COLOR_BTNTEXT); });
    if (c.atBottom)
      EXPECT_GT(box.top, image.height / 2);
    else
      EXPECT_LT(box.bottom, image.height / 2);
  }
}

TEST_F(GalleryTest, CaptionLongerThanTheLineEndsInAnEllipsis) {
  ScreenImage image = capture(IDC_LINE_LONG);
  const std::string caption = gallery.lineLong.text() + "  ";
  auto gap = gapAround(image, image.height / 2, image.width - 1);
  EXPECT_EQ(gap.first, 10);
  EXPECT_EQ(gap.second, image.width);

  InkMask ink;
  ink.width = image.width;
  ink.height = image.height;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) ink.ink.push_back(x >= 10 && isInk(image.at(x, y)));
  const HFONT font = gallery.lineLong.font();
  const COLORREF text = GetSysColor(COLOR_BTNTEXT);
  const double cut = bestOverlap(ink, renderText(caption, font, text, face(), image.width - 10));
  const double clipped = bestOverlap(ink, renderText(caption, font, text, face()));
  EXPECT_GT(cut, 0.9);
  EXPECT_LT(clipped, cut - 0.05);
}

TEST_F(GalleryTest, EnablingALineRepaintsItOnceInItsNewLook) {
  pumpMessages(10);
  gallery.lineRight.paints = 0;
  EnableWindow(gallery.lineRight, TRUE);
  UpdateWindow(gallery.lineRight);
  pumpMessages(10);
  EXPECT_EQ(gallery.lineRight.paints, 1);
  ScreenImage image = capture(IDC_LINE_RIGHT);
  const RECT all = {0, 0, image.width, image.height};
  EXPECT_EQ(image.count(all, [](COLORREF c) { return c == engravedDark(); }), 0);
  EXPECT_GT(image.count(all, [](COLORREF c) { return c == GetSysColor(COLOR_BTNTEXT); }), 10);
}

TEST(BevelCaption, PlacementTableForTurnedCaptions) {
  using ui::CaptionAlignment;
  const RECT line = {50, 0, 52, 200};
  struct Case {
    int angle;
    CaptionAlignment alignment;
    RECT expected;
  };
  for (const Case& c : {
           Case{90, CaptionAlignment::left, {43, 160, 56, 201}},
           Case{90, CaptionAlignment::centre, {43, 80, 56, 121}},
           Case{90, CaptionAlignment::right, {42, 0, 56, 41}},
           Case{270, CaptionAlignment::left, {45, 0, 58, 41}},
           Case{270, CaptionAlignment::right, {44, 160, 58, 201}},
           Case{0, CaptionAlignment::centre, {80, -6, 120, 8}},
       }) {
    const RECT k = ui::placeCaption(c.angle, c.alignment,
                                    c.angle ? line : RECT{0, 0, 200, 2}, 40, 13);
    EXPECT_TRUE(EqualRect(&k, &c.expected))
        << c.angle << ": " << k.left << "," << k.top << "," << k.right << "," << k.bottom;
  }
  EXPECT_EQ(ui::padCaption("x", CaptionAlignment::left), "x  ");
  EXPECT_EQ(ui::padCaption("x", CaptionAlignment::centre), "  x  ");
  EXPECT_EQ(ui::padCaption("x", CaptionAlignment::right), "  x");
  EXPECT_EQ(ui::captionAlignment(SS_RIGHT | WS_DISABLED), CaptionAlignment::right);
  EXPECT_EQ(ui::captionAlignment(SS_SUNKEN | 7), CaptionAlignment::left);
}

TEST(QuarterTurn, AnglesBecomeQuarterTurnsAndTurnsUndoEachOther) {
  const int cases[][2] = {{0, 0},   {90, 1},  {180, 2}, {270, 3}, {360, 0},
                          {-90, 3}, {450, 1}, {89, 0},  {-45, 0}, {-180, 2}};
  for (const auto& c : cases) EXPECT_EQ(ui::quarterTurns(c[0]), c[1]) << c[0];
  const RECT rect = {10, 5, 20, 35};
  for (int q = 0; q < 4; ++q) {
    RECT back = ui::turnRect(ui::turnRect(rect, q), 4 - q);
    EXPECT_TRUE(EqualRect(&back, &rect)) << q;
  }
  const RECT turned = ui::turnRect(rect, 1);
  const RECT expected = {-35, 10, -5, 20};
  EXPECT_TRUE(EqualRect(&turned, &expected));
}
