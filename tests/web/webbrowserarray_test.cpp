// Browsers in a control array: every event of an item reaches the array with the item's index, an
// item's own handler runs first, cancels made at the array level are honoured, and an unloaded item
// raises nothing more.
#include "web_test_util.h"
#include "support/waits.h"

#include "platform/ui/handler.h"
#include "platform/web/webbrowserarray.h"

using web::WebBrowser;

namespace {

class BrowserArrayTest : public WebTest {
protected:
    BrowserArrayTest() {
        ui::clearHandlerConflicts();
        WebBrowser& first = browsers1.add(1, &window);
        first.move(0, 0, 800 * 15, 600 * 15);
        first.setVisible(true);
        recordArray();
    }
    ~BrowserArrayTest() override {
        EXPECT_TRUE(ui::handlerConflicts().isEmpty())
            << ui::handlerConflicts().join(QStringLiteral(", ")).toStdString();
    }

    // Every array-level event into `log` as "<index> <Event> <fields>".
    void recordArray() {
        auto& a = browsers1;
        a.onBeforeNavigate2 = [this](int i, const QString& url, int, const QString&, const QByteArray&,
                                     const QString&, bool& cancel) {
            log << QString("%1 BeforeNavigate2 %2").arg(i).arg(url);
            if (refuse.contains(i)) cancel = true;
        };
        a.onNavigateComplete2 = [this](int i, const QString& url) { log << QString("%1 NavigateComplete2 %2").arg(i).arg(url); };
        a.onTitleChange = [this](int i, const QString& t) { log << QString("%1 TitleChange %2").arg(i).arg(t); };
        a.onDocumentComplete = [this](int i, const QString& url) { log << QString("%1 DocumentComplete %2").arg(i).arg(url); };
        a.onDownloadComplete = [this](int i) {
            log << QString("%1 DownloadComplete").arg(i);
            ++downloads[QString::number(i)];
        };
        a.onStatusTextChange = [this](int i, const QString& t) { log << QString("%1 StatusTextChange %2").arg(i).arg(t); };
        a.onCommandStateChange = [this](int i, int command, bool enabled) {
            log << QString("%1 CommandStateChange %2 %3").arg(i).arg(command).arg(enabled);
        };
        a.onNewWindow2 = [this](int i, WebBrowser*& ppDisp, bool& cancel) {
            log << QString("%1 NewWindow2").arg(i);
            if (routeTo > 0) ppDisp = &browsers1(routeTo);
            else cancel = true;
        };
        a.onWindowClosing = [this](int i, bool, bool& cancel) {
            log << QString("%1 WindowClosing").arg(i);
            cancel = true;
        };
        a.onFileDownload = [this](int i, const QString&, bool, bool& cancel) {
            log << QString("%1 FileDownload").arg(i);
            cancel = true;
        };
    }

    WebBrowser& loadItem(int index) {
        WebBrowser& b = browsers1.load(index);
        b.setVisible(true);
        return b;
    }

    bool loadIn(int index, const QString& url) {
        const QString key = QString::number(index);
        const int before = downloads[key];
        browsers1(index).Navigate(url);
        return waitUntil([&] { return downloads[key] > before && !browsers1(index).busy(); });
    }

    // The indices that raised an event whose entry contains `what`.
    QList<int> indicesOf(const QString& what) const {
        QList<int> out;
        for (const QString& e : log)
            if (e.contains(what)) out << e.section(' ', 0, 0).toInt();
        return out;
    }

