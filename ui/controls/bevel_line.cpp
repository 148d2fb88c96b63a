// Painting of the bevel line and its caption.
#include "ui/controls/bevel_line.h"

#include <algorithm>
#include <string>

#include "ui/controls/bevel_caption.h"
#include "ui/controls/colour.h"
#include "ui/controls/quarter_turn.h"
#include "ui/controls/rotated_dc.h"
#include "ui/win/drawing.h"
#include "ui/win/object_selection.h"
#include "ui/win/paint_context.h"
#include "ui/win/saved_dc_state.h"

namespace {
// The highlight of engraved text lies this far right and down of the text.
constexpr POINT kEngraveOffset = {1, 1};
}  // namespace

LRESULT CBevelLine::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ENABLE: {
      // The default handling repaints in the old look; draw once, in the new look.
      send(WM_SETREDRAW, FALSE);
      LRESULT result = callDefault(message, wParam, lParam);
      send(WM_SETREDRAW, TRUE);
      invalidate(true);
      return result;
    }
    default:
      return callDefault(message, wParam, lParam);
  }
}

void CBevelLine::OnPaint() {
  win::PaintContext dc(handle_);
  const RECT client = clientRect();
  const int w = client.right - client.left, h = client.bottom - client.top;
  const COLORREF savedBackground = GetBkColor(dc);
  win::ObjectSelection selectFont(dc, font());

  win::fillSolid(dc, client, GetSysColor(COLOR_BTNFACE));
  const bool horizontal = h < w;
  const RECT line = horizontal
                        ? RECT{client.left, client.top + h / 2, client.right, client.top + h / 2 + 2}
                        : RECT{client.left + w / 2, client.top, client.left + w / 2 + 2, client.bottom};
  win::draw3dRect(dc, line, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));

  std::string caption = text();
  if (!caption.empty()) {
    int angle = 0;
    if (!horizontal) {
      angle = 90;
      if (caption[0] == '~') {
        angle = 270;
        caption.erase(0, 1);
      }
    }
    const ui::CaptionAlignment alignment = ui::captionAlignment(style());
    const std::string padded = ui::padCaption(caption, alignment);
    RECT measured = {0, 0, 10, 0};
    const int textHeight = DrawTextA(dc, padded.c_str(), int(padded.size()), &measured,
                                     DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE);
    RECT box =
        ui::placeCaption(angle, alignment, line, measured.right - measured.left, textHeight);
    // The placement makes the box exactly as long as the text; keeping it inside the control
    // along the line lets a caption longer than the line end in an ellipsis instead of being
    // cut off at the control's edge.
    if (horizontal) {
      box.left = std::max(box.left, client.left);
      box.right = std::min(box.right, client.right);
    } else {
      box.top = std::max(box.top, client.top);
      box.bottom = std::min(box.bottom, client.bottom);
    }

    win::SavedDcState keepClip(dc);
    IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
    win::fillSolid(dc, box, GetSysColor(COLOR_BTNFACE));  // erases the line behind the caption
    if (horizontal) {
      drawCaption(dc, padded, box, kEngraveOffset);
    } else {
      CRotatedDC turned;
      if (turned.Create(dc, box, angle, true))
        drawCaption(turned, padded, turned.turnedRect(),
                    ui::turnPoint(kEngraveOffset, turned.quarterTurns()));
    }
  }
  SetBkColor(dc, savedBackground);
}

void CBevelLine::drawCaption(HDC dc, const std::string& caption, RECT box, POINT offset) {
  const COLORREF savedText = GetTextColor(dc);
  const int savedMode = SetBkMode(dc, TRANSPARENT);
  const UINT format = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
  if (style() & WS_DISABLED) {
    RECT highlight = box;
    OffsetRect(&highlight, offset.x, offset.y);
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextA(dc, caption.c_str(), int(caption.size()), &highlight, format);
    SetTextColor(dc, ui::mixColour(GetSysColor(COLOR_3DDKSHADOW), 1, GetSysColor(COLOR_BTNSHADOW), 1));
  } else {
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  }
  DrawTextA(dc, caption.c_str(), int(caption.size()), &box, format);
  SetTextColor(dc, savedText);
  SetBkMode(dc, savedMode);
}
