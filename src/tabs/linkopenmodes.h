#pragma once
// The link items of the document menu, DK100(1..4) of the menu owner: the link under the pointer (the
// caption of Label1) opens
//
//   1 标签打开  in a new tab in front (after the tab cycling question when every tab is taken),
//   2 直接打开  in the front slot in place of its page (the home slot's too),
//   3 悄悄打开  in a background tab behind every other browser (refused with "标签满了，不能打开"
//              only when no slot is free);
//   4 网页填空  the form-fill submenu: no action of its own.
//
// Every mode navigates under the User-Agent rule. A link holding "..." (as a shortened status text
// shows it) is cleaned first: every "..." is removed, the text is taken from its first "http" on, and
// at most 666 characters of it are kept.
#include <QString>

class Form1;
class Form4;
class TabSlots;

class LinkOpenModes {
public:
    // Sets the click handler of DK100. `opening` is the tab opening of the same tab management.
    LinkOpenModes(Form1& f, Form4& f4, TabSlots& opening);

    void DK100_Click(int Index);

    // The link as the modes open it: `link` cleaned when it holds "...", else unchanged.
    static QString cleanLink(const QString& link);

private:
    Form1& f;
    TabSlots& opening;
};
