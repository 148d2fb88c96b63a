// Painting, hover tracking and fading of the owner-drawn button.
#include "ui/controls/shade_button.h"

#include <windowsx.h>

#include <string>

#include "ui/controls/button_face.h"
#include "ui/controls/colour.h"
#include "ui/controls/theme_library.h"
#include "ui/win/saved_dc_state.h"

namespace {

// Theme part and states of a push button.
constexpr int kPushButtonPart = 1;
constexpr int kStateNormal = 1, kStateHot = 2, kStatePressed = 3, kStateDisabled = 4,
              kStateDefaulted = 5;

// Face and ring rows of bevelShades.
constexpr int kIdleRow = 0, kHotRow = 1, kPressedRow = 2;

}  // namespace

CShadeButton::CShadeButton() { takeSystemColours(); }

void CShadeButton::takeSystemColours() {
  normalFace = ui::shiftColour(GetSysColor(COLOR_BTNFACE), 5);
  hotFace = ui::shiftColour(GetSysColor(COLOR_BTNFACE), 25);
  normalText = GetSysColor(COLOR_BTNTEXT);
  hotText = GetSysColor(COLOR_BTNTEXT);
}

void CShadeButton::PreSubclassWindow() {
  takeSystemColours();
  send(BM_SETSTYLE, WPARAM((style() & 0xFF) | BS_OWNERDRAW), TRUE);
}

bool CShadeButton::drawThemed(const DRAWITEMSTRUCT& item, bool pressed, bool disabled) {
  if (!useThemes || !theThemeLibrary.IsAppThemed()) return false;
  HTHEME theme = theThemeLibrary.OpenThemeData(handle_, L"BUTTON");
  if (!theme) return false;
  int state = disabled ? kStateDisabled
              : pressed ? kStatePressed
              : hovering ? kStateHot
              : (item.itemState & ODS_DEFAULT) ? kStateDefaulted
              : kStateNormal;
  theThemeLibrary.DrawThemeParentBackground(handle_, item.hDC, &item.rcItem);
  theThemeLibrary.DrawThemeBackground(theme, item.hDC, kPushButtonPart, state, &item.rcItem,
                                      nullptr);
  theThemeLibrary.CloseThemeData(theme);
  return true;
}

void CShadeButton::DrawItem(const DRAWITEMSTRUCT& item) {
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  COLORREF face = GetSysColor(COLOR_BTNFACE);
  if (!drawThemed(item, pressed, disabled)) {
    if (kButtonFading)
      face = ui::mixColour(normalFace, kFadeSteps - fadeStep, hotFace, fadeStep);
    else
      face = hovering || pressed ? hotFace : normalFace;
    int row = kIdleRow;
    double factor = 0.0;
    if (pressed) {
      row = kPressedRow;
    } else if (hovering) {
      row = kHotRow;
      factor = fadeStep * (1.0 / kFadeSteps);
    }
    ui::paintButtonFace(item.hDC, item.rcItem, face, row, factor, kButtonFaceStyle);
  }
  drawCaption(item.hDC, item.rcItem, face, pressed, disabled);
}

void CShadeButton::drawCaption(HDC dc, const RECT& rect, COLORREF face, bool pressed,
                               bool disabled) {
  const std::string caption = text();
  if (!showCaption || caption.empty()) return;
  RECT box = rect;
  if (pressed) OffsetRect(&box, 1, 1);
  win::SavedDcState saved(dc);
  SelectObject(dc, font());
  SetTextColor(dc, hovering || pressed ? hotText : normalText);
  SetBkMode(dc, TRANSPARENT);
  DrawTextA(dc, caption.c_str(), int(caption.size()), &box, DT_CALCRECT | DT_SINGLELINE);
  const bool leftAligned = (style() & BS_CENTER) == BS_LEFT;
  const int dx = leftAligned ? 3 : ((rect.right - rect.left) - (box.right - box.left)) / 2;
  const int dy = ((rect.bottom - rect.top) - (box.bottom - box.top)) / 2;
  OffsetRect(&box, dx, dy);
  if (disabled) {
    // Engraved: a light copy, then the dark one a pixel up and to the left.
    SetTextColor(dc, ui::shiftColour(face, 48));
    TextOutA(dc, box.left, box.top, caption.c_str(), int(caption.size()));
    SetTextColor(dc, ui::shiftColour(face, -80));
    TextOutA(dc, box.left - 1, box.top - 1, caption.c_str(), int(caption.size()));
  } else {
    TextOutA(dc, box.left, box.top, caption.c_str(), int(caption.size()));
  }
}

void CShadeButton::startFade(int direction) {
  fadeDirection = direction;
  fadeTimer = SetTimer(handle_, kFadeTimer, kFadePeriodMs, nullptr);
}

void CShadeButton::leave() {
  hovering = false;
  if (kButtonFading)
    startFade(-1);
  else
    invalidate(false);
}

bool CShadeButton::cursorOutside() const {
  POINT cursor;
  GetCursorPos(&cursor);
  ScreenToClient(handle_, &cursor);
  RECT client = clientRect();
  return !PtInRect(&client, cursor);
}

void CShadeButton::OnMouseMove(WPARAM keys, POINT point) {
  if (((keys & MK_LBUTTON) && !hovering) || !isEnabled()) return;
  RECT client = clientRect();
  if (!hovering && ownerOrParent()) {
    hovering = true;
    SetTimer(handle_, kLeaveCheckTimer, kLeaveCheckPeriodMs, nullptr);
    if (kButtonFading)
      startFade(+1);
    else
      invalidate(false);
  } else if (!PtInRect(&client, point) && hovering) {
    leave();
  }
}

void CShadeButton::OnTimer(UINT_PTR id) {
  if (fadeTimer && id == fadeTimer) {
    bool stop = fadeDirection == 0;
    if (!stop) {
      fadeStep += fadeDirection;
      if (fadeStep < 0 || fadeStep > kFadeSteps) {
        fadeStep = fadeStep < 0 ? 0 : kFadeSteps;
        fadeDirection = 0;
        stop = true;
      }
      invalidate(false);
    }
    if (stop) {
      KillTimer(handle_, fadeTimer);
      fadeTimer = 0;
    }
  }
  if (id == kLeaveCheckTimer && cursorOutside()) {
    KillTimer(handle_, kLeaveCheckTimer);
    leave();
  }
}

LRESULT CShadeButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE: {
      LRESULT result = callDefault(message, wParam, lParam);
      if (handle_) OnMouseMove(wParam, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return result;
    }
    case WM_TIMER:
      OnTimer(wParam);
      return callDefault(message, wParam, lParam);
    case WM_KILLFOCUS: {
      LRESULT result = callDefault(message, wParam, lParam);
      if (handle_ && hovering) {
        // Losing the focus ends the hot look at once, without a fade.
        hovering = false;
        invalidate(false);
        UpdateWindow(handle_);
      }
      return result;
    }
    case WM_CAPTURECHANGED:
      // Only our own capture is ours to release; another window may have just taken it.
      if (hovering) {
        if (GetCapture() == handle_) ReleaseCapture();
        invalidate(false);
      }
      return callDefault(message, wParam, lParam);
    case WM_LBUTTONUP: {
      LRESULT result = callDefault(message, wParam, lParam);
      // The click may have destroyed the button; a null window would make a thread timer.
      if (handle_) SetTimer(handle_, kLeaveCheckTimer, kLeaveCheckPeriodMs, nullptr);
      return result;
    }
    case WM_ERASEBKGND:
      return TRUE;  // DrawItem paints every pixel
    default:
      return callDefault(message, wParam, lParam);
  }
}
