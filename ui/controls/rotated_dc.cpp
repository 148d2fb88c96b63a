// Creation, copy-in, copy-back and release of the quarter-turned drawing surface.
#include "ui/controls/rotated_dc.h"

#include "ui/controls/quarter_turn.h"
#include "ui/controls/turned_copy.h"
#include "ui/win/drawing.h"

namespace {
LONG width(const RECT& r) { return r.right - r.left; }
LONG height(const RECT& r) { return r.bottom - r.top; }
}  // namespace

CRotatedDC::~CRotatedDC() {
  if (!finished_) Finish();
  Release();
}

bool CRotatedDC::fail() {
  destination_ = nullptr;
  turnedRect_ = RECT{};
  return false;
}

bool CRotatedDC::Create(HDC destination, const RECT& rect, int angle, bool copyBackground) {
  if (!destination || win::isPrinter(destination)) return fail();
  RECT clip;
  if (GetClipBox(destination, &clip) == ERROR || !IntersectRect(&visibleRect_, &rect, &clip))
    return fail();
  destination_ = destination;
  quarters_ = ui::quarterTurns(angle);
  logicalRect_ = rect;
  turnedRect_ = ui::turnRect(rect, quarters_);
  turnedVisibleRect_ = ui::turnRect(visibleRect_, quarters_);
  finished_ = false;

  if (!memory_) {
    memory_ = CreateCompatibleDC(destination);
    if (!memory_) {
      finished_ = true;
      return fail();
    }
    savedBackground_ = GetBkColor(memory_);
    savedBackgroundMode_ = GetBkMode(memory_);
    savedTextColour_ = GetTextColor(memory_);
    savedFont_ = GetCurrentObject(memory_, OBJ_FONT);
    savedBitmap_ = GetCurrentObject(memory_, OBJ_BITMAP);
  }
  SetBkColor(memory_, GetBkColor(destination));
  SetBkMode(memory_, GetBkMode(destination));
  SetTextColor(memory_, GetTextColor(destination));
  SelectObject(memory_, GetCurrentObject(destination, OBJ_FONT));

  if (bitmap_ && (bitmapSize_.cx < width(turnedVisibleRect_) ||
                  bitmapSize_.cy < height(turnedVisibleRect_))) {
    SelectObject(memory_, savedBitmap_);
    DeleteObject(bitmap_);
    bitmap_ = nullptr;
  }
  if (!bitmap_) {
    bitmap_ = CreateCompatibleBitmap(destination, width(turnedVisibleRect_),
                                     height(turnedVisibleRect_));
    if (!bitmap_) {
      finished_ = true;
      return fail();
    }
    bitmapSize_ = SIZE{width(turnedVisibleRect_), height(turnedVisibleRect_)};
  }
  SetMapMode(memory_, MM_TEXT);
  SetWindowOrgEx(memory_, turnedVisibleRect_.left, turnedVisibleRect_.top, nullptr);
  SelectObject(memory_, bitmap_);

  if (copyBackground) {
    RECT around = visibleRect_;
    InflateRect(&around, 1, 1);
    copyIn(around);
  }
  return true;
}

void CRotatedDC::copyIn(const RECT& rect) {
  if (quarters_ == 0) {
    BitBlt(memory_, rect.left, rect.top, width(rect), height(rect), destination_, rect.left,
           rect.top, SRCCOPY);
    return;
  }
  POINT corners[3];
  ui::turnCorners(rect, quarters_, corners);
  ui::turnedCopy(memory_, corners, destination_, rect);
}

bool CRotatedDC::Finish() {
  if (!destination_) return false;
  if (finished_) return true;
  finished_ = true;
  const RECT& source = turnedVisibleRect_;
  if (quarters_ == 0) {
    BitBlt(destination_, source.left, source.top, width(source), height(source), memory_,
           source.left, source.top, SRCCOPY);
  } else {
    POINT corners[3];
    ui::turnCorners(source, 4 - quarters_, corners);
    ui::turnedCopy(destination_, corners, memory_, source);
  }
  return true;
}

void CRotatedDC::Release() {
  destination_ = nullptr;
  if (!memory_) return;
  SetBkColor(memory_, savedBackground_);
  SetBkMode(memory_, savedBackgroundMode_);
  SetTextColor(memory_, savedTextColour_);
  SelectObject(memory_, savedFont_);
  SelectObject(memory_, savedBitmap_);
  if (bitmap_) DeleteObject(bitmap_);
  bitmap_ = nullptr;
  bitmapSize_ = SIZE{};
  DeleteDC(memory_);
  memory_ = nullptr;
}
