// The browser control's events: their order for a page with a frame, cancelling a navigation,
// history states, status texts, new windows and windows that close themselves.
#include "web_test_util.h"
#include "support/waits.h"

#include "platform/rt/error.h"

#include <QMouseEvent>
#include <QTcpServer>
#include <QTimer>

using web::WebBrowser;

namespace {

int indexOf(const QStringList& log, const QString& entry) { return log.indexOf(entry); }

}  // namespace

TEST_F(WebTest, EventOrderForPageWithFrame) {
    WebBrowser* b = makeBrowser();
    const QString top = server.urlText("/pages/frames.html");
    const QString child = server.urlText("/pages/frame_child.html");
    ASSERT_TRUE(load(b, top));
    settle();

    const int before = indexOf(log, "b BeforeNavigate2 " + top);
    const int committed = indexOf(log, "b NavigateComplete2 " + top);
    const int title = indexOf(log, QStringLiteral("b TitleChange 框架页"));
    const int frameBefore = indexOf(log, "b BeforeNavigate2 " + child);
    const int frameDone = indexOf(log, "b DocumentComplete " + child);
    const int download = indexOf(log, QStringLiteral("b DownloadComplete"));
    const int topDone = indexOf(log, "b DocumentComplete " + top);
    ASSERT_GE(before, 0) << log.join('\n').toStdString();
    EXPECT_LT(before, committed);
    EXPECT_LT(committed, title);
    EXPECT_LT(committed, frameBefore);
    EXPECT_LT(frameBefore, frameDone);
    EXPECT_LT(title, topDone);
    EXPECT_LT(frameDone, download);
    EXPECT_EQ(download + 1, topDone);
    EXPECT_EQ(topDone, log.size() - 1) << "the top document completes last";
    EXPECT_EQ(entries("b DocumentComplete").size(), 2);
    EXPECT_EQ(b->locationURL(), top);
    EXPECT_EQ(b->locationName(), QStringLiteral("框架页"));
    EXPECT_EQ(b->document().url(), top);
}

TEST_F(WebTest, DocumentTakenAtNavigateCompleteIsTheNewDocument) {
    // The address box reads the document when a navigation commits, before the engine has built it.
    WebBrowser* b = makeBrowser();
    ASSERT_TRUE(load(b, server.urlText("/pages/links.html")));
    web::Document atCommit;
    QString urlAtCommit;
    b->onNavigateComplete2 = [&](const QString&) {
        atCommit = b->document();
        urlAtCommit = atCommit.url();
    };
    ASSERT_TRUE(load(b, server.urlText("/pages/target.html")));
    EXPECT_EQ(urlAtCommit, server.urlText("/pages/target.html"));
    EXPECT_EQ(b->document(), atCommit);
    EXPECT_TRUE(atCommit.isValid());
    EXPECT_EQ(atCommit.getElementById("arrived").innerText(), QStringLiteral("到了"));
    b->onNavigateComplete2 = nullptr;
    ASSERT_TRUE(load(b, server.urlText("/pages/links.html")));
    EXPECT_FALSE(atCommit.isValid()) << "the next document ends it";
}

TEST_F(WebTest, CancelInBeforeNavigateStopsTheLoad) {
    WebBrowser* b = makeBrowser();
    ASSERT_TRUE(load(b, server.urlText("/pages/target.html")));
    server.clearRequests();
    b->onBeforeNavigate2 = [this](const QString& url, int, const QString&, const QByteArray&, const QString&,
                                  bool& cancel) {
        log << "cancel " + url;
        cancel = true;
    };
    b->Navigate(server.urlText("/pages/links.html"));
    settle(300);
    EXPECT_EQ(entries("cancel").size(), 1);
    EXPECT_TRUE(server.requestsFor("/pages/links.html").isEmpty());
    EXPECT_FALSE(b->busy());
    EXPECT_EQ(b->locationURL(), server.urlText("/pages/target.html"));
}

