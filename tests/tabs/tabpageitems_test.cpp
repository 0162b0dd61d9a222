// The tab menu's items on a tab's page, chosen from the menu of a right-pressed tab label: 刷新
// (reload, and the hint job), 短网址 (the short address from the URL-shortening service, against a
// loopback stub), ie打开 (another browser); and the labels' mouse move.
#include "tabs_fixture.h"

#include "support/waits.h"
#include "forms/form14.h"
#include "platform/web/webbrowser.h"
#include "support/program/jobs_fixture.h"
#include "support/http_server.h"
#include "tabs/tabs.h"

#include <QFile>
#include <QUrlQuery>
#include <QtTest/QTest>
#include <string>

class TabMenu : public TabsTest {
protected:
    void SetUp() override {
        TabsTest::SetUp();
        setAppSetting("UA", "1");
        setAppSetting("呈现伪造", "ZvTabMenu/1.0");
        services.setClipboard("before");
    }
    // Opens /pages/target.html + `query` of the loopback server in a new tab; waits for its page.
    int openTarget(const QString& query) {
        const QString url = server.urlText(QStringLiteral("/pages/target.html")) + query;
        const int k = forms::openInNewTab(f(), url);
        EXPECT_TRUE(waits::until(
            [&] { return f().WebBrowser1(k).locationURL() == url && !f().WebBrowser1(k).busy(); }));
        EXPECT_TRUE(waitCaption(k, QStringLiteral("     目标页")));
        return k;
    }
    int targetRequests() const { return server.requestsFor(QStringLiteral("/pages/target.html")).size(); }
};

// --- 刷新 ----------------------------------------------------------------------------------------

TEST_F(TabMenu, RefreshReloadsTheTabAndStartsTheHintJobAsTheSettingSays) {
    struct Case {
        const char* hint;  // 连接提示
        bool job;
    };
    const Case cases[] = {{"1", true}, {"0", false}, {"", true}, {"开", true}, {"2", false}};
    const int k = openTarget("?r");
    openTarget("?other");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hint);
        setAppSetting("连接提示", QString::fromUtf8(c.hint));
        f().Timer4(0).setEnabled(false);
        const int before = targetRequests();
        menuOnTab(k, 2);
        EXPECT_EQ(f().Timer4(0).enabled(), c.job);
        ASSERT_TRUE(waits::until([&] { return targetRequests() == before + 1 && !f().WebBrowser1(k).busy(); }));
        EXPECT_EQ(server.requests().last().path, QStringLiteral("/pages/target.html?r"));
        EXPECT_TRUE(services.messages().isEmpty());
    }
}

TEST_F(TabMenu, RefreshStartsTheHintJobWithoutRestartingIt) {
    setAppSetting("连接提示", "1");
    const int k = openTarget("?r");
    f().Timer4(0).setEnabled(true);
    clock.advance(2000);
    const int before = targetRequests();
    menuOnTab(k, 2);
    clock.advance(1000);
    EXPECT_FALSE(f().Timer4(0).enabled()) << "job 0 ran on its first countdown";
    ASSERT_TRUE(waits::until([&] { return targetRequests() == before + 1 && !f().WebBrowser1(k).busy(); }));
}

TEST_F(TabMenu, RefreshOfThePoppedOutTabIsRefused) {
    setAppSetting("连接提示", "1");
    const int k = openTarget("?r");
    f().Command7.setTag(QString::number(k));
    f().Timer4(0).setEnabled(false);  // the tab's own navigation armed the hint job
    const int before = targetRequests();
    menuOnTab(k, 2);
    ASSERT_EQ(services.boxes().size(), 1u);
    EXPECT_EQ(services.boxes()[0].prompt, "窗口独立运行中，点击被中断");
    EXPECT_EQ(services.boxes()[0].title, "Flash播放器");
    EXPECT_FALSE(f().Timer4(0).enabled());
    waits::settle(300);
    EXPECT_EQ(targetRequests(), before);
}

// --- 短网址 --------------------------------------------------------------------------------------

