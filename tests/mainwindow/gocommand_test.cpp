// The go command: refusal of short text, archives to the home slot, the favorites record, the
// frame-blocking grace, the choice of browser and the User-Agent header.
#include "support/program/program_fixture.h"
#include "support/waits.h"
#include "forms/frameblockinggrace.h"

#include "forms/settings.h"
#include "forms/windowowner.h"
#include "forms/form1.h"
#include "forms/form4.h"
#include "mainwindow/gocommand.h"
#include "platform/rt/gbk.h"
#include "platform/rt/random.h"
#include "platform/sys/programfolder.h"
#include "platform/sys/textfile.h"
#include "platform/web/document.h"
#include "records/favoriterecord.h"
#include "records/form13.h"
#include "support/http_server.h"

#include <QDir>
#include <QFile>
#include <QUrl>

namespace {

const QString kFrame = QStringLiteral("框架不加载");

class GoCommandTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        setSetting(kFrame, "1");
        setSetting("UA", "0");
        setSetting("标签打开", "0");
        ASSERT_TRUE(start());
    }
    void TearDown() override {
        rt::setRandomSequence({});
        ProgramFixture::TearDown();
    }

    // A page of the loopback server; its address.
    QString page(const QString& name) {
        server.addPage("/go/" + name, "<html><head><title>" + name.toUtf8() + "</title></head><body>x</body></html>");
        return server.urlText("/go/" + name);
    }
    // Types the text into the address box and presses Enter's command.
    void go(const QString& text) {
        f1().Text7.setText(text);
        f1().Command1.press();
    }
    // Opens n tabs the way the go command opens one.
    void openTabs(int n) {
        for (int i = 0; i < n; ++i) f1().Command24.press();
    }
    bool requested(const QString& path) {
        return waitFor([&] { return !server.requestsFor(path).isEmpty(); });
    }
    // For what must not happen: whether a request for `path` leaves within `ms`.
    bool requestedWithin(const QString& path, int ms) {
        return waits::happensWithin([&] { return !server.requestsFor(path).isEmpty(); }, ms);
    }
    bool shownIn(int k, const QString& address) {
        return waitFor([&] {
            try {
                return f1().WebBrowser1(k).locationURL() == address;
            } catch (...) {
                return false;
            }
        });
    }
    QString favoritesPath() const { return sys::appPath() + "\\txt\\网址.html"; }
    QStringList favorites() {
        try {
            return sys::readLines(favoritesPath());
        } catch (...) {
            return {};
        }
    }
    static QString record(const QString& address, const QString& id) {
        return FavoriteRecord::make(QDateTime(QDate(2026, 1, 2), QTime(8, 0, 0)), address, id,
                                    FavoriteRecord::typedText(address))
            .toLine();
    }
    QStringList messages() const { return services.messages(); }

    TestHttpServer server;
};

// --- which browser an address goes to ------------------------------------------------------------

enum class Outcome { Refused, HomeSlot, Slot, NoTabMessage };

struct GoCase {
    const char* name;
    const char* text;  // "%1" stands for a page of the loopback server
    int tabs;          // tabs open before
    int front;         // front slot before (0: the one the last open left)
    const char* tabMode;
    Outcome outcome;
    int slot;
    bool record;       // a favorites record is added
};

class GoTable : public GoCommandTest, public ::testing::WithParamInterface<GoCase> {};

