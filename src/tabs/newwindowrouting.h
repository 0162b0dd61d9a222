#pragma once
// New windows that pages ask for (a link with a target, a script's window.open), from any of the ten
// browsers, the home slot's included. The new-window event decides, in this order, and stops at the
// first step that settles it:
//
//   1. popped-out guard: a window from the slot whose Flash player is popped out (Command7's tag) is
//      dropped with FlashMsg, nothing else;
//   2. a window the user did not ask for: when the page had no button or key of the user's within the
//      last second (a window.open on load, on a timer, in a loop) and every tab is taken, the window is
//      dropped without a question and no tab is closed; the opener's page shows "已阻止一个弹出窗口"
//      on its hint bar (made for the notice when the page has none);
//   3. every tab taken: the tab cycling question (TabSlots::confirmOpen); anything but Yes drops it;
//   4. link filter (while 过滤连接 is anything but "0"): the last hovered link, not the new window's
//      address, is searched for the items of Lv20; a match drops the window with
//      "点击被中断，< 过滤连接 >" and forgets a Yes of step 3, so the next open asks again;
//   5. routing: Command24 opens a tab (the first free slot, or slot 2 after the cycling reset) and the
//      new window loads in that tab's own browser, the page's POST data included. While the
//      User-Agent override is on, its first request carries the override header.
//
// Nothing else is ever given the window: it never escapes into a window of its own, and the second
// browser WebBrowser22 is not used.
//
// The link filter: Lv20 holds items separated by ">"; every non-empty item is compared (an empty one,
// as left by ">>" or a trailing ">", is skipped), letters without regard to case. The searched text
// is the first 字节 characters of the last hovered link; 字节 missing, not a whole number or negative
// searches the whole link, "0" searches nothing. An empty searched text matches nothing, and a list
// without items lets every window through.
#include <QString>

class Form1;
class TabSlots;

namespace web {
class WebBrowser;
}

class NewWindowRouting {
public:
    // `opening` is the tab opening of the same tab management. Sets no handler: the tab management
    // routes the browsers' new-window event here.
    NewWindowRouting(Form1& f, TabSlots& opening);

    // The new-window event of WebBrowser1(Index): sets `Cancel`, or `ppDisp` to the browser that
    // loads the window.
    void WebBrowser1_NewWindow2(int Index, web::WebBrowser*& ppDisp, bool& Cancel);

    // True when the filter list `list` refuses `link` with `bytes` (the setting 字节) characters
    // searched.
    static bool linkFiltered(const QString& list, const QString& bytes, const QString& link);

    // The notice of a window the user did not ask for, dropped because every tab is taken.
    static constexpr const char* kBlockedNotice = "已阻止一个弹出窗口";
    // The refusal of the link filter.
    static constexpr const char* kFilteredMessage = "点击被中断，< 过滤连接 >";

private:
    Form1& f;
    TabSlots& opening;
};
