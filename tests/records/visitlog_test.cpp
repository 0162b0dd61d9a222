// The visit log: a line for each page completing in front, numbered by the file's lines up to 999,
// the window's list newest first, and its buttons (clear, copy, open).
#include "page/page_fixture.h"

#include "forms/windowowner.h"
#include "platform/rt/gbk.h"
#include "records/form3.h"
#include "records/visitlog.h"
#include "platform/rt/convert.h"
#include "platform/sys/programfolder.h"
#include "platform/sys/textfile.h"

#include <QFile>

namespace {

class VisitLogTest : public PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        services.setNow(QDateTime(QDate(2026, 12, 8), QTime(9, 5, 7)));
        ASSERT_TRUE(startProgram());
        QFile::remove(sys::nativePath(Form3::logFile()));
        services.clearRecords();
    }
    QByteArray logBytes() {
        QFile file(sys::nativePath(Form3::logFile()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }
    void writeLog(const QByteArray& bytes) {
        QFile file(sys::nativePath(Form3::logFile()));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
    }
    QStringList logLines() { return sys::readLines(Form3::logFile()); }
    Form3& window() { return forms::window<Form3>(); }
    // Opens a tab in front on a page and waits until it is recorded.
    int visit(const QString& path, const QByteArray& title) {
        const QString address = servePage(path, titled(title, "<p>内容</p>"));
        const int k = openTab();
        EXPECT_TRUE(load(k, address, path));
        return k;
    }
    // Chooses line i of the window's list as a person does.
    void selectLine(int i) {
        window().List1.setListIndex(i);
    }
};

TEST_F(VisitLogTest, RecordsThePageInFrontNewestFirstInTheList) {
    visit("/one", "第一页");
    const QString a = server.urlText("/one");
    ASSERT_EQ(logLines().size(), 1);
    EXPECT_EQ(logLines()[0], "001║12-08-2026 09:05:07║第一页      " + a);
    // GBK with CR LF.
    EXPECT_EQ(logBytes(), rt::toGbk(logLines()[0]) + "\r\n");
    visit("/two", "一个很长很长很长很长很长很长很长的标题啊");
    ASSERT_EQ(logLines().size(), 2);
    EXPECT_EQ(logLines()[1], "002║12-08-2026 09:05:07║一个很长很长很长很长很长很长很长的标题      " + server.urlText("/two"));
    Form3& w = window();
    EXPECT_FALSE(w.visible()) << "loaded for the list, not shown";
    ASSERT_EQ(w.List1.listCount(), 2);
    EXPECT_EQ(w.List1.list(0), logLines()[1]);
    EXPECT_EQ(w.List1.list(1), logLines()[0]);
}

TEST_F(VisitLogTest, AnUntitledPageAndABackgroundCompletion) {
    const QString address = servePage("/plain", "<html><body>没有标题</body></html>");
    const int k = openTab();
    ASSERT_TRUE(load(k, address, "/plain"));
    ASSERT_EQ(logLines().size(), 1);
    EXPECT_TRUE(logLines()[0].contains("║      " + address)) << logLines()[0].toStdString();
    // A page completing in a tab behind: nothing.
    const int other = openTab();
    ASSERT_NE(other, k);
    ASSERT_TRUE(load(other, servePage("/front", titled("前面", "x")), "/front"));
    const int before = logLines().size();
    f1().WebBrowser1(k).Navigate(servePage("/behind", titled("后面", "x")));
    ASSERT_TRUE(waitLoaded(k, "/behind"));
    settle(100);
    EXPECT_EQ(logLines().size(), before);
}

TEST_F(VisitLogTest, NumberingCountsEveryLineUpTo999) {
    struct Case {
        const char* name;
        QByteArray bytes;
        const char* number;  // "" = no record
    };
    auto lines = [](int n) {
        QByteArray b;
        for (int i = 0; i < n; ++i) b += "x\r\n";
        return b;
    };
    const Case cases[] = {
        {"missing", QByteArray(), "001"},
        {"nine", lines(9), "010"},
        {"ninety-nine", lines(99), "100"},
        {"998", lines(998), "999"},
        {"999", lines(999), ""},
        {"lone CR, blank lines, last line without an end", "a\rb\r\n\r\n\nlast", "006"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.bytes.isNull()) QFile::remove(sys::nativePath(Form3::logFile()));
        else writeLog(c.bytes);
        const QByteArray before = logBytes();
        f1().Command12.setTag("");
        f1().Command12.press();
        if (QByteArray(c.number).isEmpty()) {
            EXPECT_EQ(logBytes(), before);
        } else {
            ASSERT_FALSE(logLines().isEmpty());
            EXPECT_TRUE(logLines().last().startsWith(QString::fromUtf8(c.number) + "║12-08-2026 09:05:07║"))
                << logLines().last().toStdString();
        }
    }
}

TEST_F(VisitLogTest, AddressesOfLines) {
    struct Case {
        const char* line;
        const char* address;
    };
    const Case cases[] = {
        {"001║12-08-2026 09:05:07║关于HTTP的一页      http://example.com/a", "http://example.com/a"},
        {"002║12-08-2026 09:05:07║      file:///home/user/page.html", "file:///home/user/page.html"},
        {"003║12-08-2026 09:05:07║恰好十九个字的标题啊恰好十九个字的标题      https://x.org/", "https://x.org/"},
        // A title cut at 19 characters ending in a blank, and one holding six blanks in a row.
        {"004║12-08-2026 09:05:07║一二三四五六七八九十一二三四五六七八       http://x.org/b", "http://x.org/b"},
        {"005║12-08-2026 09:05:07║a      b      http://x.org/c", "http://x.org/c"},
        {"006║12-08-2026 09:05:07║t       ", ""},
        // Characters GBK cannot hold, stored as the engine requests them, read back as visited.
        {"007║12-08-2026 09:05:07║한      http://x/ni%C3%B1o/%ED%95%9C.zip", "http://x/niño/한.zip"},
        {"a line of another shape http://example.com/b", "http://example.com/b"},
        {"no address at all", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(VisitLog::addressOf(QString::fromUtf8(c.line)), QString::fromUtf8(c.address)) << c.line;
}

TEST_F(VisitLogTest, CopyAndOpenTheSelectedLine) {
    visit("/one", "关于HTTP");
    Form3& w = window();
    w.show();
    // Nothing selected: the refusals, nothing else.
    services.setClipboard("之前");
    const QString front = f1().Label9.caption();
    w.Command1(2).press();
    w.Command1(3).press();
    EXPECT_EQ(services.messages(), QStringList({"请点击一条连接，再点复制按钮", "请点击一条连接，再点浏览按钮"}));
    EXPECT_EQ(services.clipboard(), "之前");
    EXPECT_EQ(f1().Label9.caption(), front);
    // A line: its address, whatever the title holds.
    services.clearRecords();
    selectLine(0);
    w.Command1(2).press();
    EXPECT_EQ(services.clipboard(), server.urlText("/one"));
    EXPECT_EQ(services.messages(), QStringList({"OK"}));
    w.Command1(3).press();
    const int k = rt::toInt32(f1().Label9.caption());
    EXPECT_NE(QString::number(k), front);
    EXPECT_TRUE(waitLoaded(k, "/one"));
    // A line without an address is refused too.
    w.List1.addItem("004║12-08-2026 09:05:07║      ", 0);
    selectLine(0);
    services.clearRecords();
    w.Command1(2).press();
    EXPECT_EQ(services.messages(), QStringList({"请点击一条连接，再点复制按钮"}));
}

// Pages whose addresses and titles hold characters of several scripts: the file keeps every character
// of the address, and 复制 and 浏览 give back the address exactly as it was visited.
TEST_F(VisitLogTest, AddressesInEveryScriptReadBackExactly) {
    struct Case {
        const char* name;
        const char* path;   // as requested
        const char* query;  // as typed
        const char* title;
    };
    const Case cases[] = {
        {"Chinese", "/%E4%B8%AD%E6%96%87/%E9%A1%B5.html", "", "中文网页"},
        {"Hangul", "/%ED%95%9C%EA%B5%AD%EC%96%B4.html", "", "한국어 페이지"},
        {"accents", "/ni%C3%B1o/caf%C3%A9.html", "?q=été", "Niño café"},
        {"Arabic", "/%D8%B9%D8%B1%D8%A8%D9%8A.html", "", "صفحة عربية"},
        {"emoji", "/a%F0%9F%98%80b.html", "?e=😀", "😀 emoji"},
    };
    Form3& w = window();
    QString visited;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int before = sys::fileExists(Form3::logFile()) ? logLines().size() : 0;
        const int k = openTab();
        ASSERT_TRUE(load(k, servePage(c.path, titled(c.title, "<p>内容</p>")) + QString::fromUtf8(c.query)));
        ASSERT_TRUE(waitFor([&] { return logLines().size() == before + 1; }));
        visited = f1().WebBrowser1(k).document().url();
        EXPECT_EQ(VisitLog::addressOf(logLines().last()), visited) << logLines().last().toStdString();
        selectLine(0);
        w.Command1(2).press();
        EXPECT_EQ(services.clipboard(), visited);
    }
    // 浏览 opens the last one again, at its own address.
    const int before = logLines().size();
    w.Command1(3).press();
    const int opened = rt::toInt32(f1().Label9.caption());
    EXPECT_TRUE(waitFor([&] {
        const web::Document d = f1().WebBrowser1(opened).document();
        return !f1().WebBrowser1(opened).busy() && !d.isNull() && d.url() == visited;
    })) << f1().WebBrowser1(opened).document().url().toStdString();
    ASSERT_TRUE(waitFor([&] { return logLines().size() == before + 1; }));
    EXPECT_EQ(VisitLog::addressOf(logLines().last()), visited);
}

// A title cut at 19 characters that ends in a blank: 复制 copies the address alone.
TEST_F(VisitLogTest, CopyTakesTheAddressAloneAfterATitleEndingInABlank) {
    visit("/blank", "一二三四五六七八九十一二三四五六七八 尾巴");
    ASSERT_EQ(logLines().size(), 1);
    EXPECT_TRUE(logLines()[0].contains("七八       http")) << logLines()[0].toStdString();
    Form3& w = window();
    selectLine(0);
    w.Command1(2).press();
    EXPECT_EQ(services.clipboard(), server.urlText("/blank"));
}

// A record the file cannot take, and a clear that cannot empty it, are said with the file's name.
TEST_F(VisitLogTest, AFileThatCannotBeWrittenIsSaid) {
    visit("/one", "一");
    QFile file(sys::nativePath(Form3::logFile()));
    ASSERT_TRUE(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    services.clearRecords();
    visit("/two", "二");
    const QString named = sys::nativePath(Form3::logFile());
    EXPECT_EQ(services.messages(), QStringList({"浏览记录失败，文件不能写入：" + named}));
    ASSERT_FALSE(services.boxes().empty());
    EXPECT_EQ(services.boxes().back().style, ui::vbCritical);
    EXPECT_EQ(logLines().size(), 1);
    EXPECT_EQ(window().List1.listCount(), 2) << "the record stays in the list";
    services.clearRecords();
    services.queueMsgBoxAnswer(ui::vbYes);
    window().Command1(1).press();
    file.setPermissions(file.permissions() | QFileDevice::WriteOwner);
    EXPECT_EQ(services.messages(), QStringList({"清空", "清空失败，文件不能写入：" + named}));
    EXPECT_EQ(logLines().size(), 1);
}

TEST_F(VisitLogTest, ClearEmptiesListAndFileAfterYes) {
    visit("/one", "一");
    Form3& w = window();
    services.queueMsgBoxAnswer(ui::vbNo);
    w.Command1(1).press();
    EXPECT_EQ(w.List1.listCount(), 1);
    EXPECT_EQ(logLines().size(), 1);
    services.queueMsgBoxAnswer(ui::vbYes);
    w.Command1(1).press();
    EXPECT_EQ(w.List1.listCount(), 0);
    EXPECT_EQ(logBytes(), QByteArray());
    visit("/two", "二");
    EXPECT_TRUE(logLines().value(0).startsWith("001║"));
}

TEST_F(VisitLogTest, AReloadedWindowShowsTheFileOnce) {
    visit("/one", "一");
    window().unload();
    visit("/two", "二");
    Form3& w = window();
    ASSERT_EQ(w.List1.listCount(), 2);
    EXPECT_TRUE(w.List1.list(0).startsWith("002"));
    EXPECT_TRUE(w.List1.list(1).startsWith("001"));
}

}  // namespace
