// The gallery dialog and its fixture.
#include "tests/gui/gallery.h"

#include <cstdlib>
#include <cstring>

#include "ui/controls/bevel_shades.h"

namespace {

// The one top-level window of the test program, shown at the top-left of the screen and left
// for the end of the process to remove.
HWND galleryHost() {
  static HWND host = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "Control gallery",
                                     WS_POPUP | WS_VISIBLE, 0, 0, 640, 400, nullptr, nullptr,
                                     GetModuleHandleA(nullptr), nullptr);
  return host;
}

}  // namespace

GalleryDialog::GalleryDialog() : Dialog(IDD_GALLERY, galleryHost()) {
  // The pixel checks are about the own face; the themed face belongs to the desktop's style.
  for (CShadeButton* button : {&idle, &disabled, &left, &empty, &hover, &pressed})
    button->useThemes = false;
}

void GalleryDialog::DoDataExchange(win::DataExchange& exchange) {
  exchange.control(IDC_BUTTON_IDLE, idle);
  exchange.control(IDC_BUTTON_DISABLED, disabled);
  exchange.control(IDC_BUTTON_LEFT, left);
  exchange.control(IDC_BUTTON_EMPTY, empty);
  exchange.control(IDC_BUTTON_HOVER, hover);
  exchange.control(IDC_BUTTON_PRESSED, pressed);
  exchange.control(IDC_LINE_RIGHT, lineRight);
  exchange.control(IDC_LINE_LEFT, lineLeft);
  exchange.control(IDC_LINE_CENTRE, lineCentre);
  exchange.control(IDC_LINE_EMPTY, lineEmpty);
  exchange.control(IDC_LINE_UP, lineUp);
  exchange.control(IDC_LINE_DOWN, lineDown);
  exchange.control(IDC_LINE_LONG, lineLong);
  exchange.control(IDC_LOGO, logo);
  exchange.comboText(IDC_COMBO, group);
  exchange.text(IDC_EDIT, path);
}

void GalleryTest::SetUp() {
  std::memcpy(bevelShades, kProgramBevelShades, sizeof(bevelShades));  // as start-up does
  ASSERT_NE(gallery.createModeless(), nullptr);
  pumpMessages(10);
}

void GalleryTest::TearDown() {
  if (!gallery.handle()) return;
  if (HasFailure() || std::getenv("OVIX_SCREENSHOTS")) {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "." + test->name() + ".bmp";
    captureClient(gallery).saveBmp(name);
  }
}
