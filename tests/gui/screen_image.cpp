// Window capture through BitBlt from the window's device context, and BMP output.
#include "tests/gui/screen_image.h"

#include <cstdio>
#include <fstream>

#include "ui/win/drawing.h"
#include "ui/win/gdi_object.h"
#include "ui/win/memory_context.h"
#include "ui/win/object_selection.h"
#include "ui/win/window_context.h"

COLORREF ScreenImage::at(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
  uint32_t p = pixels[size_t(y) * width + x];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

RECT ScreenImage::boundsOf(const RECT& area, const std::function<bool(COLORREF)>& wanted) const {
  RECT box = {0, 0, 0, 0};
  bool any = false;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) {
      if (!wanted(at(x, y))) continue;
      if (!any) box = RECT{x, y, x + 1, y + 1};
      any = true;
      if (x < box.left) box.left = x;
      if (x + 1 > box.right) box.right = x + 1;
      if (y < box.top) box.top = y;
      if (y + 1 > box.bottom) box.bottom = y + 1;
    }
  return box;
}

int ScreenImage::count(const RECT& area, const std::function<bool(COLORREF)>& wanted) const {
  int n = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) n += wanted(at(x, y)) ? 1 : 0;
  return n;
}

bool ScreenImage::saveBmp(const std::string& path) const {
  const int rowBytes = (width * 3 + 3) & ~3;
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER info = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + DWORD(rowBytes) * height;
  info.biSize = sizeof(info);
  info.biWidth = width;
  info.biHeight = height;  // bottom-up
  info.biPlanes = 1;
  info.biBitCount = 24;
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof(file));
  out.write(reinterpret_cast<const char*>(&info), sizeof(info));
  std::vector<unsigned char> row(size_t(rowBytes), 0);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      uint32_t p = pixels[size_t(y) * width + x];
      row[size_t(x) * 3] = p & 0xFF;
      row[size_t(x) * 3 + 1] = (p >> 8) & 0xFF;
      row[size_t(x) * 3 + 2] = (p >> 16) & 0xFF;
    }
    out.write(reinterpret_cast<const char*>(row.data()), rowBytes);
  }
  return bool(out);
}

ScreenImage captureClient(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  ScreenImage image;
  RECT client;
  GetClientRect(window, &client);
  image.width = client.right;
  image.height = client.bottom;
  if (image.width <= 0 || image.height <= 0) return image;

  win::WindowContext screen(window);
  uint32_t* bits = nullptr;
  win::OwnedBitmap dib(win::createTopDownDib(screen, image.width, image.height, &bits));
  win::MemoryContext memory(screen);
  {
    win::ObjectSelection select(memory, dib);
    BitBlt(memory, 0, 0, image.width, image.height, screen, 0, 0, SRCCOPY);
    GdiFlush();
  }
  const uint32_t* source = bits;
  image.pixels.assign(source, source + size_t(image.width) * image.height);
  for (uint32_t& p : image.pixels) p &= 0xFFFFFF;
  return image;
}

void pumpMessages(int milliseconds) {
  const DWORD end = GetTickCount() + DWORD(milliseconds);
  do {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(1);
  } while (LONG(GetTickCount() - end) < 0);
}

std::string colourText(COLORREF colour) {
  char text[32];
  std::snprintf(text, sizeof(text), "rgb(%u,%u,%u)", unsigned(GetRValue(colour)),
                unsigned(GetGValue(colour)), unsigned(GetBValue(colour)));
  return text;
}
