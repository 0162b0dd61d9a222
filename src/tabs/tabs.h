#pragma once
// The tab management of the main window, assembled: the slots and their opening, the strip layout,
// switching and titles, and closing. Its parts set the handlers they own on Form1 and Form4.
#include "tabs/tabclosing.h"
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

    TabClosing closing;
    TabSlots opening;
    TabStrip strip;
    TabSwitching switching;

private:
    Form1& f;
};
