// The owner-drawn button's bevel shade table, shared by every button: one row per drawing
// state (0 idle, 1 hot, 2 pressed), six shade offsets per row for the three one-pixel rings
// from the outside in (outer top-left, outer bottom-right, middle top-left, middle
// bottom-right, inner top-left, inner bottom-right). A ring whose top-left value is 0 or 666
// is not drawn.
#pragma once

#include <cstdint>

constexpr int kBevelStates = 3;
constexpr int kBevelShadesPerState = 6;
using BevelShadeRow = int32_t[kBevelShadesPerState];

// The table in force; it starts as kButtonBevelShades.
extern int32_t bevelShades[kBevelStates][kBevelShadesPerState];
// The values the button class defines.
extern const int32_t kButtonBevelShades[kBevelStates][kBevelShadesPerState];
// The values the program runs with: start-up copies them over bevelShades (all 72 bytes);
// only the idle row differs, two softer rings instead of three.
extern const int32_t kProgramBevelShades[kBevelStates][kBevelShadesPerState];

// A top-left value that marks a ring as not drawn, besides 0.
constexpr int32_t kNoRing = 666;
