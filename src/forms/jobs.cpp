#include "forms/jobs.h"

#include "forms/form1.h"

namespace forms {

ui::Timer& jobTimer(Form1& f, Job job) { return f.Timer4(jobRow(job).timer); }

void start(Form1& f, Job job) { jobTimer(f, job).setEnabled(true); }

void restart(Form1& f, Job job) {
    jobTimer(f, job).setEnabled(false);
    jobTimer(f, job).setEnabled(true);
}

void stop(Form1& f, Job job) { jobTimer(f, job).setEnabled(false); }

ui::Handler<void()>& jobBody(Form1& f, Job job) { return f.jobs[job]; }

}  // namespace forms
