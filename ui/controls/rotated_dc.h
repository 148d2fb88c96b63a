// An off-screen drawing surface for drawing turned by quarter turns: the caller draws into
// this memory context in turned coordinates (inside turnedRect), and Finish copies the result
// back onto the destination turned the other way. The bitmap covers only the visible part of
// the target and is kept for the next Create while it is large enough.
#pragma once

#include <windows.h>

class CRotatedDC {
 public:
  CRotatedDC() = default;
  CRotatedDC(HDC destination, const RECT& rect, int angle, bool copyBackground) {
    Create(destination, rect, angle, copyBackground);
  }
  CRotatedDC(const CRotatedDC&) = delete;
  CRotatedDC& operator=(const CRotatedDC&) = delete;
  ~CRotatedDC();

  // Prepares the memory context for drawing `rect` of `destination` turned by `angle`
  // degrees; copyBackground brings the destination's pixels in first. False when the
  // destination is a printer, nothing of `rect` is visible or no memory context can be made;
  // then there is no destination and turnedRect is empty.
  bool Create(HDC destination, const RECT& rect, int angle, bool copyBackground);
  // Copies the drawing back once; false when there is no destination.
  bool Finish();
  // Forgets the destination and frees the memory context and its bitmap.
  void Release();

  // The memory context the caller draws into.
  operator HDC() const { return memory_; }
  const RECT& turnedRect() const { return turnedRect_; }
  int quarterTurns() const { return quarters_; }

 private:
  bool fail();
  // Copies `rect` of the destination into the memory context, turned.
  void copyIn(const RECT& rect);

  HDC destination_ = nullptr;
  RECT logicalRect_ = {};
  RECT visibleRect_ = {};
  RECT turnedRect_ = {};
  RECT turnedVisibleRect_ = {};
  int quarters_ = 0;
  HDC memory_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  SIZE bitmapSize_ = {};
  bool finished_ = true;
  // The memory context's own attributes when it was made, restored before it is deleted.
  COLORREF savedBackground_ = 0;
  int savedBackgroundMode_ = 0;
  COLORREF savedTextColour_ = 0;
  HGDIOBJ savedFont_ = nullptr;
  HGDIOBJ savedBitmap_ = nullptr;
};
