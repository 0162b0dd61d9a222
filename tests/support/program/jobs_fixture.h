#pragma once
// The whole program, started, for the tests of the delayed jobs (forms/jobs.h) and of the job bodies
// their owners register: presses of the link hint bar's Command8 are counted instead of run, and
// `openPage` opens a tab in front on a page of its own.
#include "support/program/program_fixture.h"

#include "forms/form1.h"
#include "forms/jobs.h"
#include "platform/rt/convert.h"
#include "platform/ui/timer.h"
#include "platform/web/document.h"
#include "platform/web/webbrowser.h"

#include <QDir>
#include <QFile>

class JobsFixture : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        ASSERT_TRUE(start());
        f1().Command8.onClick = nullptr;  // the test takes the slot over from its owner
        f1().Command8.onClick = [this] { ++hintPresses; };
    }

    // The timer of a job.
    ui::Timer& timer(forms::Job job) { return forms::jobTimer(f1(), job); }

    // Opens a tab in front showing `body`; returns its slot.
    int openPage(const QString& body) {
        QDir().mkpath(folder.path() + "/pages");
        const QString file = folder.path() + QStringLiteral("/pages/p%1.html").arg(++pages);
        QFile out(file);
        out.open(QIODevice::WriteOnly);
        out.write("<html><head><meta charset=\"utf-8\"><title>page</title></head><body>" + body.toUtf8() +
                  "<i id=\"loaded\"></i></body></html>");
        out.close();
        f1().Command24.press();
        const int k = rt::toInt32(f1().Label9.caption());
        f1().WebBrowser1(k).Navigate(file);
        EXPECT_TRUE(waitFor([&] {
            try {
                return !f1().WebBrowser1(k).busy() && !f1().WebBrowser1(k).document().getElementById("loaded").isNull();
            } catch (...) {
                return false;
            }
        }));
        return k;
    }
    web::Document doc(int k) { return f1().WebBrowser1(k).document(); }
    QString visibility(int k, const QString& id) { return doc(k).getElementById(id).styleProperty("visibility"); }

    int hintPresses = 0;
    int pages = 0;
};
