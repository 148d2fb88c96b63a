// The caption placement table of the bevel line.
#include "ui/controls/bevel_caption.h"

namespace ui {

CaptionAlignment captionAlignment(LONG_PTR style) {
  switch (style & 0x1F) {
    case 1:
      return CaptionAlignment::centre;
    case 2:
      return CaptionAlignment::right;
    default:
      return CaptionAlignment::left;
  }
}

std::string padCaption(const std::string& caption, CaptionAlignment alignment) {
  const std::string padding = "  ";
  std::string padded = caption;
  if (alignment != CaptionAlignment::left) padded = padding + padded;
  if (alignment != CaptionAlignment::right) padded += padding;
  return padded;
}

RECT placeCaption(int angle, CaptionAlignment alignment, const RECT& line, int w, int h) {
  RECT k = {};
  if (angle == 0) {
    k.top = line.top - h / 2;
    k.bottom = k.top + h;
    switch (alignment) {
      case CaptionAlignment::left:
        k.left = line.left + 10;
        break;
      case CaptionAlignment::centre:
        k.left = line.left + (line.right - w - line.left) / 2;
        break;
      case CaptionAlignment::right:
        k.left = line.right - 10 - w;
        break;
    }
    k.right = k.left + w;
  } else {
    k.left = line.left - h / 2 + (angle == 90 ? -1 : 1);
    k.right = k.left + h;
    // Text at 90 degrees starts at the bottom, at 270 degrees at the top.
    const bool startsAtBottom = angle == 90;
    if (alignment == CaptionAlignment::centre)
      k.top = line.top + (line.bottom - line.top - w) / 2;
    else if ((alignment == CaptionAlignment::left) == startsAtBottom)
      k.top = line.bottom - w;
    else
      k.top = line.top;
    k.bottom = k.top + w;
  }
  k.bottom += 1;
  if (alignment == CaptionAlignment::right) k.left -= 1;
  return k;
}

}  // namespace ui
