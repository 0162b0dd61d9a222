#pragma once
// The tab slots of the main window: slot 1 is the home slot (WebBrowser1(1), never closed); slots 2 to
// 10 are the tabs, each a label lv(k), a browser WebBrowser1(k) and an icon Image1(k). There is no tab
// object: a tab's state is read from those controls each time it is needed.
//
// - Front slot: the caption of Label9, decimal text ("1" = the home slot).
// - Free slot: a tab whose label caption has at most one character (the free-slot marker: the
//   letters given at creation, or "?" after a close). Two characters or more: a title, the slot is taken.
// - Highest loaded slot: the upper bound of WebBrowser1.
//
// Command24 opens the first free slot in front; openers then take the first free slot and navigate
// it (openInNewTab). A slot that was opened and whose title has not come yet is taken all the same:
// every open first gives such a slot the caption of an untitled page (five blanks) until its title
// comes, so two quick opens land in two tabs.
#include <QString>

class Form1;
class TabClosing;

class TabSlots {
public:
    // Sets the click handler of Command24.
    TabSlots(Form1& f, TabClosing& closing);

    // Opens the first free slot in front (browser, front look, icon, strip). With every tab taken it
    // asks the tab cycling question first; on Yes it clears tabs 3 to 10 and brings slot 2 to the
    // front with the caption "?", on No it opens nothing.
    void Command24_Click();

    // The open-in-new-tab sequence: presses Command24, takes the first free slot and navigates it to
    // `address` (with the User-Agent header while the override is on). Returns the slot, 0 when no
    // slot was opened.
    int openInNewTab(const QString& address);

    // The background open: a new tab whose browser loads `address` behind every other browser; the
    // front slot stays, the label shows its title once the background-tab title job finds it.
    // Refused with "标签满了，不能打开" while the highest loaded slot is 10. Returns the slot, or 0.
    int openInBackground(const QString& address);

    // For openers that ask before they open: asks the tab cycling question when every tab is taken.
    // True when the open may go on (no tab needed clearing, or Yes); a Yes also stands for the next
    // press of Command24, which then clears the tabs without asking again.
    bool confirmOpen();
    // Drops a Yes that no press of Command24 used.
    void forgetConfirmation() { cyclingConfirmed_ = false; }

    // --- the slot model, shared by the tab code ---
    // A setting of 应用.txt, read through the main window's OS.
    static QString appSetting(Form1& f, const char* key);
    // Gives the focus to the address box; fails while the box is hidden.
    static void focusAddressBox(Form1& f);
    static bool isFree(Form1& f, int k);
    // The first free slot from 2 to 10, 0 when none.
    static int firstFreeSlot(Form1& f);
    static bool allTaken(Form1& f);
    static int highestLoadedSlot(Form1& f);
    // The looks of a tab label. Each property is one statement: a colour setting that is not a number
    // leaves that colour as it was.
    static void frontLook(Form1& f, int k);
    static void backLook(Form1& f, int k);
    // "User-Agent:" followed by 呈现伪造 while the setting UA is a number other than 0, else "".
    static QString userAgentHeader();
    // Navigates WebBrowser1(k) under the User-Agent rule.
    static void navigate(Form1& f, int k, const QString& address);
    // The shown address of a URL: from its first "http" (exact case) on; the whole URL without one.
    static QString shownAddress(const QString& url);
    // A front tab's caption: five blanks and the title cut to `count` characters followed by "…".
    // `count` is the setting 字数 as text; when it is not a number the whole title is used.
    static QString tabCaption(const QString& title, const QString& count);
    // The caption the background-tab title job writes: the same cut without the blanks.
    static QString backgroundCaption(const QString& title, const QString& count);

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
