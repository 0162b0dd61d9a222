#pragma once
// The page 网页 of the settings window: the link filter's switch Check3 (its key, texts and hint: the
// table `switches()`, used as settingeditors.h says) and its list Text51(1) (Lv20, stored only on a
// double-click on the field, whatever word the double-click selects). Storing the list moves the
// focus to the start-page field and shows the save indicator; typing alone stores nothing.
//
// The settings file holds one line per value, and the new-window handler knows only ">" between the
// items: the list's line breaks separate items as ">" does. Each run of line breaks becomes one ">",
// none is added beside a ">" already there, and line breaks at the start or the end are dropped; the
// field then shows the list as stored.
#include "settings/settingeditors.h"

#include <QString>

class Form5;

class LinkFilterSettings {
public:
    // Sets Check3's mouse up, keyboard toggle and mouse move, and Text51's double-click and mouse move.
    explicit LinkFilterSettings(Form5& w);
    LinkFilterSettings(const LinkFilterSettings&) = delete;
    LinkFilterSettings& operator=(const LinkFilterSettings&) = delete;

    void Check3_MouseUp(int Button);
    void Text51_DblClick(int Index);
    void Check3_MouseMove(double X);
    void Text51_MouseMove(int Index, double X);

    // The list as it is stored: its lines joined by ">".
    static QString storedList(const QString& text);

    // The switch of the page: Check3.
    static settings::SwitchTable switches();

private:
    void storeSwitch();

    Form5& w;
};
