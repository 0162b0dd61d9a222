// What a navigation sends and what it ends in: headers of the program's own navigations, downloads,
// error pages, Save As, copy, paste, find and page dialogs.
#include "web_test_util.h"

#include "platform/sys/windows.h"
#include "platform/web/browserpage.h"

#include <QCoreApplication>

#include <QFile>
#include <QTcpServer>
#include <QTemporaryDir>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

using web::WebBrowser;

namespace {

const QByteArray kPage = "<html><head><title>ua</title></head><body><img src=\"/pages/picture.png\"></body></html>";

QByteArray defaultAgentOf(const TestHttpServer::Request& r) { return r.header("user-agent"); }

QString refusedAddress() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1/nothing.html").arg(port);
}

}  // namespace

TEST_F(WebTest, UserAgentOnlyForTheNavigationThatCarriedIt) {
    WebBrowser* b = makeBrowser();
    server.addPage("/ua", kPage);
    server.addRedirect("/hop", server.urlText("/ua"));
    ASSERT_TRUE(load(b, server.urlText("/hop"), QStringLiteral("User-Agent:Zelvaro-Test/1.0")));
    ASSERT_EQ(server.requestsFor("/hop").size(), 1);
    EXPECT_EQ(server.requestsFor("/hop")[0].header("user-agent"), "Zelvaro-Test/1.0");
    ASSERT_EQ(server.requestsFor("/ua").size(), 1);
    EXPECT_EQ(server.requestsFor("/ua")[0].header("user-agent"), "Zelvaro-Test/1.0") << "the redirect hop keeps it";
    ASSERT_TRUE(waitUntil([&] { return !server.requestsFor("/pages/picture.png").isEmpty(); }));
    const QByteArray engineAgent = defaultAgentOf(server.requestsFor("/pages/picture.png")[0]);
    EXPECT_NE(engineAgent, "Zelvaro-Test/1.0") << "pictures of the page are no part of the navigation";

    server.clearRequests();
    ASSERT_TRUE(load(b, server.urlText("/ua")));
    ASSERT_EQ(server.requestsFor("/ua").size(), 1);
    EXPECT_EQ(server.requestsFor("/ua")[0].header("user-agent"), engineAgent);
}

// Without a User-Agent of its own a request carries the engine's agent with the program's ASCII
// product token in place of the application's name, which is not ASCII; pictures of the page too.
TEST_F(WebTest, EngineAgentIsAsciiWithTheProductToken) {
    const QString oldName = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("Zelvaro浏览器"));
    WebBrowser* b = makeBrowser();
    server.addPage("/ua", kPage);
    const bool loaded = load(b, server.urlText("/ua"));
    QCoreApplication::setApplicationName(oldName);
    ASSERT_TRUE(loaded);
    ASSERT_TRUE(waitUntil([&] { return !server.requestsFor("/pages/picture.png").isEmpty(); }));
    for (const QString& path : {QString("/ua"), QString("/pages/picture.png")}) {
        const QByteArray agent = defaultAgentOf(server.requestsFor(path)[0]);
        for (const char ch : agent) EXPECT_TRUE(ch >= 0x20 && ch < 0x7f) << agent.toStdString();
        EXPECT_TRUE(agent.contains(" Zelvaro/1.0 Version/")) << agent.toStdString();
    }
}

TEST(UserAgent, TheApplicationPartBecomesTheProductTokenAndNothingOutsideAsciiStays) {
    struct Case {
        const char* engine;
        const char* sent;
    };
    const Case cases[] = {
        {"Mozilla/5.0 (X11; Linux x86_64) AppleWebKit/602.1 (KHTML, like Gecko) Zelvaro浏览器 Version/10.0 Safari/602.1",
         "Mozilla/5.0 (X11; Linux x86_64) AppleWebKit/602.1 (KHTML, like Gecko) Zelvaro/1.0 Version/10.0 Safari/602.1"},
        {"Mozilla/5.0 (X11) AppleWebKit/602.1 (KHTML, like Gecko) Other/2.3 Version/10.0 Safari/602.1",
         "Mozilla/5.0 (X11) AppleWebKit/602.1 (KHTML, like Gecko) Zelvaro/1.0 Version/10.0 Safari/602.1"},
        {"Mozilla/5.0 (X11; 中文) Safari", "Mozilla/5.0 (X11; ) Safari"},
        {"Agent\r\nX-Injected: 1", "AgentX-Injected: 1"},
    };
    for (const Case& c : cases) EXPECT_EQ(web::asciiUserAgent(QString::fromUtf8(c.engine)), QString::fromUtf8(c.sent));
    EXPECT_EQ(web::productToken(), "Zelvaro/1.0");
}

