// What happens to a page once it has arrived: the document connections, script and frame stripping,
// the engine's error pages, the visit record and the hint bar pressed for the page itself, untitled
// pages, and a background tab's completion leaving the front page alone.
#include "page_fixture.h"

#include "app/defaultbrowser.h"
#include "tabs/tabs.h"
#include "platform/ui/events.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTcpServer>

namespace {

// Five scripts (one in the head) and three frames.
const QByteArray kScriptsAndFrames =
    "<html><head><meta charset=\"utf-8\"><title>stripped</title><script>var a = 1;</script></head><body>"
    "<p id=\"before\">before</p><script>var b = 2;</script><script>var c = 3;</script>"
    "<iframe src=\"/pages/frame_child.html\"></iframe><script>var d = 4;</script>"
    "<iframe src=\"/pages/frame_child.html\"></iframe><iframe src=\"/pages/frame_child.html\"></iframe>"
    "<script>var e = 5;</script><p id=\"after\">after</p></body></html>";

QString scriptMarker(int n) { return QStringLiteral("脚本%1&gt;").arg(n); }
QString frameMarker(int n) { return QStringLiteral("框架%1&gt;").arg(n); }

class PostProcessingTest : public PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        ASSERT_TRUE(startProgram());
        // The visit record is pressed, whoever owns it: the test counts its presses.
        f1().Command12.onClick = nullptr;
        f1().Command12.onClick = [this] { visits << f1().Command12.tag(); };
    }
    QString html(int k) { return doc(k).documentElement().outerHTML(); }
    // Whether the markers 1..n appear in this order in the page's markup.
    bool markersInOrder(int k, QString (*marker)(int), int n) {
        const QString text = html(k);
        int at = 0;
        for (int i = 1; i <= n; ++i) {
            at = text.indexOf(marker(i), at);
            if (at < 0) return false;
        }
        return !text.contains(marker(n + 1));
    }
    QStringList visits;
};

// --- stripping -----------------------------------------------------------------------------------

struct StripCase {
    const char* name;
    const char* scripts;  // 脚本被删除; nullptr: the key is not in the file
    const char* frames;   // 框架被删除
    bool scriptsStripped;
    bool framesStripped;
};

TEST_F(PostProcessingTest, StrippingFollowsTheFlags) {
    const StripCase cases[] = {
        {"both on", "0", "0", true, true},
        {"both off", "1", "1", false, false},
        {"scripts only", "0", "1", true, false},
        {"frames only", "1", "0", false, true},
        {"keys missing count as on", nullptr, nullptr, true, true},
        {"no number counts as on", "x", "", true, true},
    };
    const QString address = servePage("/stripped.html", kScriptsAndFrames);
    const int k = openTab();
    for (const StripCase& c : cases) {
        SCOPED_TRACE(c.name);
        for (const auto& [key, value] : {std::pair{"脚本被删除", c.scripts}, std::pair{"框架被删除", c.frames}}) {
            if (value)
                setSetting(QString::fromUtf8(key), QString::fromUtf8(value));
            else
                removeSetting(QString::fromUtf8(key));
        }
        f1().WebBrowser1(k).Navigate(QStringLiteral("about:blank"));
        ASSERT_TRUE(waitLoaded(k, "about:blank"));
        ASSERT_TRUE(load(k, address));
        EXPECT_EQ(markersInOrder(k, scriptMarker, 5), c.scriptsStripped) << html(k).toStdString();
        EXPECT_EQ(count(k, "script"), c.scriptsStripped ? 0 : 5);
        EXPECT_EQ(markersInOrder(k, frameMarker, 3), c.framesStripped) << html(k).toStdString();
        EXPECT_EQ(count(k, "iframe"), c.framesStripped ? 0 : 3);
        // The rest of the page stays.
        EXPECT_TRUE(has(k, "before") && has(k, "after"));
    }
}

TEST_F(PostProcessingTest, MarkersAreRedAndMagentaText) {
    setSetting("脚本被删除", "0");
    setSetting("框架被删除", "0");
    const int k = openTab();
    ASSERT_TRUE(load(k, servePage("/stripped.html", kScriptsAndFrames)));
    const QList<web::Element> fonts = doc(k).getElementsByTagName("font");
    ASSERT_EQ(fonts.size(), 8);
    QStringList seen;
    for (const web::Element& e : fonts) seen << e.getAttribute("color") + " " + e.innerText();
    // In document order: each marker stands where its element stood.
    EXPECT_EQ(seen.join(" | ").toStdString(),
              "#FF0000 脚本1> | #FF0000 脚本2> | #FF0000 脚本3> | #FF00FF 框架1> | #FF0000 脚本4> | "
              "#FF00FF 框架2> | #FF00FF 框架3> | #FF0000 脚本5>");
}

