// Engine switches: page scripts, pictures and plug-ins, and the plug-in stand-in hook.
#include "web_test_util.h"
#include "support/waits.h"

#include <QLabel>

using web::Document;
using web::DocumentEvent;
using web::DocumentSink;
using web::WebBrowser;

class SwitchesTest : public WebTest {
protected:
    ~SwitchesTest() override {
        web::setEngineSwitches(web::EngineSwitches());
        web::setPluginHook(nullptr);
    }
};

TEST_F(SwitchesTest, ScriptsOffBlocksNetworkPageScriptsWhileSinksAndProgramScriptsWork) {
    // The switch is the Internet zone's: pages from the network lose their scripts, the program's
    // own local pages (page views, the navigation page) keep them.
    struct Case {
        QString address;
        bool pageScriptsRun;
    };
    web::EngineSwitches off;
    off.scriptsOff = true;
    web::setEngineSwitches(off);
    WebBrowser* b = makeBrowser();
    for (const Case& c : {Case{server.urlText("/pages/scripts.html"), false}, Case{pagePath("scripts.html"), true}}) {
        SCOPED_TRACE(c.address.toStdString());
        ASSERT_TRUE(load(b, c.address));
        Document doc = b->document();
        EXPECT_EQ(doc.title(), c.pageScriptsRun ? QStringLiteral("脚本运行了") : QStringLiteral("原标题"));
        EXPECT_EQ(doc.getElementById("loaded").innerText(),
                  c.pageScriptsRun ? QStringLiteral("加载脚本运行了") : QStringLiteral("未运行"));
        EXPECT_EQ(doc.getElementById("written").isNull(), !c.pageScriptsRun);
        DocumentSink sink;
        sink.attach(doc);
        int clicks = 0;
        sink.onclick = [&](const DocumentEvent& e) {
            ++clicks;
            EXPECT_EQ(e.srcElement.id(), QStringLiteral("clicked"));
            return true;
        };
        click(b, "clicked");
        EXPECT_EQ(clicks, 1);
        EXPECT_EQ(doc.getElementById("clicked").innerText(),
                  c.pageScriptsRun ? QStringLiteral("点击脚本运行了") : QStringLiteral("未点击"));
        sink.detach();
        if (!c.pageScriptsRun) {
            doc.getElementById("jslink").click();
            settle(100);
            EXPECT_EQ(doc.title(), QStringLiteral("原标题"));
        }
        EXPECT_EQ(doc.evaluate("String(6*7)"), QStringLiteral("42"));
    }
    web::setEngineSwitches(web::EngineSwitches());
    ASSERT_TRUE(load(b, server.urlText("/pages/scripts.html")));
    EXPECT_EQ(b->document().title(), QStringLiteral("脚本运行了"));
    EXPECT_EQ(b->document().getElementById("loaded").innerText(), QStringLiteral("加载脚本运行了"));
    b->document().getElementById("jslink").click();
    ASSERT_TRUE(waitUntil([&] { return b->document().title() == QStringLiteral("链接脚本运行了"); }));
}

