// Reference text rendering and mask comparison.
#include "tests/gui/mask_match.h"

#include <cstdint>

#include "ui/win/drawing.h"
#include "ui/win/gdi_object.h"
#include "ui/win/memory_context.h"
#include "ui/win/object_selection.h"
#include "ui/win/window_context.h"

int InkMask::inkCount() const {
  int n = 0;
  for (char c : ink) n += c;
  return n;
}

InkMask InkMask::turned(int quarters) const {
  InkMask out = *this;
  for (int q = 0; q < (quarters & 3); ++q) {
    InkMask next;
    next.width = out.height;
    next.height = out.width;
    next.ink.assign(out.ink.size(), 0);
    // Counter-clockwise: the source's left column becomes the bottom row.
    for (int y = 0; y < out.height; ++y)
      for (int x = 0; x < out.width; ++x)
        next.ink[size_t(out.width - 1 - x) * next.width + y] = out.ink[size_t(y) * out.width + x];
    out = next;
  }
  return out;
}

InkMask renderText(const std::string& text, HFONT font, COLORREF colour, COLORREF background,
                   int width) {
  win::WindowContext screen(nullptr);
  win::MemoryContext memory(screen);
  win::ObjectSelection selectFont(memory, font);
  SIZE size;
  GetTextExtentPoint32A(memory, text.c_str(), int(text.size()), &size);
  InkMask mask;
  mask.width = (width > 0 ? width : size.cx) + 4;
  mask.height = size.cy + 4;
  uint32_t* bits = nullptr;
  win::OwnedBitmap dib(win::createTopDownDib(screen, mask.width, mask.height, &bits));
  {
    win::ObjectSelection selectBitmap(memory, dib);
    RECT all = {0, 0, mask.width, mask.height};
    SetBkColor(memory, background);
    ExtTextOutA(memory, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
    SetBkMode(memory, TRANSPARENT);
    SetTextColor(memory, colour);
    RECT box = {2, 2, mask.width - 2, mask.height - 2};
    DrawTextA(memory, text.c_str(), int(text.size()), &box, DT_SINGLELINE | DT_END_ELLIPSIS);
    GdiFlush();
  }
  const uint32_t* pixels = bits;
  const uint32_t back = (GetRValue(background) << 16) | (GetGValue(background) << 8) | GetBValue(background);
  mask.ink.resize(size_t(mask.width) * mask.height);
  for (size_t i = 0; i < mask.ink.size(); ++i) mask.ink[i] = (pixels[i] & 0xFFFFFF) != back;
  return mask;
}

double bestOverlap(const InkMask& image, const InkMask& pattern) {
  const int total = image.inkCount() + pattern.inkCount();
  double best = 0;
  for (int dy = -pattern.height; dy <= image.height; ++dy)
    for (int dx = -pattern.width; dx <= image.width; ++dx) {
      int both = 0;
      for (int y = 0; y < pattern.height; ++y) {
        const int iy = y + dy;
        if (iy < 0 || iy >= image.height) continue;
        for (int x = 0; x < pattern.width; ++x) {
          const int ix = x + dx;
          if (ix >= 0 && ix < image.width && pattern.at(x, y) && image.at(ix, iy)) ++both;
        }
      }
      const double overlap = double(both) / (total - both);
      if (overlap > best) best = overlap;
    }
  return best;
}
