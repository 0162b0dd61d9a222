// The element list: a run over the front page (the head at once, one body element per step of the job
// ElementListStep),
// its rows and labels, the progress overlay, the stop by a double-click and the busy refusal.
#include "page/sinks_fixture.h"
#include "support/program/jobs_fixture.h"

#include "analysis/elementlist.h"
#include "analysis/form11.h"
#include "analysis/views.h"
#include "forms/windowowner.h"
#include "platform/rt/format.h"
#include "platform/rt/gbk.h"
#include "platform/rt/random.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <map>

namespace {

class ElementListTest : public SinksTest {
protected:
    void SetUp() override {
        SinksTest::SetUp();
        setSetting("网页右键", "False");
        ASSERT_TRUE(startProgram());
        QDir(folder.path()).mkpath("html");
        rt::setRandomSequence({0.125f});
        const QString address = servePage("/list.html", "<html><head><meta charset=\"utf-8\"><title>列表&lt;b&gt;</title></head>"
                                                        "<body><p id=\"p\">段落 1</p><span>二</span></body></html>");
        k = openTab();
        ASSERT_TRUE(load(k, address, "/list.html"));
        services.clearRecords();
    }
    void TearDown() override {
        rt::setRandomSequence({});
        SinksTest::TearDown();
    }
    void startRun(int answer = ui::vbYes) {
        services.queueMsgBoxAnswer(answer);
        services.queuePopupChoice("html100", 1);
        rightClick(k, "p");
    }
    QString page() {
        QFile file(sys::nativePath(analysis::viewPath("HTML - 0.125.html")));
        return file.open(QIODevice::ReadOnly) ? rt::fromGbk(file.readAll()) : QString("<none>");
    }
    // Loads the listed tab with a page of this body (its first element has the id "p").
    void loadBody(const QByteArray& body, const QString& path = "/body.html") {
        ASSERT_TRUE(load(k, servePage(path, "<html><head><meta charset=\"utf-8\"><title>t</title></head><body>" + body + "</body></html>"),
                         path));
    }
    // The double-click as the windowing system delivers it: press, release, double-click, release.
    void doubleClick(int slot, const QString& id) {
        const QPoint at = centre(slot, id);
        mouse(slot, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        mouse(slot, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        mouse(slot, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
        mouse(slot, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }
    // Runs job 7 until the run ends (at most `ticks` steps); the steps it took.
    int runToTheEnd(int ticks) {
        int taken = 0;
        while (due(7) == 70 && taken < ticks) {
            clock.advance(70);
            ++taken;
        }
        return taken;
    }
    int k = 0;
};

TEST_F(ElementListTest, ARunListsHeadThenBodyAndShowsThePage) {
    startRun();
    EXPECT_EQ(services.messages(), QStringList({"生成源码时不要进行其他操作，以免卡死"}));
    // The head at once: meta and title numbered 1 and 2; the overlay in the listed page.
    EXPECT_TRUE(page().contains(".<a href=# title="));
    EXPECT_TRUE(page().contains("id=ym2>TITLE</a>----->"));
    EXPECT_TRUE(page().contains("<label>列表&lt;b&gt;</label>")) << "the title shows as text";
    EXPECT_TRUE(has(k, "ym99_input"));
    EXPECT_EQ(f1().Command11.caption(), "2");
    EXPECT_EQ(due(7), 70);
    // One body element per step (p, span, the overlay's input and label).
    for (int step = 1; step <= 4; ++step) {
        SCOPED_TRACE(step);
        clock.advance(70);
        if (step < 4) {
            EXPECT_EQ(due(7), 70);
        }
    }
    EXPECT_EQ(due(7), -1);
    EXPECT_TRUE(page().contains("　　　　　　　　0003.<a href=# title="));
    EXPECT_TRUE(page().contains("id=ym3>P</a>--------->"));
    EXPECT_TRUE(page().contains("<label id=ym3X style=display:none>"));
    EXPECT_TRUE(page().contains("</div></div>"));
    EXPECT_FALSE(has(k, "ym99_input"));
    EXPECT_FALSE(has(k, "ym99_label"));
    Form11* w = forms::windows().existing<Form11>();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->caption(), "HTML - 0.125.html");
}

TEST_F(ElementListTest, BusyRefusalNoAndDoubleClickStop) {
    startRun(ui::vbNo);
    EXPECT_EQ(page(), "<none>");
    startRun();
    services.clearRecords();
    startRun();
    EXPECT_EQ(services.messages(), QStringList({"正在生成，请稍后.."}));
    // A double-click in the page stops the run and removes the overlay.
    doubleClick(k, "p");
    EXPECT_EQ(due(7), -1);
    EXPECT_FALSE(has(k, "ym99_input"));
}

TEST_F(ElementListTest, RowsAndColouring) {
    const QString text(20, 'x');
    EXPECT_EQ(ElementList::row(12, "A", text, 4), QString(8, QChar(0x3000)) + "0012.<a href=# title=14+ id=ym12>A</a>--------->");
    EXPECT_EQ(ElementList::row(1, "BLOCKQUOTE", text, 4).right(15), "BLOCKQUOTE</a>>");
    EXPECT_EQ(ElementList::row(1, "ABCDEFGHIJK", text, 4), "");
    EXPECT_EQ(ElementList::row(10000, "A", text, 4), "");
    EXPECT_TRUE(ElementList::row(12345, "A", text, 5).contains("12345.<a"));
    // A short script keeps only its digit colours; a long inline one gets its keywords.
    EXPECT_FALSE(ElementList::colour("&lt;script&gt;var a;&lt;/script&gt;").contains("fuchsia"));
    EXPECT_TRUE(ElementList::colour("&lt;script&gt;" + QString(100, ' ') + "var a;&lt;/script&gt;").contains("fuchsia"));
}

}  // namespace

namespace {

TEST_F(ElementListTest, NavigatingTheListedTabAbandonsTheRun) {
    startRun();
    ASSERT_EQ(due(7), 70);
    ASSERT_TRUE(load(k, servePage("/other.html", "<html><body><p>别的</p></body></html>"), "/other.html"));
    services.clearRecords();
    clock.advance(70);
    EXPECT_EQ(due(7), -1);
    EXPECT_FALSE(page().contains("</div></div>"));
    // The user is told that the list stopped, as the views' other refusals tell.
    EXPECT_EQ(services.messages(), QStringList({"标签中的网页已改变，源码生成已停止"}));
    ASSERT_FALSE(services.boxes().empty());
    EXPECT_EQ(services.boxes().back().style, ui::vbOKOnly + ui::vbCritical);
    EXPECT_EQ(services.boxes().back().title, "");
}

// A tag name holding "<" stays one row, and text GBK cannot hold shows in the list.
TEST_F(ElementListTest, ATagNameWithABracketAndTextOutsideGbkAreListed) {
    ASSERT_TRUE(load(k, servePage("/odd.html", "<html><head><meta charset=\"utf-8\"><title>한국어 😀</title></head>"
                                               "<body><p id=\"p\">ñ façade عربي</p><x<y>inner</x<y><span>after</span></body></html>"),
                     "/odd.html"));
    services.clearRecords();
    startRun();
    runToTheEnd(20);
    ASSERT_EQ(due(7), -1);
    EXPECT_TRUE(page().contains(">X&lt;Y</a>")) << page().toStdString();
    EXPECT_TRUE(page().contains("<label>&#54620;&#44397;&#50612; &#128512;</label>")) << page().toStdString();
    EXPECT_TRUE(page().contains("&#241; fa&#231;ade &#1593;&#1585;&#1576;&#1610;")) << page().toStdString();
    Form11* w = forms::windows().existing<Form11>();
    ASSERT_NE(w, nullptr);
    QStringList tags;
    ASSERT_TRUE(waitFor([&] {
        try {
            if (w->WebBrowser1.busy() || !w->WebBrowser1.document().url().contains("0.125")) return false;
            tags.clear();
            for (const web::Element& a : w->WebBrowser1.document().getElementsByTagName("a"))
                if (a.id().startsWith("ym")) tags << a.innerText();
            return !tags.isEmpty();
        } catch (...) {
            return false;
        }
    }));
    EXPECT_TRUE(tags.contains("X<Y")) << tags.join('|').toStdString();
    EXPECT_TRUE(tags.contains("SPAN")) << tags.join('|').toStdString();
    EXPECT_TRUE(w->WebBrowser1.document().body().innerText().contains(QString::fromUtf8("한국어 😀")));
}

}  // namespace

namespace {

TEST_F(ElementListTest, ATwoHundredElementPageIsListedTickByTick) {
    QByteArray body = "<p id=\"p\">0</p>";
    for (int i = 1; i < 200; ++i) body += "<p>" + QByteArray::number(i) + "</p>";
    loadBody(body);
    startRun();
    // The head's meta and title, then the 200 paragraphs and the overlay's input and label.
    const int listed = 202;
    ASSERT_EQ(doc(k).body().all().size(), listed);
    auto progress = [&] { return doc(k).getElementById("ym99_label").innerText(); };
    EXPECT_EQ(progress(), "准备生成..");
    // The percentage grows by 100 / 202 a step; its whole part shows.
    const std::map<int, QString> shown = {{1, "源码正在生成 0%"}, {100, "源码正在生成 49%"}, {201, "源码正在生成 99%"}};
    for (int tick = 1; tick < listed; ++tick) {
        clock.advance(70);
        ASSERT_EQ(due(7), 70) << "the run goes on after step " << tick;
        if (shown.count(tick)) {
            EXPECT_EQ(progress(), shown.at(tick)) << "after step " << tick;
        }
    }
    EXPECT_FALSE(page().contains("</div></div>"));
    clock.advance(70);
    EXPECT_EQ(due(7), -1) << "the step that reaches the count is the last";
    const QString text = page();
    EXPECT_EQ(text.count(".<a href=# title="), 2 + listed);
    EXPECT_EQ(text.count("<label id=ym"), 2 + listed);
    EXPECT_TRUE(text.contains("id=ym3>P</a>")) << "the first body element follows the head's two";
    EXPECT_TRUE(text.contains("id=ym202>P</a>"));
    EXPECT_TRUE(text.contains("id=ym204>LABEL</a>")) << "the overlay's label is the last body element";
    EXPECT_FALSE(text.contains("id=ym205"));
    EXPECT_EQ(text.count("</div></div>"), 1);
    EXPECT_FALSE(has(k, "ym99_input"));
    EXPECT_FALSE(has(k, "ym99_label"));
    Form11* w = forms::windows().existing<Form11>();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->caption(), "HTML - 0.125.html");
    // Nothing more comes after the end.
    clock.advance(700);
    EXPECT_EQ(page(), text);
}

TEST_F(ElementListTest, ClosingTheListedTabStopsTheRun) {
    struct Case {
        const char* name;
        bool another;  // another tab is opened in front before the close
    };
    const Case cases[] = {{"the listed tab in front", false}, {"another tab in front", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startRun();
        clock.advance(70);
        ASSERT_EQ(due(7), 70);
        ASSERT_TRUE(page().contains("id=ym3>P</a>"));
        if (c.another) {
            const int other = openTab();
            ASSERT_NE(other, k);
            clock.advance(70);
            ASSERT_EQ(due(7), 70) << "the run follows the listed tab, not the front one";
        }
        const QString before = page();
        services.queuePopupChoice("BQYJ100", 1);
        f1().lv(k).onMouseDown(ui::vbRightButton, 0, 0, 0);
        EXPECT_EQ(due(7), -1);
        clock.advance(700);
        EXPECT_EQ(due(7), -1);
        EXPECT_EQ(page(), before) << "nothing is appended after the close";
        EXPECT_FALSE(page().contains("</div></div>"));
        // The next case lists a tab of its own.
        rt::setRandomSequence({0.125f});
        QFile::remove(sys::nativePath(analysis::viewPath("HTML - 0.125.html")));
        k = openTab();
        ASSERT_TRUE(load(k, server.urlText("/list.html"), "/list.html"));
        services.clearRecords();
    }
}

TEST_F(ElementListTest, BodyElementsOverTheLimitShowTheMessage) {
    struct Case {
        int length;     // of the paragraph's outer HTML
        int title;      // the row's length figure
        bool shown;
    };
    const QString message = "字符长度过大，不给予显示";
    // The escaping adds 12 characters to the paragraph ("<" and ">" twice each); the message is 12.
    const Case cases[] = {{666, 672, true}, {667, 6, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        rt::setRandomSequence({0.125f});
        QFile::remove(sys::nativePath(analysis::viewPath("HTML - 0.125.html")));
        const QByteArray fill(c.length - int(strlen("<p id=\"p\"></p>")), 'x');
        loadBody("<p id=\"p\">" + fill + "</p>", QStringLiteral("/long%1.html").arg(c.length));
        ASSERT_EQ(doc(k).getElementById("p").outerHTML().size(), c.length);
        startRun();
        EXPECT_EQ(runToTheEnd(10), 3);
        const QString text = page();
        EXPECT_TRUE(text.contains(QStringLiteral("title=%1+ id=ym3>P</a>").arg(c.title))) << text.toStdString();
        EXPECT_EQ(text.contains(QString(fill)), c.shown);
        EXPECT_EQ(text.contains("<label id=ym3X style=display:none>" + message + "</label><br>"), !c.shown);
    }
}

// A list that finishes while the source window lies behind the main window brings it to the front
// with the focus, showing the list.
TEST_F(ElementListTest, AFinishedListBringsTheSourceWindowToTheFront) {
    auto active = [](ui::Form& w) { return waitFor([&] { return QApplication::activeWindow() == w.widget(); }); };
    for (float number : {0.125f, 0.25f}) {
        SCOPED_TRACE(number);
        rt::setRandomSequence({number});
        startRun();
        f1().activate();
        ASSERT_TRUE(active(f1()));
        EXPECT_GT(runToTheEnd(10), 0);
        Form11* w = forms::windows().existing<Form11>();
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(active(*w));
        EXPECT_EQ(w->caption(), QStringLiteral("HTML - %1.html").arg(rt::str(number)));
    }
}

TEST_F(ElementListTest, ADoubleClickInTheFrontPageIsAlwaysCancelled) {
    doc(k).evaluate("document.addEventListener('dblclick',function(e){window.refused=String(e.defaultPrevented);});");
    auto cancelled = [&] {
        doc(k).evaluate("window.refused='none'");
        doubleClick(k, "p");
        return doc(k).evaluate("window.refused");
    };
    EXPECT_EQ(cancelled(), "true") << "before any run";
    EXPECT_EQ(due(7), -1);
    startRun();
    ASSERT_EQ(due(7), 70);
    EXPECT_EQ(cancelled(), "true") << "during a run, which it stops";
    EXPECT_EQ(due(7), -1);
    EXPECT_EQ(cancelled(), "true") << "after the run stopped";
    EXPECT_EQ(services.messages(), QStringList({"生成源码时不要进行其他操作，以免卡死"})) << "a double-click shows nothing";
}

}  // namespace

// --- the job ElementListStep with a worker of the test's own ------------------------------------------

namespace {

using forms::Job;

class ElementListStepJob : public JobsFixture {};

TEST_F(ElementListStepJob, StepsUntilTheWorkerEnds) {
    // Eight elements in the body: the progress label, six more and the load marker.
    const int k = openPage("<label id=\"ym99_label\"></label><b></b><b></b><b></b><b></b><b></b><b></b>");
    f1().Command11.setToolTipText(QString::number(k));
    f1().Command11.setTag("0");
    timer(Job::ElementListStep).setTag("0");
    QStringList written;
    // The element-list worker: writes element (step counter - 1), restarts the job until the last.
    f1().Command11.onClick = nullptr;  // the test takes the slot over from its owner
    f1().Command11.onClick = [&] {
        written << timer(Job::ElementListStep).tag();
        if (timer(Job::ElementListStep).tag() != "8") forms::restart(f1(), Job::ElementListStep);
    };
    forms::restart(f1(), Job::ElementListStep);

    clock.advance(70);
    EXPECT_EQ(f1().Command11.tag(), "12.5");
    EXPECT_EQ(doc(k).getElementById("ym99_label").innerText(), "源码正在生成 12%");
    clock.advance(70 * 2);
    EXPECT_EQ(doc(k).getElementById("ym99_label").innerText(), "源码正在生成 37%");
    clock.advance(70 * 10);
    EXPECT_EQ(written, (QStringList{"1", "2", "3", "4", "5", "6", "7", "8"}));
    EXPECT_EQ(f1().Command11.tag(), "100");
    EXPECT_FALSE(timer(Job::ElementListStep).enabled());
}

TEST_F(ElementListStepJob, WithoutItsPageStillCounts) {
    f1().Command11.setToolTipText("9");  // no such tab
    f1().Command11.setTag("0");
    timer(Job::ElementListStep).setTag("0");
    int calls = 0;
    f1().Command11.onClick = nullptr;  // the test takes the slot over from its owner
    f1().Command11.onClick = [&] { ++calls; };
    forms::restart(f1(), Job::ElementListStep);
    clock.advance(70);
    EXPECT_EQ(timer(Job::ElementListStep).tag(), "1");
    EXPECT_EQ(f1().Command11.tag(), "0");
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(timer(Job::ElementListStep).enabled());
}

}  // namespace
