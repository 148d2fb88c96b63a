// The control gallery dialog, shown modeless for the tests, and the fixture that shows it at
// the top-left of the screen and saves a screenshot of it when a test fails (or always, when
// OVIX_SCREENSHOTS is set) as <test name>.bmp in the test's folder.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/gui/gallery_ids.h"
#include "tests/gui/screen_image.h"
#include "ui/controls/bevel_line.h"
#include "ui/controls/bitmap_view.h"
#include "ui/controls/shade_button.h"
#include "ui/win/dialog.h"

// A bevel line that counts its paints.
class CountingBevelLine : public CBevelLine {
 public:
  int paints = 0;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_PAINT) ++paints;
    return CBevelLine::WindowProc(message, wParam, lParam);
  }
};

class GalleryDialog : public win::Dialog {
 public:
  GalleryDialog();

  CShadeButton idle, disabled, left, empty, hover, pressed;
  CountingBevelLine lineRight;
  CBevelLine lineLeft, lineCentre, lineEmpty, lineUp, lineDown, lineLong;
  CBitmapView logo;
  std::string group, path;

 protected:
  void DoDataExchange(win::DataExchange& exchange) override;
};

class GalleryTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The control `id`'s client area, painted now.
  ScreenImage capture(int id) { return captureClient(gallery.item(id)); }

  GalleryDialog gallery;
};
