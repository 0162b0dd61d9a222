#pragma once
// The page handling of the main window's browsers, assembled. Its parts set the handlers they own:
//  - NavigationGuard (navigationguard.h): before-navigate of every tab slot's browser (the popped-out
//    guard, frame blocking, the hint re-arm) and of WebBrowser22;
//  - PostProcessing (postprocessing.h): download-complete and document-complete (document
//    connections, stripping, error pages, the visit record, untitled pages);
//  - HintBar (hintbar.h): the link hint bar, `Command8`, and the status-text handler.
// Itself it owns `Command10`: re-attaches the front-tab document `ORIBERISA`, taken from the browser
// of the slot in Command10's tag (none when the tag is no number or that slot has no browser).
//
// Navigate-complete is the address box's (mainwindow), title, command state and window closing the
// tabs', the document connections' handlers the default browser's (M_Dom.onclick) and the sinks'.
#include "page/hintbar.h"
#include "page/navigationguard.h"
#include "page/postprocessing.h"

class Form1;

class PageEvents {
public:
    explicit PageEvents(Form1& f);
    PageEvents(const PageEvents&) = delete;
    PageEvents& operator=(const PageEvents&) = delete;

    void Command10_Click();

    HintBar hintBar;
    NavigationGuard navigationGuard;
    PostProcessing postProcessing;

private:
    Form1& f;
};
