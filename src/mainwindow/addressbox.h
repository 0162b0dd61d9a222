#pragma once
// The address box and the address label of the main window.
//
// The box `Text7` holds the full address: the front slot's shown address after every navigation, or
// what the user types while the box is shown over the label. The label `Label2(4)` shows the box's
// text without its scheme and lies on the box's rectangle. Enter hides the box and runs the go
// command.
//
// While the user edits (the box is shown), a navigation completing in any browser leaves the typed
// text alone; the box takes the front slot's address again when editing ends (a click on the window
// background, a tab switch, or the navigation the go command starts once Enter has hidden the box).
#include <QString>

class Form1;

class AddressBox {
public:
    // Sets the handlers of Text7 (change, double-click, key press) and the navigate-complete
    // handler of every browser of WebBrowser1, the ones loaded later included.
    explicit AddressBox(Form1& f);
    AddressBox(const AddressBox&) = delete;
    AddressBox& operator=(const AddressBox&) = delete;

    // The label's short form of the box's text: what follows the first "://" (the whole text when it
    // holds none), at most 999 characters, without the final "/" of a ".com/" or ".net/" ending.
    static QString shortForm(const QString& text);

    // Navigate complete in any browser of the main window.
    void NavigateComplete2(int index);
    void Text7_Change();
    void Text7_DblClick();
    void Text7_KeyPress(int& keyAscii);

private:
    Form1& f;
};
