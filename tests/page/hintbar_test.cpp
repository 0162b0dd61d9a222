// The link hint bar: injected once into the page that completed, its text for the status texts of
// its own slot (short, long, scheme-less, without "http"), hidden by the job HintHide and by the
// hiding mode, and what is left of it while the hint is off.
#include "page_fixture.h"
#include "support/program/jobs_fixture.h"

#include "page/hintbar.h"

#include <QCoreApplication>
#include <QMouseEvent>

namespace {

class HintBarTest : public PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        setSetting("连接提示", "1");
        setFgSetting("字体", "测试字体");
        ASSERT_TRUE(startProgram());
    }
    // Opens a tab in front on a page with a link and waits until it has completed.
    int openPage(const QString& path = QStringLiteral("/pages/sinks.html")) {
        const int k = openTab();
        EXPECT_TRUE(load(k, server.urlText(path)));
        return k;
    }
    // The page of slot k sets its status text, as the engine reports it.
    void status(int k, const QString& text) {
        doc(k).evaluate(QStringLiteral("window.status = %1").arg(jsString(text)));
    }
    static QString jsString(QString text) {
        text.replace('\\', "\\\\").replace('\'', "\\'");
        return "'" + text + "'";
    }
    // The label's text, hidden or not (the text of a hidden element reads empty).
    QString labelText(int k) { return doc(k).getElementById(HintBar::kLabelId).innerHTML(); }
    QString visibility(int k, const QString& id) { return doc(k).getElementById(id).styleProperty("visibility"); }
    bool barShown(int k) { return visibility(k, HintBar::kLabelId).isEmpty() && visibility(k, HintBar::kStripId).isEmpty(); }
    bool barHidden(int k) {
        return visibility(k, HintBar::kLabelId) == "hidden" && visibility(k, HintBar::kStripId) == "hidden";
    }
    int bars(int k) { return count(k, "[id='Tavrolinid']") * 10 + count(k, "[id='input_x']"); }
};

TEST_F(HintBarTest, InjectedOnceIntoTheCompletedPage) {
    const int k = openPage();
    ASSERT_EQ(bars(k), 11);
    const web::Element strip = doc(k).getElementById("input_x");
    const web::Element label = doc(k).getElementById("Tavrolinid");
    EXPECT_EQ(strip.getAttribute("type"), "button");
    EXPECT_EQ(strip.styleProperty("position"), "fixed");
    EXPECT_EQ(strip.styleProperty("width"), "700px");
    EXPECT_EQ(label.tagName(), "LABEL");
    EXPECT_EQ(labelText(k), "加载完成..");
    EXPECT_TRUE(label.styleProperty("font-family").contains("测试字体"));
    // The label comes after the strip, both last in the body.
    const QList<web::Element> children = doc(k).body().children();
    ASSERT_GE(children.size(), 2);
    EXPECT_EQ(children[children.size() - 2].id(), "input_x");
    EXPECT_EQ(children.last().id(), "Tavrolinid");

    f1().Command8.press();
    clock.advance(3000);  // job 0 presses Command8 again
    EXPECT_EQ(bars(k), 11);
}

struct TextCase {
    const char* name;
    QString text;
    int openMode;
    QString label;
};

TEST_F(HintBarTest, LabelShowsTheLinkWithoutItsScheme) {
    const QString digits = QStringLiteral("0123456789").repeated(7);  // 70 characters
    const TextCase cases[] = {
        {"short link, in place", "http://a.cn/x", 0, "覆盖a.cn/x"},
        {"short link, new window", "https://a.cn/x", 1, "新建a.cn/x"},
        {"scheme in capitals", "HTTP://A.CN/", 0, "覆盖A.CN/"},
        {"long: 60 characters after the scheme", "http://" + digits, 0, "覆盖" + digits.left(60)},
        {"cut at the 67th character", "http://abcdefgh/" + digits, 0, "覆盖" + ("abcdefgh/" + digits).left(60)},
        {"no scheme: from the third character", "www.http.cn/a", 0, "覆盖w.http.cn/a"},
        {"scheme beyond the 67th character", digits + "http://a.cn", 1, "新建"},
    };
    const int k = openPage();
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.name);
        f1().hintOpenMode = c.openMode;
        status(k, c.text);
        ASSERT_TRUE(waitFor([&] { return f1().Label1.caption() == c.text; }));
        EXPECT_EQ(labelText(k), c.label);
        EXPECT_EQ(f1().lastHoveredLink, c.text);
        EXPECT_TRUE(barShown(k));
    }
}

