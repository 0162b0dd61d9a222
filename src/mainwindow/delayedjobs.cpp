#include "mainwindow/delayedjobs.h"

#include "forms/form1.h"
#include "forms/jobtable.h"

DelayedJobs::DelayedJobs(Form1& form) : f(form) {
    for (int i = 0; i <= forms::kLastJobTimer; ++i) f.Timer4(i).onTimer = [this, i] { Timer4_Timer(i); };
}

void DelayedJobs::Timer4_Timer(int Index) { f.jobs.run(Index); }