TEST_F(WebTest, UserAgentNotCarriedIntoLinksFollowedInThePage) {
    WebBrowser* b = makeBrowser();
    ASSERT_TRUE(load(b, server.urlText("/pages/links.html"), QStringLiteral("User-Agent:Mine")));
    EXPECT_EQ(server.requestsFor("/pages/links.html")[0].header("user-agent"), "Mine");
    const int before = downloads["b"];
    b->document().getElementById("self").click();
    ASSERT_TRUE(waitUntil([&] { return downloads["b"] > before && !b->busy(); }));
    ASSERT_EQ(server.requestsFor("/pages/target.html").size(), 1);
    EXPECT_NE(server.requestsFor("/pages/target.html")[0].header("user-agent"), "Mine");
}

TEST_F(WebTest, HeaderTextSplitIntoLinesAndPassedToBeforeNavigate) {
    WebBrowser* b = makeBrowser();
    QString seenHeaders;
    b->onBeforeNavigate2 = [&](const QString&, int, const QString&, const QByteArray&, const QString& headers,
                               bool&) {
        if (seenHeaders.isEmpty()) seenHeaders = headers;
    };
    const QString headers = QStringLiteral("User-Agent: Agent A\r\nX-Extra: two\r\n");
    ASSERT_TRUE(load(b, server.urlText("/pages/target.html"), headers));
    EXPECT_EQ(seenHeaders, headers);
    const auto request = server.requestsFor("/pages/target.html").value(0);
    EXPECT_EQ(request.header("user-agent"), "Agent A");
    EXPECT_EQ(request.header("x-extra"), "two");
    for (const QByteArray& value : request.headers) {
        EXPECT_FALSE(value.contains('\r') || value.contains('\n'));
    }
}

TEST_F(WebTest, EmptyUserAgentStillSendsTheHeader) {
    WebBrowser* b = makeBrowser();
    ASSERT_TRUE(load(b, server.urlText("/pages/target.html"), QStringLiteral("User-Agent:")));
    const auto request = server.requestsFor("/pages/target.html").value(0);
    EXPECT_TRUE(request.hasHeader("user-agent"));
    EXPECT_EQ(request.header("user-agent"), "");
}

TEST_F(WebTest, PostDataSentWithTheNavigation) {
    WebBrowser* b = makeBrowser();
    server.addPage("/form", "<html><body>ok</body></html>");
    b->Navigate(server.urlText("/form"), 0, QString(), "a=1&b=2",
                QStringLiteral("Content-Type: application/x-www-form-urlencoded"));
    ASSERT_TRUE(waitUntil([&] { return downloads["b"] > 0; }));
    ASSERT_EQ(server.requestsFor("/form").size(), 1);
    EXPECT_EQ(server.requestsFor("/form")[0].method, "POST");
    EXPECT_EQ(server.requestsFor("/form")[0].body, "a=1&b=2");
}

TEST_F(WebTest, DownloadRaisesFileDownloadAndIsSaved) {
    QTemporaryDir dir;
    const QByteArray data = QByteArray(200000, 'x') + "end";
    server.addDownload("/get/report", data, QStringLiteral("报告.zip"));
    WebBrowser* b = makeBrowser();
    ASSERT_TRUE(load(b, server.urlText("/pages/target.html")));
    std::vector<bool> raised;
    b->onFileDownload = [&](const QString&, bool activeDocument, bool&) { raised.push_back(activeDocument); };
    const QString path = dir.filePath(QStringLiteral("报告.zip"));
    services.queueSaveFile(path);
    const int before = downloads["b"];
    b->Navigate(server.urlText("/get/report"));
    ASSERT_TRUE(waitUntil([&] { return QFile(path).size() == data.size(); }));
    ASSERT_EQ(raised.size(), 1u);
    EXPECT_FALSE(raised[0]);
    const auto saves = services.boxes(ShownBox::SaveFile);
    ASSERT_EQ(saves.size(), 1u);
    EXPECT_EQ(saves[0].prompt, QStringLiteral("报告.zip"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), data);
    ASSERT_TRUE(waitUntil([&] { return downloads["b"] > before && !b->busy(); }));
    EXPECT_EQ(b->locationURL(), server.urlText("/pages/target.html")) << "the page stays";
    EXPECT_FALSE(b->document().isErrorPage());
    EXPECT_TRUE(services.messages().isEmpty());
}

