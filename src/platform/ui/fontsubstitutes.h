#pragma once
// Font names the program writes that name fonts of another desktop: each is shown with a CJK font
// this system installs (scripts/setup), so controls and pages that ask for one get clean Chinese
// text instead of the toolkit's Latin default with borrowed glyphs. The stored names stay as written.
//
// The first substitute draws every character the program's captions use, the title strip glyphs
// "︹" and "Ⅹ" included. The second is only for a system without the first: its "Ⅹ" is an empty
// glyph, which the toolkit takes as drawn, so a close glyph shown with it stays blank.
namespace ui {

// The fonts the substitutes stand for, in the order they are tried: "Noto Sans CJK SC", then
// "文泉驿微米黑".
extern const char* const kSubstituteFonts[2];

// Tells the toolkit (and the page engine, which asks the toolkit) the substitutes. Once, at start;
// a second call leaves them as they are.
void installFontSubstitutes();

}  // namespace ui
