// A control that paints or reacts by itself: the object replaces the window procedure of an
// existing window (subclassing) and sees every message first through WindowProc. The object
// is found from its window through a window property, which is how a parent dialog reflects
// WM_DRAWITEM to the control's DrawItem. The object never owns the window: destroying the
// window detaches it, and destroying the object first restores the original procedure.
#pragma once

#include "ui/win/window.h"

namespace win {

class SubclassedWindow : public Window {
 public:
  SubclassedWindow() = default;
  SubclassedWindow(const SubclassedWindow&) = delete;
  SubclassedWindow& operator=(const SubclassedWindow&) = delete;
  virtual ~SubclassedWindow();

  // Takes over `window`; false when it is null or already taken by another object.
  bool subclass(HWND window);
  // Takes over the child `id` of `dialog`.
  bool subclassItem(HWND dialog, int id) { return subclass(GetDlgItem(dialog, id)); }
  // Gives the window its original procedure back.
  void unsubclass();
  bool isAttached() const { return handle_ != nullptr; }

  // The object that took over `window`, or null.
  static SubclassedWindow* fromHandle(HWND window);

  // Paints an owner-drawn item; the parent dialog reflects WM_DRAWITEM here.
  virtual void DrawItem(const DRAWITEMSTRUCT& item) { (void)item; }

 protected:
  // Called once the window is known, before its procedure is replaced.
  virtual void PreSubclassWindow() {}
  // Every message of the window; the default hands it to the original procedure.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return callDefault(message, wParam, lParam);
  }
  LRESULT callDefault(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(previous_, handle_, message, wParam, lParam);
  }

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  WNDPROC previous_ = nullptr;
};

}  // namespace win
