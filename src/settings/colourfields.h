#pragma once
// The colour fields of the pages 标签 (Text6 字体颜色1, Text8 字体颜色2, Text32 当前标签) and 颜色
// (Text4(2) 文字, Text4(3) 加载): a click names the field's colour slot in the settings window's tag
// and opens the colour picker beside the settings window; a move over a field of the page 标签 shows
// its hint. The six colour fields of the page 风格 open the picker the same way through openPicker,
// with the slots "风格0", "风格10", "风格11", "风格12", "风格17" and "风格18".
#include <QString>

class Form5;

class ColourFields {
public:
    // Sets the clicks of Text6, Text8, Text32 and Text4, and the moves of Text6, Text8 and Text32.
    explicit ColourFields(Form5& w);
    ColourFields(const ColourFields&) = delete;
    ColourFields& operator=(const ColourFields&) = delete;

    void Text6_Click();
    void Text8_Click();
    void Text32_Click();
    void Text4_Click(int Index);
    void Text6_MouseMove(double X);
    void Text8_MouseMove(double X);
    void Text32_MouseMove(double X);

    // A colour field was clicked: the settings window's tag becomes `slot`; the picker is loaded when it
    // is not, moved to the settings window's left + 1500 and top + 500 twips (its size kept) and shown,
    // or, when it is shown already, only moved there and brought to the front. Its result box and flag
    // keep their state.
    static void openPicker(Form5& w, const QString& slot);

private:
    Form5& w;
};
