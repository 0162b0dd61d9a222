#pragma once
// Geometry of windows and controls is kept in twips; pixels exist only at the Qt boundary.
#include <cmath>

namespace ui {

constexpr int kTwipsPerPixel = 15;

inline int toPixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }
inline double toTwips(int pixels) { return static_cast<double>(pixels) * kTwipsPerPixel; }

}  // namespace ui
