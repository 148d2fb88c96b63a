// The installer's push button. It draws itself: through the visual-style library when the
// application is themed, otherwise as its own gradient face with bevel rings (button_face.h).
// It draws its caption itself, becomes hot under the mouse and, without visual styles, fades
// between the idle and the hot look in five steps.
#pragma once

#include "ui/win/subclassed_window.h"

// Settings of every button, fixed in this program.
constexpr bool kButtonFading = true;
constexpr int kButtonFaceStyle = 6;
constexpr int kFadeSteps = 5;
constexpr UINT_PTR kLeaveCheckTimer = 10;
constexpr UINT kLeaveCheckPeriodMs = 40;
constexpr UINT_PTR kFadeTimer = 666;
constexpr UINT kFadePeriodMs = 30;

class CShadeButton : public win::SubclassedWindow {
 public:
  CShadeButton();

  void DrawItem(const DRAWITEMSTRUCT& item) override;

  bool isHovering() const { return hovering; }
  int currentFadeStep() const { return fadeStep; }

  // Look settings; the dialogs keep the defaults.
  bool useThemes = true;
  COLORREF normalFace;
  COLORREF hotFace;
  COLORREF normalText;
  COLORREF hotText;
  bool showCaption = true;

 protected:
  void PreSubclassWindow() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void takeSystemColours();
  // Paints through the visual-style library; false when the application is not themed.
  bool drawThemed(const DRAWITEMSTRUCT& item, bool pressed, bool disabled);
  void drawCaption(HDC dc, const RECT& rect, COLORREF face, bool pressed, bool disabled);
  void OnMouseMove(WPARAM keys, POINT point);
  void OnTimer(UINT_PTR id);
  // Ends the hot look, fading back to idle.
  void leave();
  void startFade(int direction);
  bool cursorOutside() const;

  bool hovering = false;
  int fadeStep = 0;
  int fadeDirection = 0;
  UINT_PTR fadeTimer = 0;
};