TEST_P(GoTable, OpensWhereTheStateSays) {
    const GoCase& c = GetParam();
    setSetting("标签打开", QString::fromUtf8(c.tabMode));
    openTabs(c.tabs);
    if (c.front == 1) f1().Label9.setCaption("1");
    if (c.front > 1) f1().lv_Click(c.front);
    const QString address = QString::fromUtf8(c.text).arg(page(c.name));
    const QString path = QUrl(address).path();
    const int before = favorites().size();
    services.queueMsgBoxAnswer(ui::vbYes);  // the tab cycling question, when it is asked

    go(address);

    EXPECT_EQ(favorites().size(), before + (c.record ? 1 : 0));
    if (c.record) {
        EXPECT_EQ(FavoriteRecord::addressOf(favorites().value(0)), address);
    }
    switch (c.outcome) {
    case Outcome::Refused:
        EXPECT_EQ(messages(), QStringList{GoCommand::kBadAddress});
        EXPECT_FALSE(requestedWithin(path, 300));
        break;
    case Outcome::HomeSlot:
        EXPECT_TRUE(requested(path));
        EXPECT_TRUE(shownIn(1, address));
        break;
    case Outcome::Slot:
        EXPECT_TRUE(requested(path));
        EXPECT_TRUE(shownIn(c.slot, address));
        EXPECT_TRUE(f1().lv(c.slot).visible());
        EXPECT_FALSE(messages().contains(GoCommand::kNoTabInFront));
        break;
    case Outcome::NoTabMessage:
        EXPECT_TRUE(messages().contains(GoCommand::kNoTabInFront));
        EXPECT_FALSE(requestedWithin(path, 300));
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    GoCommand, GoTable,
    ::testing::Values(
        GoCase{"TwoLetters", "ab", 0, 0, "0", Outcome::Refused, 0, false},
        GoCase{"ThreeLetters", "abc", 2, 3, "0", Outcome::Refused, 0, false},
        GoCase{"ArchiveInCapitals", "%1/file.ZiP", 2, 3, "0", Outcome::HomeSlot, 0, false},
        GoCase{"ProgramInQuery", "%1?get=setup.Exe", 0, 0, "1", Outcome::HomeSlot, 0, false},
        GoCase{"RarAnywhere", "%1/a.rar/b", 1, 0, "1", Outcome::HomeSlot, 0, false},
        GoCase{"NoTabDirectMode", "%1", 0, 0, "0", Outcome::Slot, 2, true},
        GoCase{"NoTabNewTabMode", "%1", 0, 0, "1", Outcome::Slot, 2, true},
        GoCase{"NewTabMode", "%1", 2, 0, "1", Outcome::Slot, 4, true},
        GoCase{"NewTabModeTabInFront", "%1", 3, 2, "1", Outcome::Slot, 5, true},
        GoCase{"UnreadableModeOpensNewTab", "%1", 2, 0, "x", Outcome::Slot, 4, true},
        GoCase{"DirectModeFrontTab", "%1", 2, 3, "0", Outcome::Slot, 3, true},
        GoCase{"DirectModeFrontSlot10", "%1", 9, 10, "0", Outcome::Slot, 10, true},
        GoCase{"DirectModeHomeInFront", "%1", 2, 1, "0", Outcome::NoTabMessage, 0, true},
        GoCase{"AllTabsTakenNewTabMode", "%1", 9, 0, "1", Outcome::Slot, 2, true}),
    [](const ::testing::TestParamInfo<GoCase>& info) { return std::string(info.param.name); });

TEST_F(GoCommandTest, ShortTextWithADotAndFourLettersPass) {
    struct Case {
        const char* text;
        const char* linkText;
    };
    for (const Case& c : {Case{"a.b", "a：b"}, Case{"abcd", "abcd"}, Case{".", "："}}) {
        go(QString::fromUtf8(c.text));
        EXPECT_TRUE(messages().isEmpty()) << c.text;
        EXPECT_TRUE(f1().lv(2).visible()) << c.text;
        EXPECT_EQ(FavoriteRecord::addressOf(favorites().value(0)), QString::fromUtf8(c.text));
        EXPECT_EQ(FavoriteRecord::fromLine(favorites().value(0)).text, QString::fromUtf8(c.linkText));
    }
    EXPECT_EQ(favorites().size(), 3);
}

// --- the User-Agent header -----------------------------------------------------------------------

struct HeaderCase {
    const char* name;
    const char* ua;
    bool sent;
};

class HeaderTable : public GoCommandTest, public ::testing::WithParamInterface<HeaderCase> {};

TEST_P(HeaderTable, HeaderFollowsTheOverride) {
    const HeaderCase& c = GetParam();
    setSetting("UA", QString::fromUtf8(c.ua));
    setSetting("呈现伪造", "ZelvaroTest/1.0 (typed)");
    const QString address = page(c.name);
    go(address);
    ASSERT_TRUE(requested("/go/" + QString::fromUtf8(c.name)));
    const QByteArray agent = server.requestsFor("/go/" + QString::fromUtf8(c.name)).first().header("user-agent");
    if (c.sent)
        EXPECT_EQ(agent, "ZelvaroTest/1.0 (typed)");
    else
        EXPECT_NE(agent, "ZelvaroTest/1.0 (typed)");
}

INSTANTIATE_TEST_SUITE_P(GoCommand, HeaderTable,
                         ::testing::Values(HeaderCase{"On", "1", true}, HeaderCase{"OnOtherNumber", "2", true},
                                           HeaderCase{"Off", "0", false}, HeaderCase{"Empty", "", false},
                                           HeaderCase{"NotANumber", "yes", false}),
                         [](const ::testing::TestParamInfo<HeaderCase>& info) { return std::string(info.param.name); });

TEST_F(GoCommandTest, ArchiveGoesWithoutHeader) {
    setSetting("UA", "1");
    setSetting("呈现伪造", "ZelvaroTest/1.0 (typed)");
    go(page("pack") + "/x.zip");
    ASSERT_TRUE(requested("/go/pack/x.zip"));
    EXPECT_NE(server.requestsFor("/go/pack/x.zip").first().header("user-agent"), "ZelvaroTest/1.0 (typed)");
}

// --- the favorites record ------------------------------------------------------------------------

TEST_F(GoCommandTest, RecordLineOnTopOfTheFileInGbkWithCrLf) {
    const QString older = record(QString::fromUtf8("http://旧.cn/"), "0.1");
    QFile::remove(sys::nativePath(favoritesPath()));
    sys::writeLines(favoritesPath(), {older});
    services.setNow(QDateTime(QDate(2026, 12, 8), QTime(21, 5, 33)));
    rt::setRandomSequence({0.7055475f});

    const QString address = page("rec");
    go(address);

    QString text = address;
    text.replace('.', QString::fromUtf8("："));
    const QString expected = QString::fromUtf8("<label>12-08-2026　晚上21:05:33</label>　<a href=javascript:; title=") +
                             address + " id=0.7055475>" + text + "</a><br><br>";
    QFile file(sys::nativePath(favoritesPath()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), rt::toGbk(expected + "\r\n" + older + "\r\n"));

    Form13& w = forms::window<Form13>();
    EXPECT_EQ(w.List1.list(0), expected);
    EXPECT_EQ(w.List1.list(1), older);
    // The favorites window's browser shows the file with the new record.
    EXPECT_TRUE(waitFor([&] {
        try {
            return w.WebBrowser1.document().getElementsByTagName("a").size() == 2;
        } catch (...) {
            return false;
        }
    }));
}

TEST_F(GoCommandTest, RecordIdIsNeverOneInUse) {
    sys::writeLines(favoritesPath(), {record("http://a.cn/", "0.5"), record("http://b.cn/0.25", "0.75")});
    rt::setRandomSequence({0.5f, 0.25f, 0.75f, 0.125f});
    go(page("ids"));
    EXPECT_EQ(FavoriteRecord::fromLine(favorites().value(0)).id, "0.125");
}

struct CapCase {
    const char* name;
    int records;
    int after;
};

class CapTable : public GoCommandTest, public ::testing::WithParamInterface<CapCase> {};

TEST_P(CapTable, ListStopsAt501AndTheAddressStillOpens) {
    const CapCase& c = GetParam();
    QStringList lines;
    for (int i = 0; i < c.records; ++i) lines << record(QStringLiteral("http://site%1.cn/").arg(i), QStringLiteral("0.%1").arg(i + 1));
    sys::writeLines(favoritesPath(), lines);
    const QString address = page(c.name);
    go(address);
    const QStringList now = favorites();
    EXPECT_EQ(now.size(), c.after);
    EXPECT_EQ(FavoriteRecord::addressOf(now.value(0)), c.after > c.records ? address : FavoriteRecord::addressOf(lines.value(0)));
    EXPECT_TRUE(requested("/go/" + QString::fromUtf8(c.name)));
}

INSTANTIATE_TEST_SUITE_P(GoCommand, CapTable,
                         ::testing::Values(CapCase{"With500", 500, 501}, CapCase{"With501", 501, 501}),
                         [](const ::testing::TestParamInfo<CapCase>& info) { return std::string(info.param.name); });

TEST_F(GoCommandTest, UnwritableFileKeepsTheRecordForTheNextRewrite) {
    // A folder where the file should be: the rewrite fails.
    QFile::remove(sys::nativePath(favoritesPath()));
    ASSERT_TRUE(QDir().mkpath(sys::nativePath(favoritesPath())));
    const QString first = page("unwritable");
    go(first);
    EXPECT_TRUE(requested("/go/unwritable"));
    EXPECT_TRUE(services.messages().isEmpty());
    EXPECT_EQ(FavoriteRecord::addressOf(forms::window<Form13>().List1.list(0)), first);

    ASSERT_TRUE(QDir().rmdir(sys::nativePath(favoritesPath())));
    const QString second = page("writable");
    go(second);
    const QStringList lines = favorites();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(FavoriteRecord::addressOf(lines[0]), second);
    EXPECT_EQ(FavoriteRecord::addressOf(lines[1]), first);
}

TEST_F(GoCommandTest, MarkupTypedIntoTheAddressStaysText) {
    const QString address = page("mark") + QStringLiteral("?q=\"><script>document.title='owned'</script>&b=1 id=2");
    go(address);

    const QString line = favorites().value(0);
    EXPECT_FALSE(line.contains("<script>"));
    EXPECT_FALSE(line.contains("\">"));
    EXPECT_EQ(FavoriteRecord::addressOf(line), address);

    // The favorites window shows one link whose title is the whole address, and runs nothing.
    Form13& w = forms::window<Form13>();
    ASSERT_TRUE(waitFor([&] {
        try {
            return w.WebBrowser1.document().getElementsByTagName("a").size() == 1;
        } catch (...) {
            return false;
        }
    }));
    const web::Document doc = w.WebBrowser1.document();
    EXPECT_EQ(doc.getElementsByTagName("script").size(), 0);
    EXPECT_EQ(doc.getElementsByTagName("a").first().getAttribute("title"), address);
    EXPECT_NE(doc.title(), "owned");

    // The address menu's TOP list offers the whole address.
    services.queuePopupNone();
    f1().Text7.onMouseDown(2, 0, 0, 0);
    EXPECT_EQ(f4().top20(1).tag(), address);
}

// --- the frame-blocking grace --------------------------------------------------------------------

struct GraceCase {
    const char* name;
    const char* before;
    const char* during;  // the value right after the go command
    bool jobStarted;
    const char* after;   // 3000 ms later
};

class GraceTable : public GoCommandTest, public ::testing::WithParamInterface<GraceCase> {};

TEST_P(GraceTable, SuspendsFrameBlockingForThreeSeconds) {
    const GraceCase& c = GetParam();
    setSetting(kFrame, QString::fromUtf8(c.before));
    go(page(c.name));
    EXPECT_EQ(setting(kFrame), QString::fromUtf8(c.during));
    EXPECT_EQ(f1().Timer4(1).enabled(), c.jobStarted);
    clock.advance(2999);
    EXPECT_EQ(setting(kFrame), QString::fromUtf8(c.during));
    clock.advance(1);
    EXPECT_EQ(setting(kFrame), QString::fromUtf8(c.after));
    EXPECT_FALSE(f1().Timer4(1).enabled());
    EXPECT_FALSE(program().find<FrameBlockingGrace>()->pending());
}

INSTANTIATE_TEST_SUITE_P(GoCommand, GraceTable,
                         ::testing::Values(GraceCase{"BlockingOn", "0", "1", true, "0"},
                                           GraceCase{"BlockingOff", "1", "1", false, "1"},
                                           GraceCase{"Empty", "", "1", true, "0"},
                                           GraceCase{"NotANumber", "on", "1", true, "0"}),
                         [](const ::testing::TestParamInfo<GraceCase>& info) { return std::string(info.param.name); });

TEST_F(GoCommandTest, NoTabInFrontComesAfterTheRecordAndTheGrace) {
    setSetting(kFrame, "0");
    openTabs(2);
    f1().Label9.setCaption("1");
    const QString address = page("homefront");
    go(address);
    EXPECT_EQ(messages(), QStringList{GoCommand::kNoTabInFront});
    EXPECT_EQ(FavoriteRecord::addressOf(favorites().value(0)), address);
    EXPECT_EQ(setting(kFrame), "1");
    EXPECT_TRUE(f1().Timer4(1).enabled());
}

TEST_F(GoCommandTest, ArchiveLeavesFrameBlockingAlone) {
    setSetting(kFrame, "0");
    go(page("arch") + "/a.exe");
    EXPECT_EQ(setting(kFrame), "0");
    EXPECT_FALSE(f1().Timer4(1).enabled());
}

TEST_F(GoCommandTest, SecondAddressInsideTheGraceChangesNothing) {
    setSetting(kFrame, "0");
    go(page("first"));
    clock.advance(2000);
    go(page("second"));
    EXPECT_EQ(setting(kFrame), "1");
    clock.advance(1000);
    EXPECT_EQ(setting(kFrame), "0");
}

TEST_F(GoCommandTest, MenuChangeInsideTheGraceIsKept) {
    setSetting(kFrame, "0");
    go(page("menu"));
    clock.advance(1000);
    // The page-loading menu writes "1" to the key (switching script stripping does so).
    forms::write(forms::Txt::App, kFrame, "1");
    clock.advance(2000);
    EXPECT_EQ(setting(kFrame), "1");
    EXPECT_FALSE(f1().Timer4(1).enabled());
}

TEST_F(GoCommandTest, OtherSettingWrittenInsideTheGraceStillEndsIt) {
    setSetting(kFrame, "0");
    go(page("other"));
    clock.advance(1000);
    forms::write(forms::Txt::App, "搜索引擎", "2");
    clock.advance(2000);
    EXPECT_EQ(setting(kFrame), "0");
}

TEST_F(GoCommandTest, ExitInsideTheGracePutsBlockingBack) {
    setSetting(kFrame, "0");
    setSetting("退出确认", "0");
    go(page("exit"));
    clock.advance(1000);
    f1().Command2(19).press();
    ASSERT_FALSE(services.exitCodes().empty());
    EXPECT_EQ(setting(kFrame), "0");
    EXPECT_FALSE(program().find<FrameBlockingGrace>()->pending());
}

TEST_F(GoCommandTest, RestartInsideTheGracePutsBlockingBack) {
    setSetting(kFrame, "0");
    go(page("restart"));
    clock.advance(1000);
    f4().GB(1).click();
    ASSERT_FALSE(services.exitCodes().empty());
    EXPECT_EQ(setting(kFrame), "0");
}

TEST_F(GoCommandTest, ExitWithoutAGraceWritesNothing) {
    setSetting(kFrame, "1");
    setSetting("退出确认", "0");
    f1().Command2(19).press();
    ASSERT_FALSE(services.exitCodes().empty());
    EXPECT_EQ(setting(kFrame), "1");
}

TEST_F(GoCommandTest, ExitAfterAMenuChangeKeepsTheChange) {
    setSetting(kFrame, "0");
    setSetting("退出确认", "0");
    go(page("exit2"));
    forms::write(forms::Txt::App, kFrame, "1");
    f1().Command2(19).press();
    EXPECT_EQ(setting(kFrame), "1");
}

}  // namespace