TEST_F(WebTest, CancelledFrameIsNotLoaded) {
    WebBrowser* b = makeBrowser();
    const QString child = server.urlText("/pages/frame_child.html");
    b->onBeforeNavigate2 = [&](const QString& url, int, const QString&, const QByteArray&, const QString&,
                               bool& cancel) { cancel = url == child; };
    ASSERT_TRUE(load(b, server.urlText("/pages/frames.html")));
    EXPECT_TRUE(server.requestsFor("/pages/frame_child.html").isEmpty());
    EXPECT_EQ(entries("b DocumentComplete " + child).size(), 0);
}

TEST_F(WebTest, BusyFromNavigateToTopLevelEnd) {
    WebBrowser* b = makeBrowser();
    server.addSlowPage("/slow", "<html><head><title>slow</title></head><body>slow</body></html>", 400);
    EXPECT_FALSE(b->busy());
    bool busyAtComplete = true;
    b->onDocumentComplete = [&](const QString&) { busyAtComplete = b->busy(); };
    b->Navigate(server.urlText("/slow"));
    EXPECT_TRUE(b->busy());
    settle(150);
    EXPECT_TRUE(b->busy());
    ASSERT_TRUE(waitUntil([&] { return !b->busy(); }));
    EXPECT_FALSE(busyAtComplete);
}

TEST_F(WebTest, BusyOnlyWhileADocumentLoads) {
    // A move within the page loads nothing: the browser stays idle, so the page events that wait for
    // an idle browser still run for the next page.
    WebBrowser* b = makeBrowser();
    server.addPage("/long", "<html><head><title>长页</title></head><body><a id=\"down\" href=\"#end\">下</a>"
                            "<a id=\"slow\" href=\"/slow\">慢</a><div style=\"height:3000px\"></div>"
                            "<p id=\"end\">底</p></body></html>");
    server.addSlowPage("/slow", "<html><head><title>slow</title></head><body>slow</body></html>", 400);
    ASSERT_TRUE(load(b, server.urlText("/long")));
    b->document().getElementById("down").click();
    ASSERT_TRUE(waitUntil([&] { return b->locationURL() == server.urlText("/long#end"); }));
    settle(100);
    EXPECT_FALSE(b->busy());
    b->document().evaluate("location.hash='top'");
    settle(100);
    EXPECT_FALSE(b->busy());
    b->document().getElementById("slow").click();
    settle(150);
    EXPECT_TRUE(b->busy()) << "a link followed in the page loads a document";
    ASSERT_TRUE(waitUntil([&] { return !b->busy(); }));
    EXPECT_EQ(b->locationURL(), server.urlText("/slow"));
}

TEST_F(WebTest, FormDestroyedWhileItsBrowserLoads) {
    // A window closed for good (the program's end, an unloaded form) takes a loading browser with it.
    server.addSlowPage("/slow", "<html><head><title>slow</title></head><body>slow</body></html>", 400);
    auto form = std::make_unique<QWidget>();
    auto b = std::make_unique<WebBrowser>(form.get());
    int events = 0;
    b->onDownloadComplete = [&] { ++events; };
    b->onDocumentComplete = [&](const QString&) { ++events; };
    b->Navigate(server.urlText("/slow"));
    ASSERT_TRUE(waitUntil([&] { return !server.requestsFor("/slow").isEmpty(); }));
    b.reset();
    form.reset();
    settle(600);
    EXPECT_EQ(events, 0);
}

TEST_F(WebTest, HistoryCommandsAndStates) {
    WebBrowser* b = makeBrowser();
    std::vector<std::pair<int, bool>> states;
    b->onCommandStateChange = [&](int command, bool enabled) { states.emplace_back(command, enabled); };
    EXPECT_NO_THROW(b->GoBack());
    EXPECT_NO_THROW(b->GoForward());
    ASSERT_TRUE(load(b, server.urlText("/pages/target.html")));
    ASSERT_TRUE(load(b, server.urlText("/pages/links.html")));
    auto last = [&](int command) {
        for (auto it = states.rbegin(); it != states.rend(); ++it)
            if (it->first == command) return int(it->second);
        return -1;
    };
    EXPECT_EQ(last(web::kCommandBack), 1);
    EXPECT_EQ(last(web::kCommandForward), 0);
    const int before = downloads["b"];
    b->GoBack();
    ASSERT_TRUE(waitUntil([&] { return downloads["b"] > before && !b->busy(); }));
    EXPECT_EQ(b->locationURL(), server.urlText("/pages/target.html"));
    EXPECT_EQ(last(web::kCommandBack), 0);
    EXPECT_EQ(last(web::kCommandForward), 1);
}

