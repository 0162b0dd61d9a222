#pragma once
// The page handling's events of the main window's browsers and its document connections, in the
// least form the rest of the program needs so far:
//  - download-complete of any browser: the home slot's document becomes `M_Dom` (its clicks reach the
//    home page's handlers from then on);
//  - `Command10`: re-attaches the front-tab document `ORIBERISA`, taken from the browser of the slot in
//    Command10's tag (none when the tag is no number or that slot has no browser).
class Form1;

class PageEvents {
public:
    // Sets the download-complete handler of every browser of WebBrowser1 and the click of Command10.
    explicit PageEvents(Form1& f);
    PageEvents(const PageEvents&) = delete;
    PageEvents& operator=(const PageEvents&) = delete;

    void WebBrowser1_DownloadComplete(int Index);
    void Command10_Click();

private:
    Form1& f;
};