// --- error pages ---------------------------------------------------------------------------------

TEST_F(PostProcessingTest, OnlyTheEnginesErrorPagesAreReplaced) {
    storeText(forms::Txt::Yuyan, "网页挂了", "<p id=\"zv_error\">挂了</p>");
    struct Case {
        const char* name;
        QString address;
        bool replaced;
    };
    // A port nobody listens on: the connection is refused.
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost);
    const quint16 port = closed.serverPort();
    closed.close();
    servePage("/x.dll", titled("dll", "<p id=\"own\">own</p>"));
    servePage("/res", titled("res", "<p id=\"own\">own</p>"));
    const Case cases[] = {
        {"refused connection", QStringLiteral("http://127.0.0.1:%1/gone.html").arg(port), true},
        {"address holding .dll", server.urlText("/x.dll?y"), false},
        {"address holding RES:", server.urlText("/res?RES:x"), false},
    };
    const int k = openTab();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        f1().WebBrowser1(k).Navigate(c.address);
        ASSERT_TRUE(waitFor([&] { return idle(k) && (has(k, "zv_error") || has(k, "own")); }));
        EXPECT_EQ(has(k, "zv_error"), c.replaced);
        EXPECT_EQ(has(k, "own"), !c.replaced);
        EXPECT_EQ(doc(k).isErrorPage(), c.replaced);
    }
}

// --- the visit record and the hint bar for the page itself ---------------------------------------

TEST_F(PostProcessingTest, VisitRecordPressedOncePerPageWithItsSlot) {
    setSetting("连接提示", "1");
    const QString framed = servePage("/framed.html", titled("framed", "<iframe src=\"/pages/frame_child.html\"></iframe>"));
    const QString plain = servePage("/plain.html", titled("plain", "<p>plain</p>"));
    const int back = openTab();
    const int front = openTab();
    ASSERT_EQ(front, back + 1);
    visits.clear();

    ASSERT_TRUE(load(front, framed));
    EXPECT_EQ(visits, QStringList{QString::number(front)});
    // The hint bar went into the page that completed.
    EXPECT_EQ(count(front, "[id='Tavrolinid']"), 1);

    visits.clear();
    ASSERT_TRUE(load(back, plain));
    EXPECT_EQ(visits, QStringList{QString::number(back)});
    EXPECT_EQ(count(back, "[id='Tavrolinid']"), 1);

    visits.clear();
    ASSERT_TRUE(load(1, plain));
    EXPECT_EQ(visits, QStringList{"1"});
}

TEST_F(PostProcessingTest, NoHintBarWhileTheHintIsOff) {
    setSetting("连接提示", "0");
    const int k = openTab();
    ASSERT_TRUE(load(k, servePage("/plain.html", titled("plain", "<p>plain</p>"))));
    EXPECT_EQ(visits, QStringList{QString::number(k)});
    EXPECT_EQ(count(k, "[id='Tavrolinid']"), 0);
}

// --- a background tab ----------------------------------------------------------------------------

TEST_F(PostProcessingTest, BackgroundTabLeavesTheFrontPageAndLabelAlone) {
    setSetting("连接提示", "1");
    const QString frontPage = servePage("/front.html", kScriptsAndFrames);
    const int back = openTab();
    const int front = openTab();
    ASSERT_TRUE(load(front, frontPage));
    const QString frontCaption = f1().lv(front).caption();
    const int frontBars = count(front, "[id='Tavrolinid']");
    ASSERT_EQ(f1().ORIBERISA.document(), doc(front));

    // Stripping switched on; the background tab loads an untitled page.
    setSetting("脚本被删除", "0");
    setSetting("框架被删除", "0");
    visits.clear();
    ASSERT_TRUE(load(back, servePage("/back.htm", QByteArray(kScriptsAndFrames).replace("<title>stripped</title>", ""))));

    EXPECT_TRUE(markersInOrder(back, scriptMarker, 5));
    EXPECT_TRUE(markersInOrder(back, frameMarker, 3));
    EXPECT_EQ(f1().lv(back).caption(), ".htm");
    EXPECT_EQ(visits, QStringList{QString::number(back)});

    EXPECT_EQ(count(front, "script"), 5);
    EXPECT_EQ(count(front, "iframe"), 3);
    EXPECT_EQ(count(front, "[id='Tavrolinid']"), frontBars);
    EXPECT_EQ(f1().lv(front).caption(), frontCaption);
    EXPECT_EQ(f1().Label9.caption(), QString::number(front));
    EXPECT_EQ(f1().ORIBERISA.document(), doc(front));
}

