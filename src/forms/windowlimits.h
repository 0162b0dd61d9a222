#pragma once
// The main window's smallest size, and the limits of the sizes its layout takes from the settings.
//
// The settings files are text that users also edit by hand, so a size in them may be anything: the
// stored value is left as it is, and what the window uses is cut to what fits. With every size within
// these limits the page area of the smallest window keeps more than half of its width and a third of
// its height, and lies inside the window. All values in twips.
namespace forms {

// The smallest main window. The window system is told it (a resize by the user stops there) and the
// layout pass keeps it.
constexpr double kMinWindowWidth = 9000;
constexpr double kMinWindowHeight = 6000;

// The tallest tab label: a quarter of the smallest window's height.
constexpr double kMaxTabHeight = kMinWindowHeight / 4;

// The height a tab label takes for a stored height: at most kMaxTabHeight. A negative height is
// refused with the runtime's "invalid property value" (380), as the label refuses it.
double tabHeightThatFits(double height);

// A fixed tab width in a window `windowWidth` wide: at most the room of the strip (the window's width
// less the 2600 twips that the automatic widths leave to the glyph buttons). A negative width is
// refused with error 380.
double tabWidthThatFits(double width, double windowWidth);

// The page offsets of the layout in a window `windowWidth` x `windowHeight`:
// the left offset L (the value of `youyi`): from 0 (the page at the window's left edge) to a quarter
// of the window's width;
double leftOffsetThatFits(double L, double windowWidth);
// the right margin R for a left offset L (already fitted): from L − 280 (the page's right edge at the
// window's right edge) to a quarter of the window's width;
double rightMarginThatFits(double R, double L, double windowWidth);
// the bottom margin B: from −150 (the page's bottom edge at the window's bottom edge) to a quarter of
// the window's height.
double bottomMarginThatFits(double B, double windowHeight);

}  // namespace forms
