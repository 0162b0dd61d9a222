#pragma once
// The tick handlers of the delayed-job timer array Timer4(0)..Timer4(10) of the main window: each tick
// runs the body of the job of that timer, which the job's owner registered in the job table
// (forms/jobtable.h, started and stopped by name through forms/jobs.h). Timer4(5) has no job.
class Form1;

class DelayedJobs {
public:
    // Sets the tick handlers of Timer4(0)..Timer4(10).
    explicit DelayedJobs(Form1& f);

    // The tick handler of the array.
    void Timer4_Timer(int Index);

private:
    Form1& f;
};
