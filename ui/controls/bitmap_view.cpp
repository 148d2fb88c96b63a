// Loading and flicker-free stretched painting of the logo view.
#include "ui/controls/bitmap_view.h"

#include <cstring>

#include "os/os_services.h"
#include "ui/controls/bitmap_palette.h"
#include "ui/controls/picture_loader.h"
#include "ui/win/drawing.h"
#include "ui/win/memory_context.h"
#include "ui/win/object_selection.h"
#include "ui/win/paint_context.h"

CBitmapView::CBitmapView() : m_crBackground(GetSysColor(COLOR_BTNFACE)) {}

void CBitmapView::SetImage(const void* bytes, size_t count) {
  m_bitmap.reset();
  m_sizeBitmap = SIZE{0, 0};
  HBITMAP loaded = ui::loadPictureBitmap(bytes, count);
  if (!loaded) {
    osServices().messageBox("Image load error", "Error", osbox::kOk);
  } else {
    m_bitmap.reset(loaded);
    BITMAP description;
    if (GetObjectA(loaded, sizeof(description), &description))
      m_sizeBitmap = SIZE{description.bmWidth, description.bmHeight};
  }
  if (handle_) invalidate(false);
}

LRESULT CBitmapView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return TRUE;  // painting covers the whole client area
    default:
      return callDefault(message, wParam, lParam);
  }
}

void CBitmapView::OnPaint() {
  win::PaintContext window(handle_);
  const RECT area = clientRect();
  const int width = area.right - area.left, height = area.bottom - area.top;
  // Off-screen surface in window coordinates; a printer, or a failure, draws directly.
  win::MemoryContext surface(win::isPrinter(window) ? nullptr : HDC(window));
  win::OwnedBitmap pixels(surface ? CreateCompatibleBitmap(window, width, height) : nullptr);
  const bool offScreen = surface && pixels;
  HDC target = offScreen ? HDC(surface) : HDC(window);
  win::ObjectSelection selectPixels(surface, offScreen ? pixels.get() : nullptr);
  if (offScreen) SetWindowOrgEx(surface, area.left, area.top, nullptr);

  win::fillSolid(target, area, m_crBackground);
  if (m_bitmap) drawPicture(target, area);
  if (offScreen) BitBlt(window, area.left, area.top, width, height, surface, area.left, area.top, SRCCOPY);
}

void CBitmapView::drawPicture(HDC target, const RECT& area) const {
  win::MemoryContext source(target);
  if (!source) return;
  win::ObjectSelection selectBitmap(source, m_bitmap.get());
  DIBSECTION section;
  std::memset(&section, 0, sizeof(section));
  if (GetObjectA(m_bitmap.get(), sizeof(section), &section) == 0) return;
  if (section.dsBmih.biBitCount == 0) section.dsBmih.biBitCount = section.dsBm.bmBitsPixel;

  // The picture fills the whole area whatever its proportions; rows and columns are dropped
  // or repeated, not blended.
  const int oldMode = SetStretchBltMode(target, COLORONCOLOR);
  const int width = area.right - area.left, height = area.bottom - area.top;
  auto stretch = [&] {
    StretchBlt(target, area.left, area.top, width, height, source, 0, 0, m_sizeBitmap.cx,
               m_sizeBitmap.cy, SRCCOPY);
  };
  if (GetDeviceCaps(target, RASTERCAPS) & RC_PALETTE) {
    win::OwnedPalette palette(ui::createBitmapPalette(source, section.dsBmih, target));
    HPALETTE previous = SelectPalette(target, palette, FALSE);
    RealizePalette(target);
    stretch();
    SelectPalette(target, previous, FALSE);
  } else {
    stretch();
  }
  SetStretchBltMode(target, oldMode);
}