    web::WebBrowserArray browsers1{QStringLiteral("WebBrowser1")};
    QList<int> refuse;  // indices whose navigations the array-level handler cancels
    int routeTo = 0;    // the item a new window goes to (0: cancelled)
};

TEST_F(BrowserArrayTest, EveryLoadEventArrivesWithItsItemsIndex) {
    loadItem(2);
    loadItem(3);
    const QString top = server.urlText("/pages/frames.html");
    const QString child = server.urlText("/pages/frame_child.html");
    const QString target = server.urlText("/pages/target.html");
    ASSERT_TRUE(loadIn(3, top));
    ASSERT_TRUE(loadIn(2, target));
    settle();
    // The events of a load, in the order a single browser raises them, each with its item's index.
    const QStringList expected3{"3 BeforeNavigate2 " + top, "3 NavigateComplete2 " + top, "3 BeforeNavigate2 " + child,
                                "3 DocumentComplete " + child, "3 DownloadComplete", "3 DocumentComplete " + top};
    int at = -1;
    for (const QString& e : expected3) {
        const int next = log.indexOf(e, at + 1);
        EXPECT_GT(next, at) << e.toStdString() << "\n" << log.join('\n').toStdString();
        at = next;
    }
    EXPECT_TRUE(log.contains(QStringLiteral("3 TitleChange 框架页")));
    EXPECT_TRUE(log.contains(QStringLiteral("2 TitleChange 目标页")));
    EXPECT_TRUE(log.contains("2 DocumentComplete " + target));
    EXPECT_TRUE(log.contains(QStringLiteral("2 CommandStateChange 2 0")));
    for (const QString& e : log) EXPECT_FALSE(e.startsWith("1 ")) << "item 1 did nothing: " << e.toStdString();
    for (int i : indicesOf("DocumentComplete " + target)) EXPECT_EQ(i, 2);
}

TEST_F(BrowserArrayTest, TheItemsOwnHandlerRunsFirstAndBothSeeTheSameCancel) {
    WebBrowser& b = loadItem(2);
    ASSERT_TRUE(loadIn(2, server.urlText("/pages/target.html")));
    server.clearRequests();
    b.onBeforeNavigate2 = [this](const QString& url, int, const QString&, const QByteArray&, const QString&,
                                 bool& cancel) {
        log << "own " + url;
        cancel = true;
    };
    bool sawCancel = false;
    browsers1.onBeforeNavigate2 = nullptr;
    browsers1.onBeforeNavigate2 = [&](int i, const QString& url, int, const QString&, const QByteArray&,
                                      const QString&, bool& cancel) {
        log << QString("array %1 %2").arg(i).arg(url);
        sawCancel = cancel;
    };
    const QString links = server.urlText("/pages/links.html");
    b.Navigate(links);
    settle(300);
    EXPECT_EQ(log.indexOf("own " + links) + 1, log.indexOf("array 2 " + links)) << log.join('\n').toStdString();
    EXPECT_TRUE(sawCancel);
    EXPECT_TRUE(server.requestsFor("/pages/links.html").isEmpty());
    b.onBeforeNavigate2 = nullptr;
}

TEST_F(BrowserArrayTest, CancelAtTheArrayLevelStopsThatItemsNavigationOnly) {
    loadItem(2);
    loadItem(3);
    refuse << 2;
    server.clearRequests();
    browsers1(2).Navigate(server.urlText("/pages/links.html"));
    ASSERT_TRUE(loadIn(3, server.urlText("/pages/target.html")));
    settle(200);
    EXPECT_EQ(indicesOf("BeforeNavigate2 " + server.urlText("/pages/links.html")), QList<int>{2});
    EXPECT_TRUE(server.requestsFor("/pages/links.html").isEmpty());
    EXPECT_FALSE(browsers1(2).busy());
    EXPECT_TRUE(indicesOf("NavigateComplete2").contains(3));
    EXPECT_FALSE(indicesOf("NavigateComplete2").contains(2));
    EXPECT_EQ(browsers1(3).locationURL(), server.urlText("/pages/target.html"));
}

TEST_F(BrowserArrayTest, NewWindowAndWindowClosingAtTheArrayLevel) {
    loadItem(2);
    loadItem(3);
    routeTo = 3;
    ASSERT_TRUE(loadIn(2, server.urlText("/pages/window_open.html")));
    browsers1(2).document().evaluate("openIt()");
    const QString target = server.urlText("/pages/target.html");
    ASSERT_TRUE(waitUntil([&] { return browsers1(3).locationURL() == target && !browsers1(3).busy(); }));
    EXPECT_EQ(indicesOf("NewWindow2"), QList<int>{2});
    EXPECT_TRUE(indicesOf("BeforeNavigate2 " + target).contains(3));
    EXPECT_TRUE(web::standaloneWindows().isEmpty());

    ASSERT_TRUE(loadIn(3, server.urlText("/pages/window_close.html")));
    browsers1(3).document().evaluate("closeIt()");
    ASSERT_TRUE(waitUntil([&] { return !indicesOf("WindowClosing").isEmpty(); }));
    settle();
    EXPECT_EQ(indicesOf("WindowClosing"), QList<int>{3});
    EXPECT_TRUE(browsers1.exists(3));
    EXPECT_EQ(browsers1(3).locationURL(), server.urlText("/pages/window_close.html"));
}

TEST_F(BrowserArrayTest, AnUnloadedItemRaisesNothingMore) {
    server.addSlowPage("/slow", "<html><head><title>slow</title></head><body>slow</body></html>", 400);
    loadItem(2);
    browsers1(2).Navigate(server.urlText("/slow"));
    ASSERT_TRUE(waitUntil([&] { return !server.requestsFor("/slow").isEmpty(); }));
    const int before = log.size();
    browsers1.unload(2);
    settle(700);
    EXPECT_EQ(log.size(), before) << log.mid(before).join('\n').toStdString();

    // Loaded again at the same index, the new item's events carry it.
    loadItem(2);
    ASSERT_TRUE(loadIn(2, server.urlText("/pages/target.html")));
    EXPECT_TRUE(log.contains(QStringLiteral("2 TitleChange 目标页")));
}

TEST_F(BrowserArrayTest, AnItemUnloadedInsideItsOwnEventRaisesNothingMore) {
    WebBrowser& b = loadItem(2);
    int ownAfter = 0;
    b.onDocumentComplete = [&](const QString&) { ++ownAfter; };
    b.onDownloadComplete = [&] { ++ownAfter; };
    browsers1.onNavigateComplete2 = nullptr;
    browsers1.onNavigateComplete2 = [this](int i, const QString& url) {
        log << QString("%1 NavigateComplete2 %2").arg(i).arg(url);
        browsers1.unload(i);
    };
    browsers1(2).Navigate(server.urlText("/pages/frames.html"));
    ASSERT_TRUE(waitUntil([&] { return !browsers1.exists(2); }));
    const int at = log.size();
    settle(600);
    EXPECT_EQ(log.size(), at) << log.mid(at).join('\n').toStdString();
    EXPECT_EQ(ownAfter, 0);
    EXPECT_TRUE(indicesOf("DocumentComplete").isEmpty());
}

}  // namespace
