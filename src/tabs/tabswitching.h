#pragma once
// Switching tabs and keeping the labels in step with the pages: lv_Click brings a tab to the front,
// the title-change event writes a tab's caption (or the title strip for the home slot), and the
// command-state event records whether the front tab can go back or forward. The label of a tab opened
// in the background gets its title from the delayed job BackgroundTitle (TabSlots::backgroundTitle),
// which writes forms::backgroundCaption.
class Form1;

class TabSwitching {
public:
    // Sets the click handlers of the tab labels and the tab icons, and the work of Form1::lv_Click.
    explicit TabSwitching(Form1& f);

    // Makes slot Index the front slot: the front-tab document follows it, the looks of the old and
    // the new front label change, its browser comes to the top and takes the focus, and the address
    // box shows its address. A click on the front tab only gives its page the focus.
    void lv_Click(int Index);
    void Image1_Click(int Index);

    // The title of slot Index's page changed. The home slot's title goes to the title strip; a tab's
    // title goes to that tab's own label (hidden labels of closed tabs are left alone).
    void WebBrowser1_TitleChange(int Index);
    // Command 2 is back, 1 forward; only the front slot's flags change.
    void WebBrowser1_CommandStateChange(int Index, int Command, bool Enable);

private:
    Form1& f;
};
