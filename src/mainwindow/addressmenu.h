#pragma once
// The address-bar menu `DZYJ` of the menu owner: popped up by the right button in the address box or
// on the address label. Each popup renews its captions from the menu text file, the captions and marks
// of the two mode items from the settings, and the TOP list from the ten newest favorites; its items
// paste and open, copy, put a prefix into the box, and switch new-tab mode and the address alignment.
#include <QString>
#include <QStringList>

class Form1;
class Form4;

class AddressMenu {
public:
    // The number of favorites the TOP list shows, and the longest caption of a TOP item.
    static constexpr int kTopItems = 10;
    static constexpr int kTopCaptionLength = 50;

    // Sets the mouse-down handler of Text7 and the item handler of DZYJ100.
    AddressMenu(Form1& f, Form4& f4);
    AddressMenu(const AddressMenu&) = delete;
    AddressMenu& operator=(const AddressMenu&) = delete;

    void Text7_MouseDown(int button, int shift, double x, double y);
    void DZYJ100_Click(int index);

private:
    // Sets every TOP item from its line of the favorites file: address in the tag, its first 50
    // characters as caption ("&" doubled, so it shows as itself), shown unless those are three
    // characters or fewer; an item whose line is missing or holds no record is emptied and hidden.
    void fillTop();
    Form1& f;
    Form4& f4;
};
