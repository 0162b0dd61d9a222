#pragma once
// The fields of the style page 风格 (Text7), all of fg.txt:
//
//   0, 10, 11, 12, 17, 18  colour fields (背景0, 颜色1, 颜色2, 颜色3, 窗口边框, 按钮边框): a click names the
//                          slot "风格" followed by the index and opens the colour picker, which stores
//                          the colour and applies it;
//   13, 14, 15             the captions of the minimise, maximise and close glyphs: a click asks for the
//                          new caption (an input box titled "修改" whose prompt is the hint shown and
//                          whose default is the current caption). An empty or cancelled answer, or
//                          one equal to the old caption as exact text, does nothing; any other answer,
//                          blanks and a mere change of letter case included, is shown in the field,
//                          written, and given to the main window's glyph, which sizes itself to it
//                          (never narrower than the window makes its glyphs; its height stays) with
//                          its frame laid on it; the glyphs' lefts follow at the next layout. The
//                          save indicator shows;
//   16                     the interface font: a click opens the font list for "风格字体".
//
// A move over a field shows one of two hints under its column: "颜色：背景，文字，移动，按钮，边框" for
// the colour fields, "按钮：字符，字体" for the other four.
#include <QString>

class Form5;

class StyleFields {
public:
    // Sets Text7's click and mouse move.
    explicit StyleFields(Form5& w);
    StyleFields(const StyleFields&) = delete;
    StyleFields& operator=(const StyleFields&) = delete;

    void Text7_Click(int Index);
    void Text7_MouseMove(int Index, double X);

    static bool isColourField(int Index);

private:
    void editGlyphCaption(int Index);

    Form5& w;
};
