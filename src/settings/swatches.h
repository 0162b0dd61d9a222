#pragma once
// The 90 colour swatches of the colour picker, in their order (swatch i is Form8.Text1(i)): the name
// each shows, its colour as the stored colour value (the platform colour number, red in the low byte),
// the colour of its text, and its column (1..6) and row (1..16) in the picker's grid. Names stand as
// they are, also where a name does not describe its colour (深红色 is magenta, 天蓝色 and 密露橙 are
// near white).
#include "platform/ui/colors.h"

namespace settings {

struct Swatch {
    const char* name;  // UTF-8
    ui::Color colour;
    ui::Color text;    // a plain colour, or the system window-text colour
    int column;
    int row;
};

constexpr int kSwatchCount = 90;
// Swatch 1 to 90.
const Swatch& swatch(int index);

}  // namespace settings
