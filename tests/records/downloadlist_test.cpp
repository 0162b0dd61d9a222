// The download list: a record for each file download (the request's own address, escaped), duplicates
// and the cap, the download window's page (numbered, styled, a click downloading again, the guard), its
// menu (copy, delete), the download-pending flag a download arms, and the file saved where the user
// chose under the reply's bare file name.
#include "page/sinks_fixture.h"
#include "support/waits.h"

#include "forms/form14.h"
#include "forms/slots.h"
#include "forms/windowowner.h"
#include "platform/rt/gbk.h"
#include "platform/rt/html.h"
#include "records/downloadlist.h"
#include "records/form6.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QFile>

namespace {

class DownloadListTest : public SinksTest {
protected:
    void SetUp() override {
        SinksTest::SetUp();
        services.setNow(QDateTime(QDate(2026, 12, 8), QTime(9, 5, 7)));
        ASSERT_TRUE(startProgram());
        QFile::remove(sys::nativePath(Form6::listFile()));
        services.clearRecords();
        saved = home.path() + "/saved.bin";
    }
    QStringList listLines() {
        try {
            return sys::readLines(Form6::listFile());
        } catch (...) {
            return {};
        }
    }
    Form6& window() { return forms::window<Form6>(); }
    // A link on a page in a tab that downloads `path`; clicking it saves the file as `saved`.
    void download(const QString& path, const QString& fileName = QStringLiteral("file.zip")) {
        server.addDownload(path, QByteArray("PK data"), fileName);
        const int before = listLines().size();
        services.queueSaveFile(saved);
        f1().WebBrowser1(tab).Navigate(server.urlText(path));
        waitFor([&] { return listLines().size() > before || QFile::exists(saved); });
        settle(100);
    }
    bool listShown(Form6& w) {
        return waitFor([&] {
            try {
                return !w.WebBrowser1.busy() && w.XRA.attached() && w.XRA.document() == w.WebBrowser1.document();
            } catch (...) {
                return false;
            }
        });
    }
    // A left click on a record link of the download window, as a person makes it; the download it
    // starts is saved as again.bin.
    void clickRecord(Form6& w, const web::Element& link) {
        QWidget* view = w.WebBrowser1.pageWidget();
        const QPoint at = link.boundingClientRect().center();
        server.clearRequests();
        services.queueSaveFile(home.path() + "/again.bin");
        QMouseEvent press(QEvent::MouseButtonPress, at, view->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, view->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &release);
    }
    int tab = 0;
    QString saved;
};

TEST_F(DownloadListTest, ADownloadIsRecordedWithItsOwnAddress) {
    tab = openTab();
    ASSERT_TRUE(load(tab, servePage("/page", titled("页面", "<a href=\"/other\">另一个</a>")), "/page"));
    f1().lastHoveredLink = "http://elsewhere.example/hovered";  // a link hovered earlier is not the download
    server.addDownload("/files/report.zip", QByteArray("PK data"), "report.zip");
    services.queueSaveFile(saved);
    const QString address = server.urlText("/files/report.zip") + "?name=\"<1>\"&y=a b";
    f1().WebBrowser1(tab).Navigate(address);
    ASSERT_TRUE(waitFor([&] { return listLines().size() == 1; }));
    ASSERT_EQ(listLines().size(), 1);
    const QString line = listLines()[0];
    EXPECT_EQ(DownloadList::addressOf(line), QUrl(address).toString());
    EXPECT_FALSE(line.contains("<1>")) << "markup in the address stays text";
    EXPECT_TRUE(line.contains("&#13;时间：09:05:07&#13;日期：12-08-2026"));
    EXPECT_TRUE(line.endsWith("</a><br><br>"));
    // The window (loaded hidden) mirrors it and shows it numbered.
    Form6& w = window();
    EXPECT_FALSE(w.visible());
    ASSERT_TRUE(listShown(w));
    const QList<web::Element> links = w.WebBrowser1.document().getElementsByTagName("a");
    ASSERT_EQ(links.size(), 1);
    EXPECT_TRUE(links[0].innerText().startsWith("001. ")) << links[0].innerText().toStdString();
    EXPECT_TRUE(links[0].innerText().contains("report.zip?name=")) << links[0].innerText().toStdString();
    EXPECT_EQ(w.WebBrowser1.document().querySelectorAll("body *:not(a):not(br):not(style)").size(), 0);
    EXPECT_EQ(links[0].hrefResolved(), QUrl(address).toString());
    // The file itself was saved where the user chose.
    EXPECT_TRUE(waitFor([&] { return QFile::exists(saved); }));
}

TEST_F(DownloadListTest, AScriptStartedDownloadIsRecordedWithItsOwnAddressNotTheHoveredLink) {
    tab = openTab();
    ASSERT_TRUE(load(tab, servePage("/page", titled("页面", "<p><a id=\"hovered\" href=\"/elsewhere\">另一个</a></p>"
                                                      "<p><button id=\"byLocation\" onclick=\"location.href='/s/one.zip'\">一</button></p>"
                                                      "<p><a id=\"hidden\" href=\"/s/two.zip\" style=\"display:none\">二</a>"
                                                      "<button id=\"byLink\" onclick=\"document.getElementById('hidden').click()\">二</button></p>")),
                     "/page"));
    const QString chosen = home.path() + "/chosen";
    ASSERT_TRUE(QDir().mkpath(chosen));
    const QString hovered = server.urlText("/elsewhere");
    struct Case {
        const char* button;  // runs the page's script that starts the download
        const char* path;
    };
    const Case cases[] = {{"byLocation", "/s/one.zip"}, {"byLink", "/s/two.zip"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        server.addDownload(c.path, QByteArray("PK data"), QUrl(c.path).fileName());
        // The user points at another link first, then presses the button.
        moveOver(tab, "hovered");
        ASSERT_TRUE(waitFor([&] { return f1().lastHoveredLink == hovered; }));
        const int before = listLines().size();
        services.queueSaveInFolder(chosen);
        click(tab, c.button);
        ASSERT_TRUE(waitFor([&] { return listLines().size() == before + 1; }));
        EXPECT_EQ(DownloadList::addressOf(listLines()[0]), server.urlText(c.path));
        EXPECT_FALSE(listLines().join('\n').contains("elsewhere"));
        EXPECT_EQ(f1().lastHoveredLink, hovered) << "the hovered link was there to be taken";
        EXPECT_TRUE(waitFor([&] { return QFile::exists(chosen + "/" + QUrl(c.path).fileName()); }));
    }
    EXPECT_TRUE(services.messages().isEmpty()) << services.messages().join('|').toStdString();
}

TEST_F(DownloadListTest, AReplyNamingAPathIsSavedUnderItsBareNameInTheChosenFolder) {
    tab = openTab();
    ASSERT_TRUE(load(tab, servePage("/page", titled("页面", "x")), "/page"));
    const QString chosen = home.path() + "/chosen";
    ASSERT_TRUE(QDir().mkpath(chosen));
    struct Case {
        const char* path;
        const char* disposition;
        const char* name;  // the name suggested and saved
    };
    const Case cases[] = {
        {"/n/1", "attachment; filename=\"../x\"", "x"},
        {"/n/2", "attachment; filename=../x", "x"},
        {"/n/3", "attachment; filename*=UTF-8''..%2Fx", "x"},
        {"/n/4", "attachment; filename=\"..\\x\"", "x"},
        {"/n/5", "attachment; filename=\"/tmp/../../x\"", "x"},
        {"/n/6", "attachment; filename=\"..\"", "6"},
        {"/n/7", "attachment; filename=\"../\"", "7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.disposition);
        TestHttpServer::Response reply;
        reply.headers.append(qMakePair(QByteArray("Content-Type"), QByteArray("application/octet-stream")));
        reply.headers.append(qMakePair(QByteArray("Content-Disposition"), QByteArray(c.disposition)));
        reply.body = QByteArray("PK data ") + c.path;
        server.addRoute(c.path, reply);
        services.clearRecords();
        services.queueSaveInFolder(chosen);
        f1().WebBrowser1(tab).Navigate(server.urlText(c.path));
        const QString file = chosen + "/" + c.name;
        ASSERT_TRUE(waitFor([&] { return QFile::exists(file); })) << QDir(chosen).entryList().join('|').toStdString();
        const std::vector<ShownBox> asked = services.boxes(ShownBox::SaveFile);
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_EQ(asked[0].prompt, QString::fromUtf8(c.name));
        ASSERT_TRUE(waitFor([&] {
            QFile in(file);
            return in.open(QIODevice::ReadOnly) && in.readAll() == reply.body;
        }));
        EXPECT_EQ(QDir(chosen).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{c.name});
        EXPECT_FALSE(QFile::exists(folder.path() + "/x"));
        QFile::remove(file);
        EXPECT_TRUE(services.messages().isEmpty()) << services.messages().join('|').toStdString();
    }
}

TEST_F(DownloadListTest, DuplicatesPrefixesAndNames) {
    tab = openTab();
    ASSERT_TRUE(load(tab, servePage("/page", titled("页面", "x")), "/page"));
    download("/f/long-name");
    download("/f/long-name");  // the same address: once
    download("/f/long");       // contained in a record but another address: recorded
    download("/f/LONG-NAME");  // another case: another address
    EXPECT_EQ(listLines().size(), 3);
    struct Case {
        const char* address;
        const char* name;
    };
    const Case cases[] = {{"http://h/dir/", ""},
                          {"http://h/a/123456789012345678901234567890123456789012345678901234567890", "234567890123456789012345678901234567890"},
                          {"http://h/x...y", "xy"},
                          {"http://h/x....y", "x.y"},
                          {"no-slash", "no-slash"}};
    for (const Case& c : cases) EXPECT_EQ(DownloadList::recordName(c.address), QString::fromUtf8(c.name)) << c.address;
    // Markup and quotes in an address stay inside the link, and read back as they were.
    const QString hostile = "http://h/a b/<img src=x onerror=alert(1)>\" onclick=\"y&z";
    const QString line = DownloadList::record(hostile, "0.5", "09:05:07", "12-08-2026");
    EXPECT_FALSE(line.contains("<img")) << line.toStdString();
    EXPECT_FALSE(line.contains("\" onclick")) << line.toStdString();
    EXPECT_EQ(DownloadList::addressOf(line), hostile);
    // An older unquoted line reads as it stands.
    EXPECT_EQ(DownloadList::addressOf("<a href=http://h/old title=\"x\" id=0.1 Target=_blank>old</a><br><br>"), "http://h/old");
}

// Addresses and names in several scripts through the record and a GBK file: the address reads back
// exactly and the name shows every character.
TEST_F(DownloadListTest, RecordsKeepEveryCharacterOfAddressesInEveryScript) {
    struct Case {
        const char* name;
        const char* address;
    };
    const Case cases[] = {
        {"Chinese", "http://h.cn/下载/文件.zip"},
        {"Hangul and accents", "http://h/niño/한.zip"},
        {"Arabic", "http://h/ملف/عربي.pdf"},
        {"emoji", "http://h/a😀b.bin?x=é"},
        {"a host GBK cannot hold", "http://한국.kr/파일.zip"},
        {"markup", "http://h/é <b>\"x\"&y.zip"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString address = QString::fromUtf8(c.address);
        const QString line = DownloadList::record(address, "0.5", "09:05:07", "12-08-2026");
        const QString stored = rt::fromGbk(rt::toGbk(line));
        EXPECT_EQ(stored, line) << "the file holds the line as it is";
        EXPECT_EQ(DownloadList::addressOf(stored), address);
        const int textStart = stored.indexOf("Target=_blank>") + 14;
        EXPECT_EQ(rt::htmlUnescape(stored.mid(textStart, stored.lastIndexOf("</a>") - textStart)), DownloadList::recordName(address));
    }
    // Where GBK holds the address the record is as before.
    EXPECT_EQ(DownloadList::record("http://h.cn/下载/a b.zip", "0.5", "09:05:07", "12-08-2026"),
              QString::fromUtf8("<a href=\"http://h.cn/下载/a&#32;b.zip\" title=\"http://h.cn/下载/a&#32;b.zip&#13;时间：09:05:07&#13;"
                                "日期：12-08-2026\" id=0.5 Target=_blank>a b.zip</a><br><br>"));
}

// A download whose address holds characters GBK cannot hold: recorded once, shown by its name, and a
// click on it asks for the same address again.
TEST_F(DownloadListTest, ADownloadOutsideGbkIsRecordedOnceAndDownloadsAgain) {
    tab = openTab();
    ASSERT_TRUE(load(tab, servePage("/page", titled("页面", "x")), "/page"));
    const QString path = "/ni%C3%B1o/%ED%95%9C%F0%9F%98%80.zip";
    download(path, "file.zip");
    ASSERT_EQ(listLines().size(), 1);
    EXPECT_EQ(DownloadList::addressOf(listLines()[0]), server.urlText(path));
    download(path, "file.zip");
    EXPECT_EQ(listLines().size(), 1) << "the same download is not recorded again";
    Form6& w = window();
    w.show();
    ASSERT_TRUE(listShown(w));
    const web::Element link = w.WebBrowser1.document().getElementsByTagName("a").value(0);
    EXPECT_TRUE(waitFor([&] { return link.innerText() == QString::fromUtf8("001. 한😀.zip"); })) << link.innerText().toStdString();
    EXPECT_EQ(link.hrefResolved(), server.urlText(path));
    clickRecord(w, link);
    EXPECT_TRUE(waitFor([&] { return !server.requestsFor(path).isEmpty(); }));
}

// A list the file cannot take is said with the file's name; the record waits in the mirror.
TEST_F(DownloadListTest, AListTheFileCannotTakeIsSaid) {
    sys::writeLines(Form6::listFile(), {DownloadList::record("http://h/old", "0.1", "1", "2")});
    QFile file(sys::nativePath(Form6::listFile()));
    ASSERT_TRUE(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    tab = openTab();
    ASSERT_TRUE(load(tab, servePage("/page", titled("页面", "x")), "/page"));
    services.clearRecords();
    download("/f/new");
    file.setPermissions(file.permissions() | QFileDevice::WriteOwner);
    EXPECT_EQ(services.messages(), QStringList({"下载记录失败，文件不能写入：" + sys::nativePath(Form6::listFile())}));
    for (const ShownBox& box : services.boxes())
        if (box.kind == ShownBox::Message) EXPECT_EQ(box.style, ui::vbCritical);
    EXPECT_EQ(listLines().size(), 1);
    EXPECT_EQ(window().List1.listCount(), 2);
}

TEST_F(DownloadListTest, TheListStopsAt501) {
    QStringList lines;
    for (int i = 0; i < 501; ++i) lines << DownloadList::record(QStringLiteral("http://h/%1").arg(i), QStringLiteral("0.%1").arg(i), "1", "2");
    sys::writeLines(Form6::listFile(), lines);
    tab = openTab();
    ASSERT_TRUE(load(tab, servePage("/page", titled("页面", "x")), "/page"));
    download("/f/new");
    EXPECT_EQ(listLines().size(), 501);
    lines.removeLast();
    sys::writeLines(Form6::listFile(), lines);
    window().unload();
    download("/f/newer");
    EXPECT_EQ(listLines().size(), 501);
    EXPECT_EQ(DownloadList::addressOf(listLines()[0]), server.urlText("/f/newer"));
}

TEST_F(DownloadListTest, ClickingARecordDownloadsAgainAndTheListComesBack) {
    tab = openTab();
    ASSERT_TRUE(load(tab, servePage("/page", titled("页面", "x")), "/page"));
    download("/f/one");
    Form6& w = window();
    w.show();
    ASSERT_TRUE(listShown(w));
    const web::Element link = w.WebBrowser1.document().getElementsByTagName("a").value(0);
    clickRecord(w, link);
    EXPECT_TRUE(waitFor([&] { return !server.requestsFor("/f/one").isEmpty(); }));
    EXPECT_FALSE(w.listMode);
    // Another download while a record was clicked: the list is shown again, styled and numbered.
    download("/f/two");
    EXPECT_TRUE(w.listMode);
    ASSERT_TRUE(listShown(w));
    EXPECT_TRUE(waitFor([&] { return w.WebBrowser1.document().getElementsByTagName("a").value(0).innerText().startsWith("002. "); }));
    EXPECT_TRUE(services.messages().isEmpty());
}

TEST_F(DownloadListTest, MenuCopiesAndDeletes) {
    tab = openTab();
    ASSERT_TRUE(load(tab, servePage("/page", titled("页面", "x")), "/page"));
    download("/f/one");
    download("/f/two");
    Form6& w = window();
    w.show();
    ASSERT_TRUE(listShown(w));
    auto rightClickOn = [&](const web::Element& e, int item) {
        services.queuePopupChoice("xiazai100", item);
        QWidget* view = w.WebBrowser1.pageWidget();
        const QPoint at = e.boundingClientRect().center();
        QContextMenuEvent menu(QContextMenuEvent::Mouse, at, view->mapToGlobal(at));
        QCoreApplication::sendEvent(view, &menu);
    };
    web::Element newest = w.WebBrowser1.document().getElementsByTagName("a").value(0);
    rightClickOn(newest, 1);
    EXPECT_EQ(services.clipboard(), server.urlText("/f/two"));
    // Delete after Yes.
    services.queueMsgBoxAnswer(ui::vbNo);
    rightClickOn(newest, 3);
    EXPECT_EQ(listLines().size(), 2);
    EXPECT_TRUE(services.messages().last().startsWith("删除 [002. two"));
    services.queueMsgBoxAnswer(ui::vbYes);
    rightClickOn(newest, 3);
    ASSERT_EQ(listLines().size(), 1);
    EXPECT_EQ(DownloadList::addressOf(listLines()[0]), server.urlText("/f/one"));
    // Beside the records: the items are offered disabled.
    ASSERT_TRUE(listShown(w));
    services.clearRecords();
    services.queuePopupNone();
    QWidget* view = w.WebBrowser1.pageWidget();
    const QPoint empty(view->width() - 10, view->height() - 10);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, empty, view->mapToGlobal(empty));
    QCoreApplication::sendEvent(view, &menu);
    ASSERT_EQ(services.popups().size(), 1u);
    EXPECT_FALSE(services.popups()[0].item("xiazai100", 1)->enabled);
}

TEST_F(DownloadListTest, ATabOpenedForTheDownloadIsArmed) {
    tab = openTab();
    // A fresh tab with no page of its own, in front.
    download("/f/one");
    EXPECT_EQ(f1().downloadPending, 1);
    EXPECT_EQ(f1().downloadPendingSlot, tab);
    // A tab showing a page: not armed.
    f1().downloadPending = 0;
    f1().downloadPendingSlot = 0;
    ASSERT_TRUE(load(tab, servePage("/page", titled("页面", "x")), "/page"));
    download("/f/two");
    EXPECT_EQ(f1().downloadPending, 0);
    // The home slot: never.
    f1().Label9.setCaption("1");
    tab = 1;
    download("/f/three");
    EXPECT_EQ(f1().downloadPending, 0);
}

// A tab opened only for a download shows a blank page: the user's next move over it closes the tab.
TEST_F(DownloadListTest, ATabOpenedForTheDownloadClosesAtTheNextMove) {
    tab = openTab();
    download("/f/one");
    ASSERT_EQ(f1().downloadPending, 1);
    const web::Document blank = f1().WebBrowser1(tab).document();
    ASSERT_FALSE(blank.isNull()) << "the blank page of the tab";
    EXPECT_TRUE(blank.url().isEmpty());
    QWidget* view = f1().WebBrowser1(tab).pageWidget();
    const QPoint at(view->width() / 2, view->height() / 2);
    QMouseEvent move(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &move);
    EXPECT_TRUE(waitFor([&] { return f1().lv(tab).caption().size() <= 1; })) << "the tab closed";
    EXPECT_EQ(f1().downloadPending, 0);
    EXPECT_EQ(forms::frontSlot(f1()), 1);
}

}  // namespace
