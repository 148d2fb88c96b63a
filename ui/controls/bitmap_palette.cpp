// Building a logical palette from a bitmap's colour table.
#include "ui/controls/bitmap_palette.h"

#include <vector>

namespace ui {

namespace {
constexpr unsigned kMaxTableColours = 256;
}

unsigned bitmapColourCount(const BITMAPINFOHEADER& header) {
  if (header.biClrUsed) return header.biClrUsed;
  // 1 << 32 would overflow for 32-bit bitmaps; any depth above 8 bits is "more than 256".
  return header.biBitCount <= 8 ? 1u << header.biBitCount : kMaxTableColours + 1;
}

HPALETTE createBitmapPalette(HDC bitmapDc, const BITMAPINFOHEADER& header, HDC target) {
  const unsigned colours = bitmapColourCount(header);
  if (colours > kMaxTableColours) return CreateHalftonePalette(target);
  RGBQUAD table[kMaxTableColours];
  const UINT read = GetDIBColorTable(bitmapDc, 0, colours, table);
  if (read == 0) return CreateHalftonePalette(target);
  std::vector<unsigned char> storage(sizeof(LOGPALETTE) + read * sizeof(PALETTEENTRY));
  LOGPALETTE* palette = reinterpret_cast<LOGPALETTE*>(storage.data());
  palette->palVersion = 0x300;
  palette->palNumEntries = WORD(read);
  for (UINT i = 0; i < read; ++i)
    palette->palPalEntry[i] = PALETTEENTRY{table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue, 0};
  return CreatePalette(palette);
}

}  // namespace ui
