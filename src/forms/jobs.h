#pragma once
// Starting, restarting and stopping the delayed jobs of the main window by name (the table and the
// semantics: forms/jobtable.h), the timer of a job (its tag carries state for some jobs), and the slot
// of a job's body, which its owner sets once.
#include "forms/jobtable.h"

class Form1;

namespace ui {
class Timer;
}

namespace forms {

// The timer of `job` in Form1's array Timer4.
ui::Timer& jobTimer(Form1& f, Job job);

// Enables the job's timer; a countdown already running goes on.
void start(Form1& f, Job job);
// Disables and enables the job's timer: the job runs a full interval from now.
void restart(Form1& f, Job job);
// Disables the job's timer: a pending run is dropped.
void stop(Form1& f, Job job);

// The body of `job`, run by the tick of its timer: set once, by the job's owner.
ui::Handler<void()>& jobBody(Form1& f, Job job);

}  // namespace forms