TEST_F(HintBarTest, TextWithoutHttpHidesTheBar) {
    const int k = openPage();
    status(k, "http://a.cn/x");
    ASSERT_TRUE(waitFor([&] { return f1().Label1.caption() == "http://a.cn/x"; }));
    for (const QString& text : {QStringLiteral("正在打开网页"), QStringLiteral("ftp://a.cn/x")}) {
        SCOPED_TRACE(text.toStdString());
        status(k, "http://a.cn/x");
        ASSERT_TRUE(waitFor([&] { return barShown(k); }));
        status(k, text);
        ASSERT_TRUE(waitFor([&] { return f1().Label1.caption() == "."; }));
        EXPECT_TRUE(barHidden(k));
        EXPECT_EQ(f1().lastHoveredLink, "http://a.cn/x");
        EXPECT_EQ(labelText(k), "覆盖a.cn/x");
    }
}

TEST_F(HintBarTest, HoveringALinkShowsItsAddress) {
    const int k = openPage();
    const QPoint at = doc(k).getElementById("link").boundingClientRect().center();
    QMouseEvent over(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f1().WebBrowser1(k).pageWidget(), &over);
    const QString link = server.urlText("/pages/target.html");
    ASSERT_TRUE(waitFor([&] { return f1().lastHoveredLink == link; }));
    EXPECT_EQ(labelText(k), "覆盖" + link.mid(7));
    EXPECT_EQ(f1().Label1.caption(), link);
}

TEST_F(HintBarTest, StatusTextWorksOnTheSlotThatRaisedIt) {
    const int back = openPage();
    const int front = openPage();
    ASSERT_EQ(f1().Label9.caption(), QString::number(front));
    status(back, "http://back.cn/");
    ASSERT_TRUE(waitFor([&] { return f1().Label1.caption() == "http://back.cn/"; }));
    EXPECT_EQ(labelText(back), "覆盖back.cn/");
    EXPECT_EQ(labelText(front), "加载完成..");
    status(back, "");
    ASSERT_TRUE(waitFor([&] { return f1().Label1.caption() == "."; }));
    EXPECT_TRUE(barHidden(back));
    EXPECT_TRUE(barShown(front));
}

TEST_F(HintBarTest, Job6HidesTheFirstTextAndTurnsTheHidingModeOn) {
    const int k = openPage();
    // Before job 6, an address holding ".." shows the bar.
    status(k, "http://a.cn/../x");
    ASSERT_TRUE(waitFor([&] { return f1().Label1.caption() == "http://a.cn/../x"; }));
    EXPECT_TRUE(barShown(k));

    // Job 6 hides a bar that still shows "..": here the last address.
    clock.advance(10000);
    EXPECT_TRUE(barHidden(k));
    EXPECT_EQ(f1().Timer4(6).tag(), "1");

    struct Case {
        QString text;
        bool shown;
    };
    for (const Case& c : {Case{"http://b.cn/../y", false}, Case{"http://b.cn/y", true}, Case{"http://c.cn/..", false}}) {
        SCOPED_TRACE(c.text.toStdString());
        status(k, c.text);
        ASSERT_TRUE(waitFor([&] { return f1().Label1.caption() == c.text; }));
        EXPECT_EQ(barShown(k), c.shown);
        EXPECT_EQ(barHidden(k), !c.shown);
    }
}

TEST_F(HintBarTest, Job6HidesTheBarWhenNoLinkWasHovered) {
    const int k = openPage();
    ASSERT_TRUE(barShown(k));
    clock.advance(9999);
    EXPECT_TRUE(barShown(k));
    clock.advance(1);
    EXPECT_TRUE(barHidden(k));
}

