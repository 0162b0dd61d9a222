#pragma once
// The delayed jobs of the main window, by name. Each job has one timer of the array
// Timer4(0)..Timer4(10) and an interval; other code puts off a piece of work by starting, restarting
// or stopping the job (forms/jobs.h), and the tick runs the one body its owner registered.
//
//   timer  interval  job                  body registered by
//   0      3000 ms   HintRearm            HintBar (page/hintbar.*): presses Command8
//   1      3000 ms   GraceEnd             FrameBlockingGrace (forms/frameblockinggrace.*)
//   2      1000 ms   BackgroundTitle      TabSlots (tabs/tabslots.*): the title of a tab opened in the
//                                         background (repeats until the label has one)
//   3       400 ms   FlashReparent        FlashPopOut (media/flashpopout.*): moves the popped-out player
//                                         still in the page into the pop-out window
//   4      1000 ms   ShortUrlAnswer       TabPageItems (tabs/tabpageitems.*)
//   5       500 ms   (none)
//   6     10000 ms   HintHide             HintBar: hides a link hint bar that still shows its first text
//   7        70 ms   ElementListStep      ElementList (analysis/elementlist.*): one step of the list
//   8       100 ms   IframeHiding         NavigationGuard (page/navigationguard.*): hides the iframes of
//                                         the front page
//   9      1000 ms   HomeRefresh          DocumentSinks (page/documentsinks.*): skin picture and hint bar
//                                         after F5 in the home page
//   10     1000 ms   DefaultBrowserCheck  DefaultBrowser (app/defaultbrowser.*)
//
// Start: enable the timer (an enabled timer keeps its countdown). Restart: disable and enable (a full
// interval from now). Stop: disable (a pending run is dropped). Every job switches its own timer off,
// so it runs once per start; BackgroundTitle keeps ticking until its tab has a title or is gone, and
// the element-list worker restarts ElementListStep after every element but the last.
//
// A job's body is an event slot like any other: set once, by its owner; a second setting is reported
// as a conflict. The bodies are held by the main window (Form1::jobs).
#include "platform/ui/handler.h"

#include <array>

namespace forms {

enum class Job {
    HintRearm,
    GraceEnd,
    BackgroundTitle,
    FlashReparent,
    ShortUrlAnswer,
    HintHide,
    ElementListStep,
    IframeHiding,
    HomeRefresh,
    DefaultBrowserCheck,
};

inline constexpr int kJobCount = 10;
// The timers of the array: Timer4(0) to Timer4(kLastJobTimer).
inline constexpr int kLastJobTimer = 10;

struct JobRow {
    Job job;
    const char* name;  // "Job::HintRearm": how a conflict report names the job's slot
    int timer;         // the index in Timer4
    int interval;      // ms
};

// The row of a job.
const JobRow& jobRow(Job job);
// The interval of Timer4(index), also of the timer that has no job; 0 outside the array.
int jobTimerInterval(int index);

// The bodies of the jobs, one slot each.
class JobBodies {
public:
    JobBodies();
    JobBodies(const JobBodies&) = delete;
    JobBodies& operator=(const JobBodies&) = delete;

    ui::Handler<void()>& operator[](Job job);
    // The tick of Timer4(index): runs the body of the job of that timer, when it has one.
    void run(int index);

private:
    std::array<ui::Handler<void()>, kJobCount> bodies_;
};

}  // namespace forms
