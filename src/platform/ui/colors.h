#pragma once
// Colours as the program stores them: the platform colour number, red in the low byte, green in the
// second and blue in the third. A number with the high bit set (&H8000000F, or the same bits read as a
// negative 32-bit number) names a system colour, which maps to the palette.
#include <QColor>

namespace ui {

using Color = long long;

// System colour numbers the program uses.
constexpr Color kButtonFace = 0x8000000FLL;
constexpr Color kWindowBackground = 0x80000005LL;
constexpr Color kWindowText = 0x80000008LL;
constexpr Color kButtonText = 0x80000012LL;

inline Color rgb(int red, int green, int blue) {
    return (red & 0xFF) | ((green & 0xFF) << 8) | (static_cast<Color>(blue & 0xFF) << 16);
}

bool isSystemColor(Color colour);
QColor toQColor(Color colour);
// The colour number of a plain colour (never a system colour).
Color fromQColor(const QColor& colour);

}  // namespace ui
