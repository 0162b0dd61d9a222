#pragma once
// The link hint bar: the main window has no status bar, so while `连接提示` reads 1 a translucent
// black strip with a white label lies along the bottom of the page. Over a link the label says
// whether the link opens a new window ("新建") or replaces the page ("覆盖"), followed by the link's
// address without its scheme.
//
// The bar is two elements appended to the body and found again by their ids: the strip, an input
// "input_x", and the label "Tavrolinid" (first text "加载完成..", the font of 字体 in fg.txt). A page
// has the bar when the element named "Tavrolinid" has an id of two characters or more. The bar is
// shown and hidden through the visibility of both elements and goes away with its document.
//
// - `Command8` (its tag is the frame-blocking counter, navigationguard.h) injects the bar unless the
//   page has it: into the page of the slot `injectInto` names, else into the front slot's page (the
//   jobs HintRearm and HomeRefresh). The completion of a top-level document injects into its own slot's page.
// - Status text of slot k (`WebBrowser1_StatusTextChange`), on slot k's page:
//     * a text without "http" (any case) hides the bar and sets `Label1` to ".";
//     * else the text becomes the last hovered link and `Label1`'s caption, and while `连接提示` is 1
//       (empty or no number counts as 1) the label shows the prefix (the window's hint open mode:
//       not 0 "新建", 0 "覆盖") and the shown address: of the first 67 characters of the text, the
//       part just after the first "://" of the whole text (the third character on when there is
//       none), at most 60 characters. The bar is hidden when the hint-hiding mode is on and the text
//       holds "..", shown otherwise.
// - Hint-hiding mode: the tag of the HintHide job's timer, "0" from each hint re-arm, "1" from the job
//   (which hides a bar still showing "..", usually its first text); empty or no number counts as on.
// - The jobs HintRearm (3 s after a navigation or a refresh: presses Command8, after switching its
//   own timer off) and HintHide (10 s after a navigation: hides a bar of the front page still showing
//   "..", then sets the hint-hiding mode and switches its own timer off) are registered here.
//
// The program keeps the two elements of every bar it injected by reference (Form1::hintBars,
// forms/hintbars.h) and never looks them up by their ids: a page whose bar it did not inject has none,
// and an element of the page's own with one of the ids is not the bar and is left alone (it neither
// stops the injection nor is filled, shown or hidden).
#include "forms/hintbars.h"

#include <QString>

class Form1;

class HintBar {
public:
    // Sets the click of Command8, the status-text handler of WebBrowser1 (at the array) and the bodies
    // of the jobs HintRearm and HintHide.
    explicit HintBar(Form1& f);
    HintBar(const HintBar&) = delete;
    HintBar& operator=(const HintBar&) = delete;

    void Command8_Click();
    void WebBrowser1_StatusTextChange(int Index, const QString& Text);
    // The bodies of the jobs HintRearm and HintHide.
    void hintRearm();
    void hintHide();

    // Presses Command8 for the page of slot k rather than the front page.
    void injectInto(int k);

    // The label's text for a status text (prefix and shown address).
    static QString labelText(const QString& text, int hintOpenMode);

    static const QString kLabelId;   // "Tavrolinid"
    static const QString kStripId;   // "input_x"
    static const QString kFirstText;  // "加载完成.."

private:
    // The bar injected into the page slot k shows now; raises when that page has none.
    const forms::HintBars::Bar& barOf(int k);

    Form1& f;
    int target_ = 0;  // the slot of the press in progress; 0: the front slot
};
