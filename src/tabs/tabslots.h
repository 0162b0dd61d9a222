#pragma once
// Opening tabs: Command24 opens the first free slot in front; openers then take the first free slot
// and navigate it (forms::openInNewTab, forms/newtab.h), or open one behind the others
// (openInBackground). The slot model itself (front slot, free-slot marker, looks) is in forms/slots.h.
//
// A slot that was opened and whose title has not come yet is taken all the same: every open first
// gives such a slot the caption of an untitled page (five blanks) until its title comes, so two quick
// opens land in two tabs.
#include <QString>

class Form1;
class TabClosing;

class TabSlots {
public:
    // Sets the click handler of Command24 and the body of the job BackgroundTitle. `closing` is the tab
    // closing of the same tab management.
    TabSlots(Form1& f, TabClosing& closing);

    // Opens the first free slot in front (browser, front look, icon, strip). With every tab taken it
    // asks the tab cycling question first; on Yes it clears tabs 3 to 10 (all but a tab whose Flash
    // player is popped out; a player popped out of slot 2 comes back first) and brings slot 2 to the
    // front with the caption "?", on No it opens nothing.
    void Command24_Click();

    // The background open: a new tab whose browser loads `address` behind every other browser; the
    // front slot stays, the label shows its title once the background-tab title job finds it.
    // Refused with "标签满了，不能打开" when no slot is free. Returns the slot, or 0.
    int openInBackground(const QString& address);

    // For openers that ask before they open: asks the tab cycling question when every tab is taken.
    // True when the open may go on (no tab needed clearing, or Yes); a Yes also stands for the next
    // press of Command24, which then clears the tabs without asking again.
    bool confirmOpen();
    // Every tab is taken (an open tab that still carries the free-slot marker counts as taken, as for
    // the question): a new tab would need the cycling reset.
    bool noTabFree();
    // The body of the job BackgroundTitle, started by openInBackground with the slot in its timer's
    // tag: the tab's label takes the page's title (cut as 字数 says) and the job ends once the label
    // has more than two characters, or at once when the tab is gone (no browser, or its label hidden
    // for the teardown); until then it ticks on.
    void backgroundTitle();

    // Drops a Yes that no press of Command24 used.
    void forgetConfirmation() { cyclingConfirmed_ = false; }

    // The tab cycling question (Yes/No).
    static constexpr const char* kCyclingPrompt = "第九个标签已满，即将从第一个标签开始..";
    static constexpr const char* kCyclingTitle = "标签循环";

private:
    // Gives every open tab that still carries the free-slot marker the caption of an untitled page.
    void claimOpenedSlots();
    bool askCyclingQuestion();
    void openSlot(int i);
    void cyclingReset();

    Form1& f;
    TabClosing& closing;
    bool cyclingConfirmed_ = false;
};
