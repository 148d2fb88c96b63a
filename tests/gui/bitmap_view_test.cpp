// The logo view: a 100 x 300 picture stretched over exactly the client area, the error box
// for bytes that are not a picture, replacing and deleting the bitmap, the picture loader
// and the palette of palette-based displays.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "tests/gui/gallery.h"
#include "tests/support/recording_os.h"
#include "ui/controls/bitmap_palette.h"
#include "ui/controls/picture_loader.h"
#include "ui/win/gdi_object.h"
#include "ui/win/memory_context.h"
#include "ui/win/object_selection.h"
#include "ui/win/window_context.h"

namespace {

using Blocks = COLORREF[3][2];

// A 24-bit BMP file of 100 x 300 pixels in 3 rows of 2 blocks of 50 x 100.
std::vector<unsigned char> logoFile(const Blocks& blocks) {
  const int width = 100, height = 300, rowBytes = width * 3;
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER info = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + rowBytes * height;
  info.biSize = sizeof(info);
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  std::vector<unsigned char> bytes(file.bfSize);
  std::memcpy(bytes.data(), &file, sizeof(file));
  std::memcpy(bytes.data() + sizeof(file), &info, sizeof(info));
  for (int y = 0; y < height; ++y) {  // bottom-up rows
    unsigned char* row = bytes.data() + file.bfOffBits + size_t(height - 1 - y) * rowBytes;
    for (int x = 0; x < width; ++x) {
      COLORREF c = blocks[y / 100][x / 50];
      row[x * 3] = GetBValue(c);
      row[x * 3 + 1] = GetGValue(c);
      row[x * 3 + 2] = GetRValue(c);
    }
  }
  return bytes;
}

const Blocks kFirst = {{RGB(200, 0, 0), RGB(0, 200, 0)},
                       {RGB(0, 0, 200), RGB(200, 200, 0)},
                       {RGB(0, 200, 200), RGB(200, 0, 200)}};
const Blocks kSecond = {{RGB(10, 20, 30), RGB(40, 50, 60)},
                        {RGB(70, 80, 90), RGB(100, 110, 120)},
                        {RGB(130, 140, 150), RGB(160, 170, 180)}};

void expectStretched(const ScreenImage& image, const Blocks& blocks) {
  const int w = image.width, h = image.height;
  ASSERT_GT(w, 20);
  ASSERT_GT(h, 20);
  // The corners show the picture's corners: no margin, no letter-box.
  EXPECT_EQ(image.at(0, 0), blocks[0][0]);
  EXPECT_EQ(image.at(w - 1, 0), blocks[0][1]);
  EXPECT_EQ(image.at(0, h - 1), blocks[2][0]);
  EXPECT_EQ(image.at(w - 1, h - 1), blocks[2][1]);
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 2; ++column) {
      const int x = (2 * column + 1) * w / 4, y = (2 * row + 1) * h / 6;
      EXPECT_EQ(image.at(x, y), blocks[row][column]) << x << "," << y;
    }
  // Block edges fall where the stretch puts them, within a pixel.
  EXPECT_EQ(image.at(w / 2 - 2, h / 2), blocks[1][0]);
  EXPECT_EQ(image.at(w / 2 + 1, h / 2), blocks[1][1]);
  EXPECT_EQ(image.at(w / 4, h / 3 - 2), blocks[0][0]);
  EXPECT_EQ(image.at(w / 4, h / 3 + 1), blocks[1][0]);
}

}  // namespace

TEST_F(GalleryTest, LogoIsStretchedOverExactlyTheClientArea) {
  std::vector<unsigned char> file = logoFile(kFirst);
  gallery.logo.SetImage(file.data(), file.size());
  EXPECT_EQ(gallery.logo.bitmapSize().cx, 100);
  EXPECT_EQ(gallery.logo.bitmapSize().cy, 300);
  expectStretched(capture(IDC_LOGO), kFirst);
}

TEST_F(GalleryTest, SecondPictureReplacesTheFirstAndReleasesItsBitmap) {
  std::vector<unsigned char> first = logoFile(kFirst), second = logoFile(kSecond);
  gallery.logo.SetImage(first.data(), first.size());
  HBITMAP old = gallery.logo.bitmap();
  ASSERT_NE(old, nullptr);
  gallery.logo.SetImage(second.data(), second.size());
  EXPECT_EQ(GetObjectType(old), 0u) << "the first bitmap still exists";
  expectStretched(capture(IDC_LOGO), kSecond);
}