TEST_F(WebTest, DownloadCancelledOrRefusedWritesNothing) {
    QTemporaryDir dir;
    server.addDownload("/get/a", "data", QStringLiteral("a.bin"));
    WebBrowser* b = makeBrowser();
    // Cancelled by the handler: no Save As at all.
    b->onFileDownload = [&](const QString&, bool, bool& cancel) { cancel = true; };
    b->Navigate(server.urlText("/get/a"));
    ASSERT_TRUE(waitUntil([&] { return downloads["b"] > 0; }));
    EXPECT_TRUE(services.boxes(ShownBox::SaveFile).empty());
    // Save As cancelled: nothing written.
    b->onFileDownload = nullptr;
    services.queueSaveFile(QString());
    b->Navigate(server.urlText("/get/a"));
    ASSERT_TRUE(waitUntil([&] { return downloads["b"] > 1; }));
    settle();
    EXPECT_EQ(services.boxes(ShownBox::SaveFile).size(), 1u);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(WebTest, RefusedConnectionGivesAMarkedErrorPage) {
    WebBrowser* b = makeBrowser();
    const QString address = refusedAddress();
    ASSERT_TRUE(load(b, address));
    EXPECT_EQ(entries("b DocumentComplete " + address).size(), 1);
    const web::Document doc = b->document();
    EXPECT_TRUE(doc.isErrorPage());
    EXPECT_EQ(doc.errorPageUrl(), address);
    EXPECT_EQ(doc.url(), address);
    EXPECT_EQ(b->locationURL(), address);
    EXPECT_TRUE(doc.body().innerText().contains(address));
    // The program replaces the page as it likes; the mark goes with the next document.
    ASSERT_TRUE(load(b, server.urlText("/pages/target.html")));
    EXPECT_FALSE(b->document().isErrorPage());
    EXPECT_EQ(b->document().errorPageUrl(), QString());
}

TEST_F(WebTest, ServerErrorPageIsShownAsTheServerSentIt) {
    WebBrowser* b = makeBrowser();
    server.addError("/broken", 500,
                    "<html><head><meta charset=\"utf-8\"><title>服务器错误</title></head><body>oops</body></html>");
    ASSERT_TRUE(load(b, server.urlText("/broken")));
    EXPECT_FALSE(b->document().isErrorPage());
    EXPECT_EQ(b->document().title(), QStringLiteral("服务器错误"));
}

TEST_F(WebTest, ErrorPageEscapesTheAddress) {
    WebBrowser* b = makeBrowser();
    const QString address = refusedAddress() + QStringLiteral("?q=<b>bold</b>");
    ASSERT_TRUE(load(b, address));
    ASSERT_TRUE(b->document().isErrorPage());
    EXPECT_TRUE(b->document().getElementsByTagName("b").isEmpty());
}

TEST_F(WebTest, SaveAsWritesTheDocumentAsItArrived) {
    QTemporaryDir dir;
    WebBrowser* b = makeBrowser();
    ASSERT_TRUE(load(b, server.urlText("/pages/gbk.html")));
    const QString path = dir.filePath(QStringLiteral("saved.html"));
    services.queueSaveFile(path);
    b->ExecWB(web::kExecSaveAs, 0);
    EXPECT_EQ(services.boxes(ShownBox::SaveFile).at(0).prompt, QStringLiteral("gbk.html"));
    QFile saved(path), original(pagePath("gbk.html"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), original.readAll());
}

TEST_F(WebTest, SaveAsFailureIsReported) {
    WebBrowser* b = makeBrowser();
    ASSERT_TRUE(load(b, server.urlText("/pages/target.html")));
    services.queueSaveFile(QStringLiteral("/nonexistent-folder-zv/x.html"));
    b->ExecWB(web::kExecSaveAs, 0);
    ASSERT_EQ(services.messages().size(), 1);
    EXPECT_TRUE(services.messages()[0].startsWith(QStringLiteral("保存失败")));
}

TEST_F(WebTest, CopyPasteAndFindGoThroughTheServices) {
    WebBrowser* b = makeBrowser();
    ASSERT_TRUE(load(b, server.urlText("/pages/form.html")));
    web::Document doc = b->document();
    doc.evaluate("var r=document.createRange();r.selectNodeContents(document.getElementById('intro'));"
                 "window.getSelection().removeAllRanges();window.getSelection().addRange(r);");
    services.setClipboard(QStringLiteral("old"));
    b->ExecWB(web::kExecCopy, 0);
    EXPECT_EQ(services.clipboard(), QStringLiteral("请填写表单"));
    EXPECT_FALSE(services.clipboard().isEmpty());

    doc.getElementById("memo").focus();
    services.setClipboard(QStringLiteral("粘贴的字"));
    b->ExecWB(web::kExecPaste, 0);
    EXPECT_EQ(doc.getElementById("memo").value(), QStringLiteral("粘贴的字"));

    services.queueInput(QStringLiteral("没有这些字"));
    b->ExecWB(web::kExecFind, 0);
    ASSERT_EQ(services.boxes(ShownBox::Input).size(), 1u);
    EXPECT_EQ(services.messages().size(), 1);
    services.queueInput(QStringLiteral("粘贴"));
    b->ExecWB(web::kExecFind, 0);
    EXPECT_EQ(services.messages().size(), 1) << "found: no message";
}

TEST_F(WebTest, RefreshLoadsThePageAgain) {
    WebBrowser* b = makeBrowser();
    ASSERT_TRUE(load(b, server.urlText("/pages/target.html")));
    const int before = downloads["b"];
    b->ExecWB(web::kExecRefresh, 0);
    ASSERT_TRUE(waitUntil([&] { return downloads["b"] > before && !b->busy(); }));
    EXPECT_EQ(server.requestsFor("/pages/target.html").size(), 2);
}

TEST_F(WebTest, PageDialogsUseTheServicesUnlessSilent) {
    WebBrowser* b = makeBrowser();
    ASSERT_TRUE(load(b, server.urlText("/pages/target.html")));
    b->document().evaluate("alert('提示一下')");
    ASSERT_EQ(services.messages().size(), 1);
    EXPECT_EQ(services.messages()[0], QStringLiteral("提示一下"));
    b->setSilent(true);
    EXPECT_TRUE(b->silent());
    b->document().evaluate("alert('不显示')");
    services.queueMsgBoxAnswer(ui::vbOK);
    EXPECT_EQ(b->document().evaluate("String(confirm('确定吗'))"), QStringLiteral("false"));
    EXPECT_EQ(services.messages().size(), 1);
}

TEST_F(WebTest, PageWidgetIsInTheWindowTable) {
    WebBrowser* b = makeBrowser();
    const int handle = sys::handleOf(b->pageWidget());
    EXPECT_EQ(sys::classNameOf(handle), QString::fromLatin1(sys::kPageWindowClass));
}

// A navigation's request leaves before the caller returns to the event loop: a caller that goes on
// working after Navigate (as the start-up does) does not hold the request back. The connection is
// awaited on a plain socket, with no event loop turning.
TEST_F(WebTest, NavigationRequestLeavesBeforeTheLoopTurns) {
    WebBrowser* b = makeBrowser();
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_GE(listener, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), length), 0);
    ASSERT_EQ(::listen(listener, 4), 0);
    ASSERT_EQ(::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length), 0);
    b->Navigate(QStringLiteral("http://127.0.0.1:%1/page.html").arg(ntohs(address.sin_port)));
    pollfd waiting{listener, POLLIN, 0};
    EXPECT_EQ(::poll(&waiting, 1, 3000), 1) << "no connection while the loop stood still";
    ::close(listener);
    b->Stop();
}
