#include "forms/windowlimits.h"

#include "platform/rt/error.h"

#include <algorithm>

namespace forms {

namespace {

// The runtime's "invalid property value": a size that no control takes.
constexpr int kInvalidPropertyValue = 380;

// `v` within [low, high]; the low end wins when the two cross.
double within(double v, double low, double high) { return std::max(low, std::min(v, high)); }

}  // namespace

double tabHeightThatFits(double height) {
    if (height < 0) rt::raise(kInvalidPropertyValue);
    return std::min(height, kMaxTabHeight);
}

double tabWidthThatFits(double width, double windowWidth) {
    if (width < 0) rt::raise(kInvalidPropertyValue);
    return std::min(width, std::max(0.0, windowWidth - 2600));
}

double leftOffsetThatFits(double L, double windowWidth) { return within(L, 0, windowWidth / 4); }

double rightMarginThatFits(double R, double L, double windowWidth) { return within(R, L - 280, windowWidth / 4); }

double bottomMarginThatFits(double B, double windowHeight) { return within(B, -150, windowHeight / 4); }

}  // namespace forms
