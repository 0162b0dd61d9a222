#pragma once
// The delayed-job timer array Timer4(0)..Timer4(10) of the main window: other code puts off a piece
// of work by starting, restarting or stopping a timer, and the tick runs the one job of that index.
//
//   index  interval  job
//   0      3000 ms   hint re-arm: presses Command8
//   1      3000 ms   end of the frame-blocking grace of the go command
//   2      1000 ms   the title of a tab opened in the background (repeats until the label has one)
//   3       400 ms   moves a Flash player window still in the page into the pop-out window
//   4      1000 ms   the short-URL answer
//   5       500 ms   none
//   6     10000 ms   hides a link hint bar that still shows its first text
//   7        70 ms   one step of the element list
//   8       100 ms   hides the iframes of the front page
//   9      1000 ms   home-page refresh follow-up: skin picture and hint bar
//   10     1000 ms   the default-browser check
//
// Start: enable the timer (an enabled timer keeps its countdown). Restart: disable and enable (a full
// interval from now). Stop: disable (a pending run is dropped). Every job switches its own timer off,
// so it runs once per start; job 2 keeps ticking until its tab has a title or is gone, and the
// element-list worker restarts job 7 after every element but the last.
#include <QString>

#include <functional>

class Form1;

namespace web {
class WebBrowser;
}

class DelayedJobs {
public:
    // Sets the tick handlers of Timer4(0)..Timer4(10).
    explicit DelayedJobs(Form1& f);

    static void start(Form1& f, int index);
    static void restart(Form1& f, int index);
    static void stop(Form1& f, int index);

    // The tick handler of the array.
    void Timer4_Timer(int Index);

    // A short-URL request that job 4 answers: the tab it was made for and that tab's address at the
    // time, the address the fetch browser was sent to, and the text short links begin with.
    struct ShortUrlRequest {
        int slot = 0;
        QString address;
        QString requestUrl;
        QString prefix;
    };
    // Called by the short-URL request right after it sent the fetch browser off, before it starts
    // job 4. Job 4 then offers the short address of this request's reply only.
    void setShortUrlRequest(const ShortUrlRequest& request);

    // Job 3's player container in the Flash pop-out window, which the media windows build: 0 while
    // no pop-out window is open, and then the job moves nothing; unset, the same.
    std::function<int()> flashContainer;
    // Job 3's player window, asked with the front page window: the popped-out player when it lies
    // there again, else 0. Unset, the first player window in the front page window.
    std::function<int(int pageWindow)> flashPlayer;

    // Texts of job 4.
    static const QString kShortUrlTitle;    // "短网址"
    static const QString kShortUrlNoReply;  // the notice when the service has not answered

private:
    void hintRearm();         // 0
    void graceEnd();          // 1
    void backgroundTitle();   // 2
    void flashReparent();     // 3
    void shortUrlAnswer();    // 4
    void hintHide();          // 6
    void elementListStep();   // 7
    void iframeHiding();      // 8
    void homeRefresh();       // 9
    void defaultBrowser();    // 10

    Form1& f;
    bool haveShortUrlRequest_ = false;
    ShortUrlRequest shortUrlRequest_;
};