TEST_F(PostProcessingTest, TabSinkNeverHoldsTheHomePage) {
    const QString homePage = servePage("/home.html", titled("home", "<p id=\"home\">home</p>"));
    ASSERT_TRUE(load(1, homePage));
    ASSERT_EQ(f1().M_Dom.document(), doc(1));
    ASSERT_EQ(f1().Label9.caption(), "1");

    // A tab opened behind the home page completes.
    Tabs* tabs = program().find<Tabs>();
    ASSERT_NE(tabs, nullptr);
    const int k = tabs->opening.openInBackground(servePage("/back.html", titled("back", "<p>back</p>")));
    ASSERT_GE(k, 2);
    ASSERT_TRUE(waitLoaded(k, "/back.html"));
    ASSERT_EQ(f1().Label9.caption(), "1");
    EXPECT_NE(f1().ORIBERISA.document(), doc(1));
    EXPECT_EQ(f1().M_Dom.document(), doc(1));

    // Clicks in the home page still reach the default-browser banner, and only once.
    program().find<DefaultBrowser>()->check();
    ASSERT_TRUE(waitFor([&] { return doc(1).getElementById("img0_llq").offsetWidth() > 0; }));
    const QPoint at = doc(1).getElementById("img0_llq").boundingClientRect().center();
    QWidget* view = f1().WebBrowser1(1).pageWidget();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent e(type, at, view->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &e);
    }
    EXPECT_TRUE(waitFor([&] { return !has(1, "img0_llq") && !has(1, "input_llq"); }));
}

// --- untitled pages ------------------------------------------------------------------------------

struct UntitledCase {
    const char* name;
    bool home;          // the home slot, else a tab in front
    const char* path;   // served untitled
    const char* type;   // content type
    const char* caption;  // the tab's label, or the home slot's title strip; nullptr: no extension
};

TEST_F(PostProcessingTest, UntitledPageShowsTheAddressExtension) {
    const QByteArray picture = [] {
        QFile file(QStringLiteral(ZV_TEST_PAGES) + "/picture.png");
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();
    const UntitledCase cases[] = {
        {"picture tab, upper case", false, "/pic.PNG", "image/png", ".png"},
        {"list order wins", false, "/x.php?a.jpg", "text/html", ".jpg"},
        {"home page", true, "/page.htm", "text/html", "< .htm"},
        {"no extension", false, "/plain", "text/html", nullptr},
    };
    int tab = 0;
    for (const UntitledCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray type(c.type);
        server.addPage(QString::fromLatin1(c.path).section('?', 0, 0),
                       type.startsWith("image") ? picture : QByteArray("<html><body><p>untitled</p></body></html>"), type);
        const int k = c.home ? 1 : (tab ? tab : (tab = openTab()));
        ui::Label& label = c.home ? f1().Label2(0) : f1().lv(k);
        label.setCaption("unchanged");
        f1().Command8.setTag("2");
        setSetting("框架不加载", "1");
        ASSERT_TRUE(load(k, server.urlText(c.path), QString::fromLatin1(c.path).section('?', 0, 0)));
        if (c.caption)
            EXPECT_EQ(label.caption(), QString::fromUtf8(c.caption));
        else
            EXPECT_FALSE(label.caption().contains('.')) << label.caption().toStdString();
        // An untitled page resets the frame-blocking counter.
        EXPECT_EQ(f1().Command8.tag(), "0");
    }
}

TEST_F(PostProcessingTest, TitledPageKeepsTheCounter) {
    const int k = openTab();
    f1().Command8.setTag("2");
    ASSERT_TRUE(load(k, servePage("/titled.htm", titled("有标题", "<p>x</p>"))));
    EXPECT_EQ(f1().Command8.tag(), "2");
    EXPECT_NE(f1().lv(k).caption(), ".htm");
}

}  // namespace
