// The element list: a run over the front page (the head at once, one body element per step of job 7),
// its rows and labels, the progress overlay, the stop by a double-click and the busy refusal.
#include "page/sinks_fixture.h"

#include "analysis/elementlist.h"
#include "analysis/form11.h"
#include "analysis/views.h"
#include "forms/windowowner.h"
#include "platform/rt/gbk.h"
#include "platform/rt/random.h"

#include <QDir>
#include <QFile>

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
        if (step < 4) EXPECT_EQ(due(7), 70);
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
    // (as the windowing system delivers it: press, release, double-click, release)
    const QPoint at = centre(k, "p");
    mouse(k, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    mouse(k, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    mouse(k, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
    mouse(k, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
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
    clock.advance(70);
    EXPECT_EQ(due(7), -1);
    EXPECT_FALSE(page().contains("</div></div>"));
}

}  // namespace
