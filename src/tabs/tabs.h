#pragma once
// The tab management of the main window, assembled: the slots and their opening, the strip layout,
// switching and titles, closing and the tab menu, the routing of pages' new windows into tabs, and
// the link open modes of the document menu. Its parts set the handlers they own on Form1 and Form4;
// the browsers' events are set here, once, at the array.
#include "tabs/linkopenmodes.h"
#include "tabs/newwindowrouting.h"
#include "tabs/tabclosing.h"
#include "tabs/tabpageitems.h"
#include "tabs/tabslots.h"
#include "tabs/tabstrip.h"
#include "tabs/tabswitching.h"

class Form1;
class Form4;

class Tabs {
public:
    Tabs(Form1& f, Form4& f4);
    Tabs(const Tabs&) = delete;
    Tabs& operator=(const Tabs&) = delete;

    TabPageItems pageItems;
    TabClosing closing;
    TabSlots opening;
    TabStrip strip;
    TabSwitching switching;
    NewWindowRouting routing;
    LinkOpenModes linkModes;

private:
    Form1& f;
};