class ShortUrlItem : public TabMenu {
protected:
    void SetUp() override {
        TabMenu::SetUp();
        shortener.addPage(QStringLiteral("/short_url/shorten.xml"),
                          "<html><body><urls><url><url_short>http://s.test/Abc12</url_short></url></urls></body></html>");
        tabs->pageItems.shortUrlService = {QStringLiteral("127.0.0.1:%1").arg(shortener.port()),
                                           QStringLiteral("http://S.TEST/")};
    }
    web::WebBrowser& fetch() { return forms::form14().WebBrowser1; }
    QList<TestHttpServer::Request> asked() const { return shortener.requestsFor(QStringLiteral("/short_url/shorten.xml")); }
    // The address the request asked to shorten.
    static QString longAddressOf(const TestHttpServer::Request& r) {
        return QUrlQuery(QUrl(r.path).query(QUrl::FullyEncoded)).queryItemValue(QStringLiteral("url_long"), QUrl::FullyDecoded);
    }
    // Waits until the fetch browser holds the reply to the request for `address`.
    bool replied(const QString& address) {
        return waits::until(
            [&] {
                if (fetch().busy() || asked().isEmpty() || longAddressOf(asked().last()) != address) return false;
                try {
                    return fetch().document().body().innerText().contains(QStringLiteral("s.test"));
                } catch (...) {
                    return false;
                }
            });
    }

    TestHttpServer shortener;
};

struct ShortCase {
    const char* name;
    const char* typed;
    const char* clipboard;
};

void PrintTo(const ShortCase& c, std::ostream* os) { *os << c.name; }

class ShortUrlAnswers : public ShortUrlItem, public ::testing::WithParamInterface<ShortCase> {};

TEST_P(ShortUrlAnswers, TheTabsWholeAddressIsAskedAndTheAnswerCopied) {
    const ShortCase& c = GetParam();
    const int k = openTarget("?a=1&b=2#top");
    const QString address = f().WebBrowser1(k).document().url();
    ASSERT_TRUE(address.endsWith(QStringLiteral("?a=1&b=2#top"))) << address.toStdString();

    services.queueInput(QString::fromUtf8(c.typed));
    menuOnTab(k, 4);
    EXPECT_TRUE(f().Timer4(4).enabled());
    ASSERT_TRUE(replied(address));
    ASSERT_EQ(asked().size(), 1);
    const TestHttpServer::Request request = asked()[0];
    EXPECT_TRUE(request.path.startsWith(QStringLiteral("/short_url/shorten.xml?source=6204817735&url_long=http%3A%2F%2F")))
        << request.path.toStdString();
    EXPECT_EQ(longAddressOf(request), address);
    EXPECT_NE(request.header("user-agent"), "ZvTabMenu/1.0") << "the fetch goes without the override";
    EXPECT_TRUE(services.boxes().empty());

    clock.advance(1000);
    const auto inputs = services.boxes(ShownBox::Input);
    ASSERT_EQ(inputs.size(), 1u);
    EXPECT_EQ(inputs[0].prompt, address);
    EXPECT_EQ(inputs[0].title, "短网址");
    EXPECT_EQ(inputs[0].defaultText, "http://s.test/Abc12");
    EXPECT_EQ(services.clipboard(), QString::fromUtf8(c.clipboard));
    EXPECT_FALSE(f().Timer4(4).enabled());
}

INSTANTIATE_TEST_SUITE_P(Tabs, ShortUrlAnswers,
                         ::testing::Values(ShortCase{"Accepted", "http://s.test/Abc12", "http://s.test/Abc12"},
                                           ShortCase{"Edited", "http://s.test/mine", "http://s.test/mine"},
                                           ShortCase{"Cancelled", "", "before"}),
                         [](const ::testing::TestParamInfo<ShortCase>& info) { return std::string(info.param.name); });

TEST_F(ShortUrlItem, SecondRequestBeforeTheReplyIsTheOneAnswered) {
    const int first = openTarget("?first");
    const int second = openTarget("?second");
    const QString secondAddress = f().WebBrowser1(second).document().url();
    services.queueInput(QStringLiteral("http://s.test/Abc12"));
    menuOnTab(first, 4);
    clock.advance(500);
    menuOnTab(second, 4);
    ASSERT_TRUE(replied(secondAddress));
    clock.advance(500);
    const auto inputs = services.boxes(ShownBox::Input);
    ASSERT_EQ(inputs.size(), 1u);
    EXPECT_EQ(inputs[0].prompt, secondAddress);
    clock.advance(2000);
    EXPECT_EQ(services.boxes().size(), 1u) << "one answer for the two requests";
    EXPECT_FALSE(f().Timer4(4).enabled());
}

