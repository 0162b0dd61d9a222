#pragma once
// The guard every navigation of a tab slot's browser passes before anything is fetched
// (`WebBrowser1_BeforeNavigate2`, slots 1 to 10, frames included), in this order:
//
//  1. Popped-out guard: a navigation of the slot whose Flash player sits in the pop-out window
//     (`Command7.Tag`) is cancelled with `FlashMsg`; the handler goes on, so it still counts below.
//  2. Frame blocking, while `框架不加载` reads 0 (read at every navigation; empty or no number counts
//     as on). One counter for the whole program, `Command8.Tag`:
//
//       counter   address under 99 characters   address of 99 characters or more
//       "0"       let through, counter "2"       let through, counter "1"
//       "1"       let through, counter "2"       let through, counter "2"
//       "2"       cancelled, IframeHiding        cancelled, IframeHiding
//                 restarted                      restarted
//
//     So after a reset (start-up, a click or context menu in a page, an untitled page, the visit
//     log's 浏览) the next navigation loads and every later one (frames, redirects, script
//     navigations, in any slot) is cancelled; the job IframeHiding (registered here) then hides the
//     front page's iframes and switches its own timer off. A cancelled
//     navigation ends the handler. While blocking is off the counter is neither read nor written.
//     The grace of the navigations the user starts from the main window (the go command, a typed
//     search, a recent address; forms/frameblockinggrace.h) switches blocking off for three seconds.
//  3. Hint re-arm, for a navigation let through while `连接提示` reads 1 (empty or no number counts as
//     1): the jobs HintRearm and HintHide restarted, the HintHide timer's tag "0" (the link hint bar,
//     hintbar.h).
//
// `WebBrowser22`, the second browser of the User-Agent override, loads nothing: every navigation
// that reaches it is cancelled. New windows go straight into their tab with the header.
//
// A navigation the program starts outside an engine callback raises this handler before Navigate
// returns: callers set the counter and the grace before they navigate.
#include <QString>

class Form1;

class NavigationGuard {
public:
    // Sets the before-navigate handlers of WebBrowser1 (at the array) and of WebBrowser22, and the body
    // of the job IframeHiding.
    explicit NavigationGuard(Form1& f);
    NavigationGuard(const NavigationGuard&) = delete;
    NavigationGuard& operator=(const NavigationGuard&) = delete;

    void WebBrowser1_BeforeNavigate2(int Index, const QString& URL, bool& Cancel);
    void WebBrowser22_BeforeNavigate2(bool& Cancel);
    // The body of the job IframeHiding.
    void iframeHiding();

    // Addresses of this many characters or more leave room for one more navigation.
    static constexpr int kLongAddress = 99;

private:
    Form1& f;
};
