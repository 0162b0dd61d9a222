#pragma once
// The tab management of the main window, assembled: the slots and their opening, the strip layout,
// switching and titles, and closing. Its parts set the handlers they own on Form1 and Form4.
#include "tabs/tabclosing.h"
#include "tabs/tabslots.h"
#include "tabs/tabstrip.h"
#include "tabs/tabswitching.h"

class Form1;
class Form4;

namespace web {
class WebBrowser;
}

class Tabs {
public:
    Tabs(Form1& f, Form4& f4);
    Tabs(const Tabs&) = delete;
    Tabs& operator=(const Tabs&) = delete;

    // Sets the tab handlers of one browser of WebBrowser1 (title, command state, window closing).
    void wireBrowser(int Index, web::WebBrowser& browser);

    TabClosing closing;
    TabSlots opening;
    TabStrip strip;
    TabSwitching switching;

private:
    Form1& f;
};
