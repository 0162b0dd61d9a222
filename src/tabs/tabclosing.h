#pragma once
// Closing tabs: the tab menu's 关闭 (close the tab), 全部关闭 (close every other tab) and 回到导航
// (bring the home slot to the front), a page's request to close its window, and the deferred teardown
// that destroys a closed tab's browser on the next tick of the menu owner's 100 ms timer. The tab
// labels' mouse press, move and double click, which prepare and open the tab menu, are here too; the
// menu's items 2, 4 and 5 are the tab's page items (tabpageitems.h).
//
// A close hides the label (caption "?", so the slot is free again at once), destroys the icon, moves
// the front slot when the closed tab was in front, and lays out the strip. The browser is destroyed a
// moment later, outside the event that may have come from it. Every close counts: each closed slot
// waits in the teardown list until the tick, and a slot opened again before the tick has its old
// browser destroyed first, so the tick never takes a browser that belongs to a new tab.
#include <QString>

#include <functional>
#include <vector>

class Form1;
class Form4;
class TabPageItems;

class TabClosing {
public:
    // Sets the click handler of the tab menu's items, the tick of Form4.Timer1 and the handlers of the
    // tab labels' press, move and double click. `pageItems` runs the menu's items 2, 4 and 5.
    TabClosing(Form1& f, Form4& f4, TabPageItems& pageItems);

    // The tab menu, for the tab in BQYJ100(1)'s tag: 1 close, 2 refresh, 3 close all others, 4 short
    // URL, 5 open in another browser, 6 back to the home slot. Any other index does nothing.
    void BQYJ100_Click(int Index);
    // The teardown tick.
    void Timer1_Timer();
    // A page asked to close its window: the engine is told no, and the page's own tab is closed.
    void WebBrowser1_WindowClosing(int Index, bool IsChildWindow, bool& Cancel);

    // Mouse press on a tab label: every button records the tab for the tab menu; the right button
    // sets the menu's captions and pops it up.
    void lv_MouseDown(int Index, int Button, int Shift, double X, double Y);
    // Mouse move over a tab label: the main window's default pointer (after a resize pointer).
    void lv_MouseMove(int Index, int Button, int Shift, double X, double Y);
    // Double click on a tab label: when the colour picker is open and its result flag is "1" (a swatch
    // was clicked since), only sets the flag to "0"; otherwise closes the tab pressed last while
    // 双击关闭 is 1 or not a number.
    void lv_DblClick(int Index);

    // --- for the tab opening ---
    // True while `slot` was closed and its browser waits for the teardown.
    bool pendingTeardown(int slot) const;
    // Destroys the waiting browser of `slot` now (the slot is being opened again).
    void tearDownNow(int slot);
    // `slot` was cleared and its browser destroyed by other code: it leaves the teardown list, and an
    // element-list run over its page stops.
    void slotCleared(int slot);
    // Destroys WebBrowser1(slot). Its events stop at once: a page still loading in it reaches no
    // handler of the program between now and its deferred deletion. Raises 340 when there is none.
    static void destroyBrowser(Form1& f, int slot);

private:
    void closeTab();
    void closeOthers();
    void backToHome();
    void scheduleTeardown(int slot);
    void stopElementListOf(int slot);

    Form1& f;
    Form4& f4;
    TabPageItems& pageItems;
    std::vector<int> pending_;  // closed slots whose browsers the next tick destroys, in closing order
};