// Documents a network page makes from data: addresses run no scripts either while scripts are off:
// a data: frame, a data: object, a refresh to a data: address, and a data: SVG in a frame. Each
// document's script asks the loopback server for a picture whose path names it.
TEST_F(SwitchesTest, ScriptsOffStopsTheScriptsOfDataDocuments) {
    const auto ran = [&](const QString& who) {
        return "new Image().src='" + server.urlText("/ran/" + who) + "';";
    };
    const auto data = [](const QString& type, const QString& content) {
        return "data:" + type + "," + QString::fromLatin1(QUrl::toPercentEncoding(content));
    };
    const QString frames =
        "<html><body>"
        "<iframe src=\"" + data("text/html", "<script>" + ran("frame") + "</script>") + "\"></iframe>"
        "<iframe src=\"" + data("text/html;charset=utf-8", "<!DOCTYPE html><body onload=\"" + ran("handler") + "\">") +
        "\"></iframe>"
        "<object type=\"text/html\" data=\"" + data("text/html", "<script>" + ran("object") + "</script>") +
        "\"></object>"
        "<iframe src=\"" + data("image/svg+xml", "<svg xmlns='http://www.w3.org/2000/svg'><script>" + ran("svg") +
                                 "</script></svg>") + "\"></iframe>"
        "</body></html>";
    server.addPage("/dataframes", frames.toUtf8());
    const QString refresh = "<html><head><meta http-equiv=\"refresh\" content=\"0;url=" +
                            data("text/html", "<script>" + ran("refresh") + "</script>") + "\"></head><body>x</body></html>";
    server.addPage("/datarefresh", refresh.toUtf8());
    const QStringList who = {"frame", "handler", "object", "svg", "refresh"};

    // With scripts on, every one of them runs (so the page does try each).
    WebBrowser* b = makeBrowser();
    ASSERT_TRUE(load(b, server.urlText("/dataframes")));
    b->Navigate(server.urlText("/datarefresh"));
    for (const QString& w : who) {
        EXPECT_TRUE(waitUntil([&] { return !server.requestsFor("/ran/" + w).isEmpty(); })) << w.toStdString();
    }
    server.clearRequests();

    web::EngineSwitches off;
    off.scriptsOff = true;
    web::setEngineSwitches(off);
    for (int time = 1; time <= 2; ++time) {  // and again, the same addresses once more
        SCOPED_TRACE(time);
        ASSERT_TRUE(load(b, server.urlText("/dataframes")));
        b->Navigate(server.urlText("/datarefresh"));
        ASSERT_TRUE(waitUntil([&] { return b->document().url().startsWith("data:"); }));
        settle(500);
        for (const QString& w : who) EXPECT_TRUE(server.requestsFor("/ran/" + w).isEmpty()) << w.toStdString();
        // The document is still shown, under its own address.
        EXPECT_EQ(b->document().evaluate("String(document.getElementsByTagName('script').length)"), "1");
    }
}

TEST_F(SwitchesTest, PicturesOffLoadsNoPictures) {
    web::EngineSwitches off;
    off.picturesOff = true;
    web::setEngineSwitches(off);
    WebBrowser* b = makeBrowser();
    ASSERT_TRUE(load(b, server.urlText("/pages/picture.html")));
    settle(200);
    EXPECT_TRUE(server.requestsFor("/pages/picture.png").isEmpty());
    web::setEngineSwitches(web::EngineSwitches());
    ASSERT_TRUE(load(b, server.urlText("/pages/picture.html")));
    ASSERT_TRUE(waitUntil([&] { return !server.requestsFor("/pages/picture.png").isEmpty(); }));
}

TEST_F(SwitchesTest, PluginHookPutsAStandInInPlaceOfFlash) {
    struct Seen {
        QString mime;
        QStringList names, values;
    };
    std::vector<Seen> seen;
    QPointer<QLabel> standIn;
    web::setPluginHook([&](const QString& mime, const QUrl&, const QStringList& names, const QStringList& values,
                           QWidget* parent) -> QWidget* {
        seen.push_back({mime, names, values});
        standIn = new QLabel(QStringLiteral("stand-in"), parent);
        return standIn;
    });
    server.addPage("/flash", "<html><body><object id=\"player\" type=\"application/x-shockwave-flash\" "
                             "data=\"movie.swf\" width=\"320\" height=\"200\"><param name=\"quality\" "
                             "value=\"high\"></object></body></html>");
    WebBrowser* b = makeBrowser();
    ASSERT_TRUE(load(b, server.urlText("/flash")));
    ASSERT_TRUE(waitUntil([&] { return !seen.empty(); }));
    EXPECT_EQ(seen[0].mime, QStringLiteral("application/x-shockwave-flash"));
    EXPECT_TRUE(seen[0].names.contains("quality"));
    ASSERT_TRUE(standIn);
    EXPECT_TRUE(b->pageWidget()->isAncestorOf(standIn));

    web::EngineSwitches off;
    off.pluginsOff = true;
    web::setEngineSwitches(off);
    seen.clear();
    ASSERT_TRUE(load(b, server.urlText("/flash")));
    settle(200);
    EXPECT_TRUE(seen.empty());
}
