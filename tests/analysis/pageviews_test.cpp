// Page views: the escapings and colouring passes, the head and body views written under \html\ and
// shown in the source window, and the source window's own behaviour (placing, the row toggle, the
// source menu).
#include "analysis/views_fixture.h"

#include "forms/form14.h"
#include "platform/rt/format.h"

#include <QElapsedTimer>

#include <QApplication>

namespace {

class PageViewsTest : public ViewsTest {
protected:
    // 标记源码 > 02>HEAD or 03>BODY, chosen from the document menu as a person does.
    void chooseView(int k, int item) { choose(k, "html100", item, "p"); }
};

TEST_F(PageViewsTest, Escapings) {
    const QString source = "<p class=\"a\">x &amp; y &lt;z&gt;</p>";
    EXPECT_EQ(analysis::plainEscape(source), "&lt;p class=\"a\"&gt;x &amp; y &lt;z&gt;&lt;/p&gt;");
    EXPECT_EQ(analysis::lineBreakEscape(source), "<br>&lt;p class=\"a\"&gt;x &amp; y &lt;z&gt;<br>&lt;/p&gt;");
}

TEST_F(PageViewsTest, ColouringPasses) {
    storeText(forms::Txt::Yuyan, "颜色名称1", "c0>c1>c2>c3>c4");
    EXPECT_EQ(analysis::digitPass("1 and 7"), "<font color=c1>1</font> and 7");
    storeText(forms::Txt::Yuyan, "颜色名称2", "e0>e1>e2>e3>e4>e5>e6>e7>e8");
    // A name of 2 characters takes entry 0, one of 12 entry 8; another letter case elsewhere takes the
    // piece's spelling.
    EXPECT_EQ(analysis::attributeNamePass("<a id=\"x\" ID=y>"), "<a <font color=e0>id=</font>\"x\" <font color=e0>id=</font>y>");
    EXPECT_EQ(analysis::attributeNamePass("<i placeholder1=\"x\">"), "<i <font color=e8>placeholder1=</font>\"x\">");
    EXPECT_EQ(analysis::attributeNamePass("no quote=here"), "no quote=here");
    storeText(forms::Txt::Yuyan, "iscript", "var>return>last");
    EXPECT_EQ(analysis::keywordPass("VAR x; last"), "<font color=fuchsia>var</font> x; last");
}

TEST_F(PageViewsTest, HeadViewIsWrittenColouredAndShown) {
    rt::setRandomSequence({0.5f});
    const int k = openOn("<title>标题</title><script>var n = 1;</script>", "<p id=\"p\">段落</p>");
    chooseView(k, 2);
    const QString name = "HEAD - 0.5.html";
    const QByteArray bytes = viewBytes(name);
    EXPECT_TRUE(bytes.startsWith("<meta http-equiv=X-UA-Compatible content=IE=Edge>\r\n")) << bytes.left(80).toStdString();
    EXPECT_TRUE(bytes.contains("<div style=\"font-size:18px;font-family:'Noto Sans CJK SC'\">\r\n"));
    EXPECT_TRUE(bytes.contains("<font color=fuchsia>var</font>"));
    EXPECT_TRUE(bytes.contains(rt::toGbk("&gt;标题"))) << QString(rt::fromGbk(bytes)).toStdString();
    EXPECT_TRUE(bytes.endsWith("</div>\r\n"));
    Form11* w = source();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->visible());
    EXPECT_EQ(w->caption(), name);
    EXPECT_NEAR(w->left(), 6400, 15);
    EXPECT_NEAR(w->top(), 4000, 15);
    ASSERT_TRUE(shown(*w));
    EXPECT_TRUE(w->WebBrowser1.document().url().endsWith("/html/HEAD%20-%200.5.html") ||
                w->WebBrowser1.document().url().endsWith("/html/HEAD - 0.5.html"))
        << w->WebBrowser1.document().url().toStdString();
    EXPECT_EQ(w->WebBrowser1.document().body().styleProperty("border"), "none");
}

// Each view shown comes to the front with the focus, also when the source window lay behind the main
// window or was minimised; the window keeps its place.
TEST_F(PageViewsTest, AViewBringsTheSourceWindowToTheFrontWithTheFocus) {
    const int k = openOn("<title>t</title>", "<p id=\"p\">段落</p>");
    auto active = [](ui::Form& w) { return waitFor([&] { return QApplication::activeWindow() == w.widget(); }); };
    chooseView(k, 2);
    Form11* w = source();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(active(*w));
    w->move(3000, 2000, w->width(), w->height());
    for (int item : {3, 2}) {
        SCOPED_TRACE(item);
        f1().activate();
        ASSERT_TRUE(active(f1()));
        chooseView(k, item);
        EXPECT_TRUE(active(*w)) << "behind the main window";
        QWidget* focus = QApplication::focusWidget();
        EXPECT_TRUE(focus && (focus == w->WebBrowser1.widget() || w->WebBrowser1.widget()->isAncestorOf(focus)));
        EXPECT_DOUBLE_EQ(w->left(), 3000);
        EXPECT_DOUBLE_EQ(w->top(), 2000);
    }
    w->setWindowState(ui::vbMinimized);
    f1().activate();
    ASSERT_TRUE(active(f1()));
    chooseView(k, 3);
    EXPECT_EQ(w->windowState(), ui::vbNormal);
    EXPECT_TRUE(active(*w)) << "minimised";
}