TEST_F(ShortUrlItem, TabWithoutAPageSendsNothing) {
    f().Command24.press();
    const int k = f().Label9.caption().toInt();
    ASSERT_EQ(k, 2);
    menuOnTab(k, 4);
    EXPECT_TRUE(f().Timer4(4).enabled());
    clock.advance(1000);
    waits::settle(100);
    EXPECT_TRUE(asked().isEmpty());
    EXPECT_TRUE(services.boxes().empty());
    EXPECT_EQ(services.clipboard(), "before");
    EXPECT_FALSE(f().Timer4(4).enabled());
}

TEST_F(ShortUrlItem, FetchBrowserStaysSilent) {
    EXPECT_TRUE(fetch().silent()) << "silent from the window's load";
    fetch().setSilent(false);
    const int k = openTarget("?s");
    menuOnTab(k, 4);
    ASSERT_TRUE(replied(f().WebBrowser1(k).document().url()));
    ASSERT_TRUE(waits::until([&] { return fetch().silent(); })) << "silent again after its document";
    EXPECT_FALSE(forms::form14().visible());
}

TEST_F(ProgramFixture, FetchBrowserIsSilentAlsoWhenItsWindowWasMadeBeforeTheProgramStarted) {
    make();
    Form14& early = forms::form14();
    EXPECT_FALSE(early.WebBrowser1.silent());
    ASSERT_TRUE(program().start(false));
    EXPECT_EQ(&forms::form14(), &early);
    EXPECT_TRUE(early.WebBrowser1.silent());
}

// --- ie打开 --------------------------------------------------------------------------------------

TEST_F(TabMenu, OpenElsewhereGivesTheTabsAddressToTheOtherBrowser) {
    QDir().mkpath(home.path() + "/.local/share/applications");
    QFile entry(home.path() + "/.local/share/applications/otherweb.desktop");
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
    entry.write("[Desktop Entry]\nType=Application\nName=Other\nExec=otherweb %u\n");
    entry.close();
    QDir().mkpath(home.path() + "/.config");
    QFile list(home.path() + "/.config/mimeapps.list");
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("[Default Applications]\nx-scheme-handler/http=otherweb.desktop\n");
    list.close();

    const int k = openTarget("?x=1&y=a b");
    openTarget("?front");
    menuOnTab(k, 5);
    ASSERT_EQ(launcher.starts.size(), 1);
    EXPECT_EQ(launcher.starts[0].program, "otherweb");
    EXPECT_EQ(launcher.starts[0].arguments, QStringList{f().WebBrowser1(k).document().url()});
    EXPECT_TRUE(services.boxes().empty());
}

TEST_F(TabMenu, OpenElsewhereSaysSoWhenNothingStarts) {
    launcher.refuseStarts = true;
    const int k = openTarget("?x");
    menuOnTab(k, 5);
    EXPECT_TRUE(launcher.starts.isEmpty());
    ASSERT_EQ(services.boxes().size(), 1u);
    EXPECT_FALSE(services.boxes()[0].prompt.isEmpty());
    EXPECT_EQ(services.boxes()[0].style, ui::vbOKOnly + ui::vbExclamation);
}

// --- the labels' mouse move ----------------------------------------------------------------------

TEST_F(TabMenu, MovingOntoATabLabelGivesTheDefaultPointer) {
    const int k = openTarget("?m");
    f().setMousePointer(7);  // a resize pointer from the window's edge
    QMouseEvent move(QEvent::MouseMove, centre(f().lv(k)), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f().lv(k).widget(), &move);
    EXPECT_EQ(f().mousePointer(), 0);
}

