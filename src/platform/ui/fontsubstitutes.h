#pragma once
// Font names the program writes that name fonts of another desktop: each is shown with the CJK font
// this system installs (scripts/setup), so controls and pages that ask for one get clean Chinese
// text instead of the toolkit's Latin default with borrowed glyphs. The stored names stay as written.
namespace ui {

// The font the substitutes stand for, "文泉驿微米黑".
extern const char* const kSubstituteFont;

// Tells the toolkit (and the page engine, which asks the toolkit) the substitutes. Once, at start.
void installFontSubstitutes();

}  // namespace ui