TEST_F(PageViewsTest, BodyViewAndItsLimits) {
    struct Case {
        const char* name;
        int length;  // of the body's outer HTML
        const char* message;
    };
    
    const Case cases[] = {{"at the limit", 600000, ""}, {"one more", 600001, "<BODY>源码字节超过60万，不能打开"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        services.clearRecords();
        rt::setRandomSequence({0.25f});
        const int k = openOn("", "<p id=\"p\">1</p><span id=\"fill\"></span>");
        // Fill the body to the exact length (the program adds elements of its own to a page).
        const int missing = c.length - doc(k).body().outerHTML().size();
        doc(k).evaluate(QStringLiteral("document.getElementById('fill').textContent='x'.repeat(%1)").arg(missing));
        ASSERT_EQ(doc(k).body().outerHTML().size(), c.length);
        chooseView(k, 3);
        if (QByteArray(c.message).isEmpty()) {
            const QByteArray bytes = viewBytes("BODY - 0.25.html");
            EXPECT_TRUE(bytes.contains("<div style=\"font-size:15px;"));
            EXPECT_TRUE(bytes.contains("<br>&lt;p id=\"p\"&gt;1<br>&lt;/p&gt;")) << "no colouring in the body view";
            EXPECT_TRUE(services.messages().isEmpty());
        } else {
            EXPECT_EQ(services.messages(), QStringList({c.message}));
        }
        f4().BQYJ100(1).setTag(QString::number(k));
    }
}

TEST_F(PageViewsTest, HeadAndBodyOfFewerThanSixteenCharactersAreRefused) {
    struct Case {
        int item;            // 02>HEAD or 03>BODY
        const char* part;    // the element, filled to `length` with text
        int length;          // of its outer HTML
        const char* message; // "" when the view is shown
        const char* view;
    };
    // "<head></head>" and "<body></body>" are 13 characters.
    const Case cases[] = {{2, "head", 15, "网页中没有<HEAD>标记", ""},
                          {2, "head", 16, "", "HEAD - 0.5.html"},
                          {3, "body", 15, "网页中没有<BODY>标记", ""},
                          {3, "body", 16, "", "BODY - 0.5.html"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 of %2").arg(c.part).arg(c.length).toStdString());
        QDir(folder.path() + "/html").removeRecursively();
        services.clearRecords();
        rt::setRandomSequence({0.5f});
        const int k = openOn("<title>t</title>", "<p id=\"p\">x</p>");
        // A new element in its place, holding only text (the program's own style on the body goes too).
        doc(k).evaluate(QStringLiteral("var o=document.%1,n=document.createElement('%1');n.textContent='x'.repeat(%2);"
                                       "o.parentNode.replaceChild(n,o)")
                            .arg(c.part)
                            .arg(c.length - 13));
        ASSERT_EQ(doc(k).getElementsByTagName(c.part).value(0).outerHTML().size(), c.length);
        services.queuePopupChoice("html100", c.item);
        rightClickAt(k, QPoint(5, 5));
        if (QByteArray(c.message).isEmpty()) {
            EXPECT_TRUE(services.messages().isEmpty()) << services.messages().join(", ").toStdString();
            EXPECT_EQ(views(), QStringList({c.view}));
        } else {
            EXPECT_EQ(services.messages(), QStringList({c.message}));
            EXPECT_TRUE(views().isEmpty()) << views().join(", ").toStdString();
        }
    }
}

TEST_F(PageViewsTest, AMissingHeadIsRefused) {
    const QString address = servePage("/nohead.html", "<p id=\"p\">x</p>");
    const int k = openTab();
    ASSERT_TRUE(load(k, address, "/nohead.html"));
    // The engine makes an empty head: "<head></head>" is 13 characters.
    chooseView(k, 2);
    EXPECT_EQ(services.messages(), QStringList({"网页中没有<HEAD>标记"}));
    EXPECT_EQ(source(), nullptr);
}

TEST_F(PageViewsTest, SourceWindowRowToggleAndMenu) {
    rt::setRandomSequence({0.75f});
    const int k = openOn("<title>t</title>", "<p id=\"p\">x</p>");
    chooseView(k, 2);
    Form11* w = source();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(shown(*w));
    // A view with a row: its link shows and hides the row's text, and never navigates.
    const QString row = "ROW - 1.html";
    analysis::writeView(row, {"<a id=r1 href=#>第一行</a>", "<div id=r1X style=\"display:none\">源码</div>",
                              "<a id=r2 href=http://example.com/>外面</a>"});
    analysis::showView(row);
    ASSERT_TRUE(waitFor([&] { return w->caption() == row && shown(*w) && w->WebBrowser1.document().url().contains("ROW"); }));
    const web::Document view = w->WebBrowser1.document();
    auto clickOn = [&](const QString& id) {
        QWidget* v = w->WebBrowser1.pageWidget();
        const QPoint at = view.getElementById(id).boundingClientRect().center();
        QMouseEvent press(QEvent::MouseButtonPress, at, v->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(v, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, v->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(v, &release);
    };
    clickOn("r1");
    EXPECT_EQ(view.getElementById("r1X").styleProperty("display"), "");
    clickOn("r1");
    EXPECT_EQ(view.getElementById("r1X").styleProperty("display"), "none");
    clickOn("r2");
    settle(200);
    EXPECT_TRUE(w->WebBrowser1.document().url().contains("ROW")) << "links in views never navigate";
    // The source menu: the size line disabled, never the engine's menu.
    services.clearRecords();
    services.queuePopupNone();
    QWidget* v = w->WebBrowser1.pageWidget();
    const QPoint at(20, 20);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, at, v->mapToGlobal(at));
    QCoreApplication::sendEvent(v, &menu);
    ASSERT_EQ(services.popups().size(), 1u);
    EXPECT_EQ(services.popups()[0].menu.name, "yuanmayj");
    EXPECT_EQ(forms::form14().yuanmayj100(3).caption(),
              QStringLiteral("大小: %1 字节").arg(QFile(sys::nativePath(analysis::viewPath(row))).size()));
    EXPECT_FALSE(services.popups()[0].item("yuanmayj100", 3)->enabled);
    // 源文件: the view file in the text editor.
    launcher.starts.clear();
    services.queuePopupChoice("yuanmayj100", 2);
    QCoreApplication::sendEvent(v, &menu);
    ASSERT_FALSE(launcher.starts.isEmpty());
    EXPECT_TRUE(launcher.starts.back().arguments.join(' ').contains("ROW - 1.html"));
}

}  // namespace

namespace {

TEST_F(PageViewsTest, APageWithItsOwnColourAttributeViewsCleanly) {
    storeText(forms::Txt::Yuyan, "颜色名称2", "e0>e1>e2>e3>e4>e5>e6>e7>e8");
    const QString text = analysis::colourText("&lt;font color=\"red\" size=\"2\"&gt;if(1)", {true, true, true});
    EXPECT_EQ(text.count("<font"), text.count("</font>"));
    EXPECT_FALSE(text.contains("<font color=<font")) << text.toStdString();
    EXPECT_TRUE(text.contains("<font color=e3>color=</font>\"red\"")) << text.toStdString();
    // A name met again keeps the first spelling and colour; an empty name wraps nothing.
    EXPECT_EQ(analysis::attributeNamePass("a ID=\"1\" id=\"2\" =\"3\""),
              "a <font color=e0>ID=</font>\"1\" <font color=e0>ID=</font>\"2\" =\"3\"");
}

TEST_F(PageViewsTest, ViewsGetNewNamesAndTheirFolder) {
    QDir(folder.path() + "/html").removeRecursively();
    rt::setRandomSequence({0.5f, 0.5f, 0.75f});
    const int k = openOn("<title>t</title>", "<p id=\"p\">x</p>");
    chooseView(k, 2);
    chooseView(k, 2);
    EXPECT_TRUE(QFile::exists(sys::nativePath(analysis::viewPath("HEAD - 0.5.html"))));
    EXPECT_TRUE(QFile::exists(sys::nativePath(analysis::viewPath("HEAD - 0.75.html"))));
    EXPECT_EQ(viewBytes("HEAD - 0.5.html").count("<meta http-equiv"), 1) << "never appended to";
}

// When the view folder cannot be made (a file holds its name), every kind of view says so, naming the
// file it could not write, and no source window opens on a missing page.
TEST_F(PageViewsTest, AViewThatCannotBeWrittenIsSaid) {
    QDir(folder.path() + "/html").removeRecursively();
    {
        QFile blocker(folder.path() + "/html");
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    const int k = openOn("<title>t</title>", "<p id=\"p\" title=\"x\">段落</p><img id=\"i\" alt=\"a\">");
    struct Case {
        const char* menu;
        int item;
        const char* name;  // of the view, drawn with the number 0.5
    };
    const Case cases[] = {
        {"html100", 2, "HEAD - 0.5.html"},
        {"html100", 3, "BODY - 0.5.html"},
        {"BJYM100", 3, nullptr},  // the tag table of img names its count
        {"CS100", 5, nullptr},    // the attribute table of title
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 item %2").arg(c.menu).arg(c.item).toStdString());
        services.clearRecords();
        rt::setRandomSequence({0.5f});
        choose(k, c.menu, c.item, "p");
        ASSERT_EQ(services.messages().size(), 1) << services.messages().join('|').toStdString();
        const QString message = services.messages().value(0);
        EXPECT_TRUE(message.startsWith(analysis::kNotWritten + sys::nativePath(analysis::viewPath(""))))
            << message.toStdString();
        if (c.name) {
            EXPECT_EQ(message, analysis::kNotWritten + sys::nativePath(analysis::viewPath(c.name)));
        }
        EXPECT_EQ(source(), nullptr);
    }
}

TEST_F(PageViewsTest, ATitleWithMarkupShowsAsText) {
    server.addPage("/x.png", QByteArray("png"));
    const int k = openOn("<title>&lt;img src=/x.png&gt;</title>", "<p id=\"p\">x</p>");
    server.clearRequests();
    chooseView(k, 2);
    Form11* w = source();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(shown(*w));
    settle(200);
    EXPECT_TRUE(server.requestsFor("/x.png").isEmpty());
    EXPECT_TRUE(w->WebBrowser1.document().body().innerText().contains("<img src=/x.png>"));
}

}  // namespace

namespace {

const char kScripts[] = "한국어 ñ façade 😀 عربي 中文";

// Every view shows the characters GBK cannot hold: the file holds them as character references.
TEST_F(PageViewsTest, TextOutsideGbkShowsInEveryView) {
    storeText(forms::Txt::Yuyan, "表格头", "<table id=t>");
    storeText(forms::Txt::Yuyan, "表格尾", "</table>");
    const QByteArray scripts(kScripts);
    const int k = openOn("<title>" + scripts + "</title>",
                         "<p id=\"p\" title=\"" + scripts + "\">" + scripts + "</p><img id=\"i\" alt=\"" + scripts + "\">");
    struct Case {
        const char* name;
        const char* menu;
        int item;
        float number;
    };
    const Case cases[] = {
        {"head view", "html100", 2, 0.5f},
        {"body view", "html100", 3, 0.25f},
        {"tag table of img", "BJYM100", 3, 0.125f},
        {"attribute table of title", "CS100", 5, 0.375f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        rt::setRandomSequence({c.number});
        choose(k, c.menu, c.item, "p");
        EXPECT_TRUE(services.messages().isEmpty()) << services.messages().join('|').toStdString();
        Form11* w = source();
        ASSERT_NE(w, nullptr);
        const QString name = w->caption();
        ASSERT_TRUE(name.contains(rt::str(c.number))) << name.toStdString();
        EXPECT_TRUE(viewBytes(name).contains("&#54620;&#44397;&#50612; &#241; fa&#231;ade &#128512; "
                                             "&#1593;&#1585;&#1576;&#1610; " + rt::toGbk("中文")))
            << viewText(name).toStdString();
        EXPECT_TRUE(waitFor([&] {
            try {
                return !w->WebBrowser1.busy() && w->WebBrowser1.document().url().contains(rt::str(c.number)) &&
                       w->WebBrowser1.document().body().innerText().contains(QString::fromUtf8(kScripts));
            } catch (...) {
                return false;
            }
        })) << w->WebBrowser1.document().body().innerText().toStdString();
    }
}

// A head of 300 000 characters with thousands of distinct attribute names is coloured in one walk
// over its text, however many names it holds.
TEST_F(PageViewsTest, ALargeHeadWithManyAttributeNamesIsColouredAtOnce) {
    QString head = "<head>";
    for (int i = 0; head.size() < 300000; ++i)
        head += QStringLiteral("<meta name=\"row%1\" data-field%2=\"value %2\" content=\"text of the head\">\n").arg(i).arg(i % 3000);
    head += "</head>";
    QElapsedTimer timer;
    timer.start();
    const QString text = analysis::colourText(analysis::lineBreakEscape(head), {true, true, true});
    const qint64 ms = timer.elapsed();
    // The colouring that tried every rule at every character took seconds here (8 s on a busy machine);
    // one pass takes tens of milliseconds. The bound is far from both, and stretched with the waits.
    EXPECT_LT(ms, waits::limit(4000)) << "a menu click must not freeze the window";
    EXPECT_TRUE(text.contains("<font color=indigo>data-field2999=</font>\"value <font color=")) << text.left(400).toStdString();
    EXPECT_EQ(text.count("<font"), text.count("</font>"));
}

}  // namespace