// The job ShortUrlAnswer of the tab menu's page items: the short address of the kept request's reply
// is offered in an input box and copied as edited; an earlier reply, no reply, a reply without a
// short address and no request at all offer nothing.
namespace {

using forms::Job;

class ShortUrl : public JobsFixture {
protected:
    void SetUp() override {
        JobsFixture::SetUp();
        items = &program().find<Tabs>()->pageItems;
        server.addPage("/short_url/shorten.xml",
                       "<html><body><urls><url><url_short>http://t.cn/RzAbc12</url_short></url></urls></body></html>");
        server.addPage("/error/shorten.xml", "<html><body><error>invalid source</error></body></html>");
        services.setClipboard("before");
    }
    QString requestFor(const QString& address, const QString& path = "/short_url/shorten.xml") {
        return server.urlText(path) + "?source=6204817735&url_long=" + address;
    }
    // The never-shown short-URL fetch browser.
    web::WebBrowser& fetch() { return forms::form14().WebBrowser1; }
    void fetchNow(const QString& request) {
        fetch().Navigate(request);
        ASSERT_TRUE(waitFor([&] {
            try {
                return !fetch().busy() && fetch().document().url().contains("url_long");
            } catch (...) {
                return false;
            }
        }));
    }
    void answer(const QString& request, const QString& address) {
        items->setShortUrlRequest({3, address, request, "http://T.CN/"});
        forms::start(f1(), Job::ShortUrlAnswer);
        clock.advance(1000);
    }
    TabPageItems* items = nullptr;
    TestHttpServer server;
};

struct AnswerCase {
    const char* name;
    const char* typed;
    const char* clipboard;
};

class ShortUrlAnswer : public ShortUrl, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(ShortUrlAnswer, OffersTheShortAddressOfThisRequest) {
    const AnswerCase& c = GetParam();
    const QString request = requestFor("http://tab.example/a?b=1");
    fetchNow(request);
    services.queueInput(QString::fromUtf8(c.typed));
    answer(request, "http://tab.example/a?b=1");

    const auto inputs = services.boxes(ShownBox::Input);
    ASSERT_EQ(inputs.size(), 1u);
    EXPECT_EQ(inputs[0].prompt, "http://tab.example/a?b=1");
    EXPECT_EQ(inputs[0].title, "短网址");
    EXPECT_EQ(inputs[0].defaultText, "http://t.cn/RzAbc12");
    EXPECT_DOUBLE_EQ(inputs[0].x, 1920 * 15 / 2.6);
    EXPECT_DOUBLE_EQ(inputs[0].y, 1080 * 15 / 2.0);
    EXPECT_EQ(services.clipboard(), QString::fromUtf8(c.clipboard));
    EXPECT_FALSE(timer(Job::ShortUrlAnswer).enabled());
}

INSTANTIATE_TEST_SUITE_P(TabPageItems, ShortUrlAnswer,
                         ::testing::Values(AnswerCase{"Accepted", "http://t.cn/RzAbc12", "http://t.cn/RzAbc12"},
                                           AnswerCase{"Edited", "http://t.cn/mine", "http://t.cn/mine"},
                                           AnswerCase{"Cancelled", "", "before"}),
                         [](const ::testing::TestParamInfo<AnswerCase>& info) { return std::string(info.param.name); });

TEST_F(ShortUrl, EarlierReplyIsNotOffered) {
    fetchNow(requestFor("http://old.example/"));
    // The new request has not been answered yet: the fetch browser still holds the old reply.
    answer(requestFor("http://new.example/"), "http://new.example/");
    EXPECT_TRUE(services.boxes(ShownBox::Input).empty());
    EXPECT_EQ(services.messages(), QStringList{TabPageItems::kShortUrlNoReply});
    EXPECT_EQ(services.clipboard(), "before");
    EXPECT_FALSE(timer(Job::ShortUrlAnswer).enabled());
}

TEST_F(ShortUrl, NoReplyAtAll) {
    answer(requestFor("http://new.example/"), "http://new.example/");
    EXPECT_TRUE(services.boxes(ShownBox::Input).empty());
    EXPECT_EQ(services.messages(), QStringList{TabPageItems::kShortUrlNoReply});
}

TEST_F(ShortUrl, ReplyWithoutAShortAddressShowsNothing) {
    const QString request = requestFor("http://tab.example/", "/error/shorten.xml");
    fetchNow(request);
    answer(request, "http://tab.example/");
    EXPECT_TRUE(services.boxes().empty());
    EXPECT_EQ(services.clipboard(), "before");
    EXPECT_FALSE(timer(Job::ShortUrlAnswer).enabled());
}

TEST_F(ShortUrl, NothingAskedNothingShown) {
    forms::start(f1(), Job::ShortUrlAnswer);
    clock.advance(1000);
    EXPECT_TRUE(services.boxes().empty());
    EXPECT_FALSE(timer(Job::ShortUrlAnswer).enabled());
}

}  // namespace
