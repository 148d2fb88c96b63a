// The button class's bevel shades and the program's replacement table.
#include "ui/controls/bevel_shades.h"

const int32_t kButtonBevelShades[kBevelStates][kBevelShadesPerState] = {
    {-64, 48, 96, -192, -32, -32},
    {-64, 48, 96, -192, 48, -64},
    {-64, 48, -128, -128, 0, 0},
};

const int32_t kProgramBevelShades[kBevelStates][kBevelShadesPerState] = {
    {-48, 32, 48, -64, 0, 0},
    {-64, 48, 96, -192, 48, -64},
    {-64, 48, -128, -128, 0, 0},
};

int32_t bevelShades[kBevelStates][kBevelShadesPerState] = {
    {-64, 48, 96, -192, -32, -32},
    {-64, 48, 96, -192, 48, -64},
    {-64, 48, -128, -128, 0, 0},
};

static_assert(sizeof(bevelShades) == 72, "the table is 3 rows of 6 signed 32-bit values");