// A page's own elements named like the bar are not the bar: the program still puts its bar in, fills
// and hides its own bar only, and leaves the page's elements as the page made them.
TEST_F(HintBarTest, APagesElementsNamedLikeTheBarAreLeftAlone) {
    servePage("/named.html", titled("同名", "<label id=\"Tavrolinid\">页面自己的..</label>"
                                            "<input id=\"input_x\" type=\"text\" value=\"页面\">"));
    const int k = openPage("/named.html");
    ASSERT_EQ(bars(k), 22);  // the page's pair and the program's
    const web::Element pageLabel = doc(k).getElementById(HintBar::kLabelId);
    const web::Element pageStrip = doc(k).getElementById(HintBar::kStripId);
    ASSERT_EQ(pageLabel.innerHTML(), "页面自己的..");
    // The program's bar is the pair it appended last to the body.
    struct {
        web::Element label, strip;
    } bar{doc(k).querySelectorAll("[id='Tavrolinid']").last(), doc(k).querySelectorAll("[id='input_x']").last()};
    EXPECT_NE(bar.label, pageLabel);
    EXPECT_EQ(bar.label.innerHTML(), "加载完成..");

    // Job 6 hides the program's bar, which still shows its first text, and nothing of the page's.
    clock.advance(10000);
    EXPECT_EQ(bar.label.styleProperty("visibility"), "hidden");
    EXPECT_EQ(bar.strip.styleProperty("visibility"), "hidden");
    EXPECT_EQ(pageLabel.styleProperty("visibility"), "");
    EXPECT_EQ(pageStrip.styleProperty("visibility"), "");

    // A link's status text goes into the program's label and shows its bar.
    status(k, "http://a.cn/x");
    ASSERT_TRUE(waitFor([&] { return f1().Label1.caption() == "http://a.cn/x"; }));
    EXPECT_EQ(bar.label.innerHTML(), "覆盖a.cn/x");
    EXPECT_EQ(bar.label.styleProperty("visibility"), "");
    EXPECT_EQ(pageLabel.innerHTML(), "页面自己的..");
    status(k, "");
    ASSERT_TRUE(waitFor([&] { return f1().Label1.caption() == "."; }));
    EXPECT_EQ(bar.label.styleProperty("visibility"), "hidden");
    EXPECT_EQ(pageLabel.styleProperty("visibility"), "");
    EXPECT_EQ(pageStrip.styleProperty("visibility"), "");
}

TEST_F(HintBarTest, HintOffLeavesOnlyLabel1AndTheHiding) {
    setSetting("连接提示", "0");
    const int k = openPage();
    EXPECT_EQ(bars(k), 0);
    status(k, "http://a.cn/x");
    ASSERT_TRUE(waitFor([&] { return f1().Label1.caption() == "http://a.cn/x"; }));
    EXPECT_EQ(f1().lastHoveredLink, "http://a.cn/x");
    EXPECT_EQ(bars(k), 0);

    // The home-page refresh job puts the bar into the front page whatever the setting says.
    f1().Timer4(9).setEnabled(true);
    clock.advance(1000);
    ASSERT_EQ(bars(k), 11);
    status(k, "http://b.cn/y");
    ASSERT_TRUE(waitFor([&] { return f1().Label1.caption() == "http://b.cn/y"; }));
    EXPECT_EQ(labelText(k), "加载完成..");
    status(k, "");
    ASSERT_TRUE(waitFor([&] { return f1().Label1.caption() == "."; }));
    EXPECT_TRUE(barHidden(k));
}

}  // namespace

// --- the job HintHide on a page of its own ----------------------------------------------------------

namespace {

using forms::Job;

class HintHideJob : public JobsFixture {};

struct HintCase {
    const char* name;
    const char* text;
    bool hidden;
};

class HintHide : public HintHideJob, public ::testing::WithParamInterface<HintCase> {};

TEST_P(HintHide, HidesABarStillShowingItsFirstText) {
    const HintCase& c = GetParam();
    // The page has its own element named like the bar's label; the program's bar comes after it.
    const int k = openPage("<label id=\"Tavrolinid\">页面自己的..</label>");
    f1().hintBars.make(doc(k), "宋体");
    const forms::HintBars::Bar bar = f1().hintBars.of(doc(k));
    bar.label.setInnerText(QString::fromUtf8(c.text));
    timer(Job::HintHide).setTag("0");
    forms::restart(f1(), Job::HintHide);
    clock.advance(9999);
    EXPECT_EQ(timer(Job::HintHide).tag(), "0");
    clock.advance(1);
    const QString expected = c.hidden ? "hidden" : "";
    EXPECT_EQ(bar.label.styleProperty("visibility"), expected);
    EXPECT_EQ(bar.strip.styleProperty("visibility"), expected);
    EXPECT_EQ(doc(k).getElementById("Tavrolinid").styleProperty("visibility"), "");
    EXPECT_EQ(timer(Job::HintHide).tag(), "1");
    EXPECT_FALSE(timer(Job::HintHide).enabled());
}

INSTANTIATE_TEST_SUITE_P(HintBar, HintHide,
                         ::testing::Values(HintCase{"FirstText", "加载完成..", true},
                                           HintCase{"HoveredLink", "覆盖 http://a.cn/", false}),
                         [](const ::testing::TestParamInfo<HintCase>& info) { return std::string(info.param.name); });

TEST_F(HintHideJob, WithoutABar) {
    openPage("<p>plain</p>");
    forms::restart(f1(), Job::HintHide);
    clock.advance(10000);
    EXPECT_EQ(timer(Job::HintHide).tag(), "1");
}

}  // namespace