TEST_F(GalleryTest, BytesThatAreNotAPictureShowTheErrorBoxAndLeaveTheViewBlank) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  auto blank = [&](const ScreenImage& image) {
    return image.count(RECT{0, 0, image.width, image.height},
                       [&](COLORREF c) { return c != face; });
  };
  EXPECT_EQ(blank(capture(IDC_LOGO)), 0) << "before any picture";

  std::vector<unsigned char> file = logoFile(kFirst);
  gallery.logo.SetImage(file.data(), file.size());
  RecordingOs os;
  const char garbage[] = "this is not a picture";
  gallery.logo.SetImage(garbage, sizeof(garbage));
  ASSERT_EQ(os.boxes.size(), 1u);
  EXPECT_EQ(os.boxes[0].text, "Image load error");
  EXPECT_EQ(os.boxes[0].caption, "Error");
  EXPECT_EQ(os.boxes[0].style, osbox::kOk);
  EXPECT_EQ(gallery.logo.bitmap(), nullptr);
  EXPECT_EQ(blank(capture(IDC_LOGO)), 0);

  gallery.logo.SetImage(file.data(), 10);  // a file header cut short
  EXPECT_EQ(os.boxes.size(), 2u);
  gallery.logo.SetImage(nullptr, 0);
  EXPECT_EQ(os.boxes.size(), 3u);
}

TEST(BitmapView, DestroyingTheViewDeletesItsBitmap) {
  std::vector<unsigned char> file = logoFile(kFirst);
  HBITMAP shown;
  {
    CBitmapView view;  // no window: a picture can be loaded before the view is bound
    view.SetImage(file.data(), file.size());
    shown = view.bitmap();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(GetObjectType(shown), DWORD(OBJ_BITMAP));
  }
  EXPECT_EQ(GetObjectType(shown), 0u);
}

TEST(PictureLoader, ComesFromOlepro32Ordinal251) {
  bool fromOlepro32 = false;
  EXPECT_NE(ui::findPictureLoader(&fromOlepro32), nullptr);
  EXPECT_TRUE(fromOlepro32);
}

TEST(BitmapPalette, ColourTableUpTo256ColoursElseHalftone) {
  BITMAPINFOHEADER header = {};
  header.biBitCount = 4;
  EXPECT_EQ(ui::bitmapColourCount(header), 16u);
  header.biClrUsed = 3;
  EXPECT_EQ(ui::bitmapColourCount(header), 3u);
  header.biClrUsed = 0;
  header.biBitCount = 32;
  EXPECT_GT(ui::bitmapColourCount(header), 256u);

  // A 4-bit section with 16 colours gives a palette of exactly those colours.
  win::WindowContext screen(nullptr);
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[16];
  } info = {};
  info.header.biSize = sizeof(info.header);
  info.header.biWidth = 4;
  info.header.biHeight = 4;
  info.header.biPlanes = 1;
  info.header.biBitCount = 4;
  for (int i = 0; i < 16; ++i) info.colours[i] = RGBQUAD{BYTE(i), BYTE(2 * i), BYTE(3 * i), 0};
  void* bits = nullptr;
  win::OwnedBitmap section(CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&info),
                                            DIB_RGB_COLORS, &bits, nullptr, 0));
  win::MemoryContext memory(screen);
  win::ObjectSelection select(memory, section);
  win::OwnedPalette palette(ui::createBitmapPalette(memory, info.header, screen));
  PALETTEENTRY entries[256];
  ASSERT_EQ(GetPaletteEntries(palette, 0, 256, entries), 16u);
  EXPECT_EQ(entries[5].peRed, 15);  // red from the table's red
  EXPECT_EQ(entries[5].peGreen, 10);
  EXPECT_EQ(entries[5].peBlue, 5);

  info.header.biBitCount = 24;
  win::OwnedPalette halftone(ui::createBitmapPalette(memory, info.header, screen));
  EXPECT_GT(GetPaletteEntries(halftone, 0, 0, nullptr), 16u);
}
