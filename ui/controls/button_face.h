// The own face of the owner-drawn button: a vertical gradient in one of nine face styles,
// framed by up to three one-pixel bevel rings whose shades come from bevelShades.
#pragma once

#include <windows.h>

namespace ui {

constexpr int kFaceStyles = 9;

// Fills `area` row by row with face style `style` (0..8) in colour `face`.
void fillFace(HDC dc, const RECT& area, COLORREF face, int style);

// Paints the face in `rect` with colour `face`, drawing state `row` of bevelShades and fade
// factor `t` (0..1; for the hot row the ring shades move from the idle row's towards it).
void paintButtonFace(HDC dc, const RECT& rect, COLORREF face, int row, double t, int style);

// The ring shades the face of `row` is drawn with at fade factor `t`.
void ringShades(int row, double t, int shades[6]);
// The area paintButtonFace fills for `row`: rect shrunk by 3, less where inner rings are absent.
RECT faceFillArea(const RECT& rect, int row);

}  // namespace ui
