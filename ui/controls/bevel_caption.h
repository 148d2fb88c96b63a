// Where the bevel line's caption goes: the rectangle K beside or across the line rectangle L
// for the caption's angle (0, 90 or 270) and alignment, given the padded caption's measured
// width w and height h.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

enum class CaptionAlignment { left, centre, right };

// Alignment from the low five bits of a static control's style: 1 centre, 2 right, else left.
CaptionAlignment captionAlignment(LONG_PTR style);
// The caption with two spaces before it (centre, right) and after it (left, centre).
std::string padCaption(const std::string& caption, CaptionAlignment alignment);
// The caption rectangle, with its bottom grown by 1 and, for right alignment, its left by 1.
RECT placeCaption(int angle, CaptionAlignment alignment, const RECT& line, int w, int h);

}  // namespace ui
