#pragma once
// The favorites list's commands on the menu owner: the main menu's 收藏 (`caidan100(1)`), which keeps
// the page in front as a new favorite record, and the TOP list of the address menu (`top20(1..10)`,
// filled by AddressMenu from the ten newest records), which opens a record's address in a new tab.
//
// The keep command works on the favorites window's mirror (the window is loaded hidden when needed):
// a tab in front gives its document's address and title, the home slot in front the address box
// text and "没有标题". It adds nothing while the list holds more than 500 records, nothing without an
// address (such a record could never be found again), and it says "收藏完成(ALT+A)" only when the
// file was written.
#include <QString>

class Form1;
class Form4;

class FavoritesList {
public:
    // Sets the click handlers of Form4's caidan100 and top20 items.
    FavoritesList(Form1& f, Form4& f4);
    FavoritesList(const FavoritesList&) = delete;
    FavoritesList& operator=(const FavoritesList&) = delete;

    void caidan100_Click(int Index);
    void top20_Click(int Index);

    // The keep command (收藏).
    void keep();

    static const QString kFull;         // "500条记录了，不能添加"
    static const QString kKept;         // "收藏完成(ALT+A)"
    static const QString kNoTitle;      // "没有标题": the text of a record kept from the home slot
    static const QString kNoAddress;    // the refusal of a record without an address
    static const QString kNotWritten;   // the start of the message when the file could not be written

private:
    Form1& f;
    Form4& f4;
};
