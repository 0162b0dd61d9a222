#pragma once
// The frame-blocking grace of the navigations the user starts from the main window. When frame blocking is on (`框架不加载` reads 0) the go
// command writes "1" and opens the grace; the delayed job GraceEnd (registered here) ends it three
// seconds later by writing "0" back, then switches its own timer off. The grace only ever undoes its
// own write: while the key still holds the "1" it wrote and nobody wrote the key since. The exit and restart paths end a pending grace too, so that ending the
// program inside the three seconds does not leave frame blocking off for good.
#include <QString>

class Form1;

class FrameBlockingGrace {
public:
    // Sets the body of the job GraceEnd.
    explicit FrameBlockingGrace(Form1& f);
    FrameBlockingGrace(const FrameBlockingGrace&) = delete;
    FrameBlockingGrace& operator=(const FrameBlockingGrace&) = delete;

    // Writes "1" to `框架不加载` and opens the grace.
    void open();
    // Ends a pending grace, putting "0" back when the key still holds the grace's "1".
    void end();
    // A grace is open (its "1" is not yet undone or overtaken).
    bool pending() const { return pending_; }
    // The body of the job GraceEnd.
    void graceEnd();

private:
    bool stillOwnsKey() const;

    Form1& f;

    bool pending_ = false;
    QString file_;                       // the file its "1" went to
    unsigned long long writeCount_ = 0;  // the key's write count right after that write
};

namespace forms {

// A navigation the user starts from the main window (the go command, a typed search, a pick from the
// recent addresses) passes frame blocking like the go command: while `框架不加载` reads 0 (empty or
// no number counts as on) the grace is opened and the job GraceEnd started (a job already counting
// keeps its time). Callers run it before they open a tab or navigate.
void openUserNavigationGrace(Form1& f);

}  // namespace forms
