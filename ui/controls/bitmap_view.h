// A static control that shows one picture stretched over its whole client area on a plain
// background, repainting through an off-screen surface so that it never flickers. The main
// dialog shows the package's logo in it.
#pragma once

#include <cstddef>

#include "ui/win/gdi_object.h"
#include "ui/win/subclassed_window.h"

class CBitmapView : public win::SubclassedWindow {
 public:
  CBitmapView();

  // Replaces the picture with the one in `count` bytes at `bytes` (copied; the caller keeps
  // its buffer). Bytes that are not a picture give the "Image load error" box and leave the
  // view empty.
  void SetImage(const void* bytes, size_t count);

  HBITMAP bitmap() const { return m_bitmap.get(); }
  SIZE bitmapSize() const { return m_sizeBitmap; }

  // The colour under the picture.
  COLORREF m_crBackground;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnPaint();
  void drawPicture(HDC target, const RECT& area) const;

  win::OwnedBitmap m_bitmap;  // deleted exactly once: on replacement or with the view
  SIZE m_sizeBitmap = {0, 0};
};
