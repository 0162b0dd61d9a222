#pragma once
// The handlers of the colour picker Form8: its load (the window icon) and a click on one of its boxes.
//
// A click on a swatch (Text1(1) to Text1(90)) puts the swatch's colour value v into the result box and
// sets the result flag to "1"; then, when the settings window is open and its tag names one of the
// eleven colour slots (the slot table in colourpicker.cpp), the slot's branch runs: a slot with a
// partner setting refuses v when the partner holds the same text (its message, critical icon, and the
// click ends there); otherwise the setting is written, the field that shows it and the main window's
// elements that use it are recoloured at once, and the settings window's Command1 shows the save
// indicator. A tag that is no colour slot (empty, or a font-list target), or a settings window that
// is not open, stores and shows nothing: the click never loads the settings window. A click on the
// result box changes nothing.
class Form8;

class ColourPicker {
public:
    // Sets the window's load and Text1's click.
    explicit ColourPicker(Form8& w);
    ColourPicker(const ColourPicker&) = delete;
    ColourPicker& operator=(const ColourPicker&) = delete;

    void Form_Load();
    void Text1_Click(int Index);

private:
    Form8& w;
};