TEST_F(WebTest, AddressesTypedTheWayNavigateReadsThem) {
    struct Case {
        QString typed;
        QString expected;
    };
    const std::vector<Case> cases = {
        {"www.example.com", "http://www.example.com"},
        {"example.com/a?b=1", "http://example.com/a?b=1"},
        {"127.0.0.1:8080/x", "http://127.0.0.1:8080/x"},
        {"localhost:8080", "http://localhost:8080"},
        {"localhost:8080?q#f", "http://localhost:8080?q#f"},
        {"mailto:a@b.cn", "mailto:a@b.cn"},
        {"a:b", "a:b"},
        {"1abc.cn/x:y", "http://1abc.cn/x:y"},
        {"https://example.com/", "https://example.com/"},
        {"about:blank", "about:blank"},
        {"ABOUT:BLANK", "about:blank"},
        {"/tmp/a b.html", "file:///tmp/a b.html"},
        {"file:///tmp/x.html", "file:///tmp/x.html"},
        // The program's own paths: its folder followed by a tail written with backslashes.
        {QStringLiteral("/opt/zv\\导航.html"), QStringLiteral("file:///opt/zv/导航.html")},
        {QStringLiteral("/opt/zv\\txt\\网址.html"), QStringLiteral("file:///opt/zv/txt/网址.html")},
        {"file:///opt/zv\\html\\a.html", "file:///opt/zv/html/a.html"},
        {"  www.a.cn  ", "http://www.a.cn"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(web::addressText(web::addressFromText(c.typed)), c.expected) << c.typed.toStdString();
    }
}

TEST_F(WebTest, LocalFileAndBlankPage) {
    WebBrowser* b = makeBrowser();
    ASSERT_TRUE(load(b, pagePath("target.html")));
    EXPECT_EQ(b->locationURL(), QUrl::fromLocalFile(pagePath("target.html")).toString());
    EXPECT_EQ(b->document().title(), QStringLiteral("目标页"));
    ASSERT_TRUE(load(b, QStringLiteral(ZV_TEST_PAGES) + QStringLiteral("\\gbk.html")));
    EXPECT_EQ(b->locationURL(), QUrl::fromLocalFile(pagePath("gbk.html")).toString());
    EXPECT_FALSE(b->document().isErrorPage());
    EXPECT_EQ(b->document().title(), QStringLiteral("中文页面"));
    ASSERT_TRUE(load(b, "about:blank"));
    EXPECT_EQ(b->locationURL(), QStringLiteral("about:blank"));
    EXPECT_EQ(b->document().url(), QStringLiteral("about:blank"));
}

TEST_F(WebTest, StatusTextFollowsHoveredLinks) {
    WebBrowser* b = makeBrowser();
    QStringList status;
    b->onStatusTextChange = [&](const QString& text) { status << text; };
    ASSERT_TRUE(load(b, server.urlText("/pages/sinks.html")));
    const QRect link = b->document().getElementById("link").boundingClientRect();
    QWidget* view = b->pageWidget();
    QMouseEvent over(QEvent::MouseMove, link.center(), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &over);
    ASSERT_TRUE(waitUntil([&] { return status.contains(server.urlText("/pages/target.html")); }))
        << status.join('|').toStdString();
    QMouseEvent away(QEvent::MouseMove, QPoint(700, 590), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &away);
    ASSERT_TRUE(waitUntil([&] { return !status.isEmpty() && status.last().isEmpty(); }));
}

TEST_F(WebTest, NewWindowRoutedIntoTheChosenBrowser) {
    WebBrowser* opener = makeBrowser("a");
    WebBrowser* chosen = makeBrowser("c");
    opener->onNewWindow2 = [&](WebBrowser*& ppDisp, bool&) {
        log << QStringLiteral("a NewWindow2");
        ppDisp = chosen;
    };
    ASSERT_TRUE(load(opener, server.urlText("/pages/links.html"), QString(), "a"));
    opener->document().getElementById("blank").click();
    ASSERT_TRUE(waitUntil([&] { return chosen->locationURL() == server.urlText("/pages/target.html") && !chosen->busy(); }));
    EXPECT_EQ(entries("a NewWindow2").size(), 1);
    EXPECT_EQ(entries("c BeforeNavigate2 " + server.urlText("/pages/target.html")).size(), 1);
    EXPECT_EQ(opener->locationURL(), server.urlText("/pages/links.html"));
    EXPECT_TRUE(web::standaloneWindows().isEmpty());
}

TEST_F(WebTest, NewWindowCancelledOpensNothing) {
    WebBrowser* opener = makeBrowser("a");
    int asked = 0;
    opener->onNewWindow2 = [&](WebBrowser*&, bool& cancel) {
        ++asked;
        cancel = true;
    };
    ASSERT_TRUE(load(opener, server.urlText("/pages/window_open.html"), QString(), "a"));
    server.clearRequests();
    opener->document().evaluate("openIt()");
    settle(300);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(server.requestsFor("/pages/target.html").isEmpty());
    EXPECT_TRUE(web::standaloneWindows().isEmpty());
}

TEST_F(WebTest, NewWindowLeftToTheLayerGetsAWindowOfItsOwn) {
    WebBrowser* opener = makeBrowser("a");
    ASSERT_TRUE(load(opener, server.urlText("/pages/links.html"), QString(), "a"));
    opener->document().getElementById("blank").click();
    ASSERT_TRUE(waitUntil([&] { return web::standaloneWindows().size() == 1; }));
    WebBrowser* own = web::standaloneWindows().first();
    ASSERT_TRUE(waitUntil([&] { return own->locationURL() == server.urlText("/pages/target.html") && !own->busy(); }));
    EXPECT_TRUE(own->widget()->isWindow());
    EXPECT_TRUE(own->widget()->isVisible());
    own->widget()->close();
    ASSERT_TRUE(waitUntil([&] { return web::standaloneWindows().isEmpty(); }));
}

TEST_F(WebTest, WindowClosingRaisedForScriptClose) {
    WebBrowser* b = makeBrowser();
    int closing = 0;
    b->onWindowClosing = [&](bool, bool& cancel) {
        ++closing;
        cancel = true;
    };
    ASSERT_TRUE(load(b, server.urlText("/pages/window_close.html")));
    b->document().evaluate("closeIt()");
    ASSERT_TRUE(waitUntil([&] { return closing == 1; }));
    settle();
    EXPECT_EQ(b->locationURL(), server.urlText("/pages/window_close.html"));
}

TEST_F(WebTest, BrowserDestroyedInsideItsOwnEvent) {
    WebBrowser* b = makeBrowser();
    bool completed = false;
    b->onDocumentComplete = [&](const QString&) {
        completed = true;
        browsers.clear();  // the handler destroys the browser that raised the event
    };
    b->Navigate(server.urlText("/pages/frames.html"));
    ASSERT_TRUE(waitUntil([&] { return completed; }));
    settle(200);
    EXPECT_TRUE(browsers.empty());
}

TEST_F(WebTest, HandlerErrorsStayInsideTheHandler) {
    WebBrowser* b = makeBrowser();
    int raised = 0;
    b->onBeforeNavigate2 = [&](const QString&, int, const QString&, const QByteArray&, const QString&, bool&) {
        ++raised;
        rt::raise(rt::TypeMismatch);
    };
    ASSERT_TRUE(load(b, server.urlText("/pages/target.html")));
    EXPECT_GE(raised, 1);
    EXPECT_EQ(b->document().title(), QStringLiteral("目标页"));
}

TEST_F(WebTest, ExecWBRefusesUnknownCommands) {
    WebBrowser* b = makeBrowser();
    try {
        b->ExecWB(99);
        FAIL() << "no error";
    } catch (const rt::RuntimeError& e) {
        EXPECT_EQ(e.number(), rt::AutomationError);
    }
}

TEST_F(WebTest, NewWindowRelayedIntoAnotherBrowserWithItsHeaders) {
    // The relay browser takes the new window, cancels it and loads its address in the tab.
    WebBrowser* opener = makeBrowser("a");
    WebBrowser* relay = makeBrowser("r");
    WebBrowser* tab = makeBrowser("t");
    relay->setVisible(false);
    opener->onNewWindow2 = [&](WebBrowser*& ppDisp, bool&) { ppDisp = relay; };
    relay->onBeforeNavigate2 = [&](const QString& url, int, const QString&, const QByteArray&, const QString&,
                                   bool& cancel) {
        cancel = true;
        tab->Navigate(url, 0, QString(), QByteArray(), QStringLiteral("User-Agent:Relayed/2"));
    };
    ASSERT_TRUE(load(opener, server.urlText("/pages/links.html"), QString(), "a"));
    opener->document().getElementById("blank").click();
    ASSERT_TRUE(waitUntil([&] { return downloads["t"] > 0 && !tab->busy(); }));
    EXPECT_EQ(tab->locationURL(), server.urlText("/pages/target.html"));
    ASSERT_EQ(server.requestsFor("/pages/target.html").size(), 1) << "the relay itself loaded nothing";
    EXPECT_EQ(server.requestsFor("/pages/target.html")[0].header("user-agent"), "Relayed/2");
    EXPECT_EQ(relay->locationURL(), QString());
    EXPECT_TRUE(web::standaloneWindows().isEmpty());
}

TEST_F(WebTest, SecondNavigationReplacesTheFirst) {
    WebBrowser* b = makeBrowser();
    server.addSlowPage("/slow", "<html><head><title>slow</title></head><body>slow</body></html>", 500);
    b->Navigate(server.urlText("/slow"));
    ASSERT_TRUE(waitUntil([&] { return !server.requestsFor("/slow").isEmpty(); }));
    b->Navigate(server.urlText("/pages/target.html"));
    EXPECT_TRUE(b->busy());
    ASSERT_TRUE(waitUntil([&] { return b->locationURL() == server.urlText("/pages/target.html") && !b->busy(); }));
    settle(600);
    EXPECT_EQ(b->locationURL(), server.urlText("/pages/target.html"));
    EXPECT_FALSE(b->busy());
    EXPECT_EQ(entries("b DocumentComplete " + server.urlText("/slow")).size(), 0);
    EXPECT_EQ(entries("b DocumentComplete " + server.urlText("/pages/target.html")).size(), 1);
}

TEST_F(WebTest, HandlerCancelsAndNavigatesItsOwnBrowserElsewhere) {
    WebBrowser* b = makeBrowser();
    const QString wanted = server.urlText("/pages/target.html");
    b->onBeforeNavigate2 = [&](const QString& url, int, const QString&, const QByteArray&, const QString&,
                               bool& cancel) {
        log << "b BeforeNavigate2 " + url;
        if (url != wanted) {
            cancel = true;
            b->Navigate(wanted);
        }
    };
    b->Navigate(server.urlText("/pages/links.html"));
    ASSERT_TRUE(waitUntil([&] { return downloads["b"] > 0 && !b->busy(); }));
    EXPECT_EQ(b->locationURL(), wanted);
    EXPECT_TRUE(server.requestsFor("/pages/links.html").isEmpty());
}

TEST_F(WebTest, HandlersMayRunModalLoops) {
    // A message box or menu inside an event runs a nested event loop; the load goes on around it.
    auto modal = [] {
        QEventLoop loop;
        QTimer::singleShot(80, &loop, &QEventLoop::quit);
        loop.exec();
    };
    WebBrowser* opener = makeBrowser("a");
    WebBrowser* chosen = makeBrowser("c");
    opener->onBeforeNavigate2 = [&](const QString&, int, const QString&, const QByteArray&, const QString&, bool&) {
        modal();
    };
    opener->onNewWindow2 = [&](WebBrowser*& ppDisp, bool&) {
        modal();
        ppDisp = chosen;
    };
    opener->onDocumentComplete = [&](const QString&) { modal(); };
    ASSERT_TRUE(load(opener, server.urlText("/pages/links.html"), QString(), "a"));
    opener->document().getElementById("blank").click();
    ASSERT_TRUE(waitUntil([&] { return chosen->locationURL() == server.urlText("/pages/target.html") && !chosen->busy(); }));
}

// --- a new window's own headers ----------------------------------------------------------------------

struct NewWindowOpener {
    const char* name;
    const char* page;    // under /pages/
    const char* script;  // run in the opener
    const char* path;    // what the new window requests
    const char* method;
    const char* body;
};

void PrintTo(const NewWindowOpener& c, std::ostream* os) { *os << c.name; }

class NewWindowHeaders : public WebTest, public ::testing::WithParamInterface<NewWindowOpener> {};

TEST_P(NewWindowHeaders, FirstRequestCarriesThemOnce) {
    const NewWindowOpener& c = GetParam();
    server.addPage("/pages/echo", "<html><head><title>echo</title></head><body><a id=\"on\" href=\"target.html\">on</a></body></html>");
    WebBrowser* opener = makeBrowser("a");
    WebBrowser* chosen = makeBrowser("c");
    opener->onNewWindow2 = [&](WebBrowser*& ppDisp, bool&) {
        ppDisp = chosen;
        chosen->setNewWindowHeaders(QStringLiteral("User-Agent:NewWindow/3"));
    };
    ASSERT_TRUE(load(opener, server.urlText(QStringLiteral("/pages/") + c.page), QString(), "a"));
    server.clearRequests();
    opener->document().evaluate(QString::fromUtf8(c.script));
    ASSERT_TRUE(waitUntil([&] { return downloads["c"] > 0 && !chosen->busy(); }));

    const auto requests = server.requestsFor(QString::fromUtf8(c.path));
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests[0].method, QByteArray(c.method));
    EXPECT_EQ(requests[0].body, QByteArray(c.body));
    EXPECT_EQ(requests[0].header("user-agent"), "NewWindow/3");
    EXPECT_EQ(entries("c BeforeNavigate2 ").size(), 1);
    EXPECT_TRUE(web::standaloneWindows().isEmpty());

    // The next navigation in that browser, started by the engine, carries none of them.
    server.clearRequests();
    const int before = downloads["c"];
    chosen->document().evaluate("location.href = '/pages/target.html?next'");
    ASSERT_TRUE(waitUntil([&] { return downloads["c"] > before && !chosen->busy(); }));
    ASSERT_EQ(server.requestsFor("/pages/target.html").size(), 1);
    EXPECT_NE(server.requestsFor("/pages/target.html")[0].header("user-agent"), "NewWindow/3");
}

INSTANTIATE_TEST_SUITE_P(
    WebTest, NewWindowHeaders,
    ::testing::Values(
        NewWindowOpener{"LinkWithTarget", "links.html", "document.getElementById('blank').click()", "/pages/target.html",
                        "GET", ""},
        NewWindowOpener{"WindowOpen", "window_open.html", "openIt()", "/pages/target.html", "GET", ""},
        NewWindowOpener{"PostIntoANewWindow", "post_blank.html", "document.getElementById('f').submit()", "/pages/echo",
                        "POST", "q=a+b%26c"}),
    [](const ::testing::TestParamInfo<NewWindowOpener>& info) { return std::string(info.param.name); });

TEST_F(WebTest, NewWindowHeadersGoWithANavigationOfTheProgram) {
    WebBrowser* b = makeBrowser();
    b->setNewWindowHeaders(QStringLiteral("User-Agent:NewWindow/3"));
    ASSERT_TRUE(load(b, server.urlText("/pages/links.html")));
    const int before = downloads["b"];
    b->document().getElementById("self").click();
    ASSERT_TRUE(waitUntil([&] { return downloads["b"] > before && !b->busy(); }));
    for (const char* path : {"/pages/links.html", "/pages/target.html"})
        for (const auto& r : server.requestsFor(path)) EXPECT_NE(r.header("user-agent"), "NewWindow/3") << path;
}
