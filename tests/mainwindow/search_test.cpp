// Typed search and the search engines: the address built from the engine's template, the new tab it
// opens in, the header, and the engine items of the main menu.
#include "support/program/program_fixture.h"
#include "support/waits.h"
#include "support/stored_settings.h"

#include "forms/settings.h"
#include "forms/form1.h"
#include "forms/form4.h"
#include "mainwindow/search.h"
#include "platform/sys/programfolder.h"
#include "support/http_server.h"

#include <QDir>
#include <QFile>
#include <QUrl>

namespace {

struct AddressCase {
    const char* name;
    const char* pattern;
    const char* words;
    const char* address;
};

class SearchAddress : public ::testing::TestWithParam<AddressCase> {};

TEST_P(SearchAddress, WordsGoInEncoded) {
    const AddressCase& c = GetParam();
    EXPECT_EQ(Search::searchAddress(QString::fromUtf8(c.pattern), QString::fromUtf8(c.words)),
              QString::fromUtf8(c.address));
}

INSTANTIATE_TEST_SUITE_P(
    Search, SearchAddress,
    ::testing::Values(
        AddressCase{"Plain", "http://s.cn/?q=%s%", "zelvaro", "http://s.cn/?q=zelvaro"},
        AddressCase{"Twice", "http://s.cn/%s%?q=%s%&x=1", "ab", "http://s.cn/ab?q=ab&x=1"},
        AddressCase{"NoPlaceholder", "http://s.cn/home", "ab", "http://s.cn/home"},
        AddressCase{"QueryCharacters", "http://s.cn/?q=%s%", "a&b=c#d+e%f", "http://s.cn/?q=a%26b%3Dc%23d%2Be%25f"},
        AddressCase{"Blanks", "http://s.cn/?q=%s%", "two words", "http://s.cn/?q=two%20words"},
        AddressCase{"Chinese", "http://s.cn/?q=%s%", "中文", "http://s.cn/?q=%E4%B8%AD%E6%96%87"},
        AddressCase{"Empty", "http://s.cn/?q=%s%", "", "http://s.cn/?q="},
        AddressCase{"PlaceholderIsCaseSensitive", "http://s.cn/?q=%S%", "ab", "http://s.cn/?q=%S%"},
        AddressCase{"EmptyPattern", "", "ab", ""}),
    [](const ::testing::TestParamInfo<AddressCase>& info) { return std::string(info.param.name); });

class SearchTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        setSetting("UA", "0");
        setSetting("搜索引擎", "2");
        ASSERT_TRUE(start());
        server.addPage("/find", "<html><head><title>found</title></head><body>found</body></html>");
        storeText(forms::Txt::Sousuo, "搜索连接2", server.urlText("/find") + "?q=%s%&again=%s%");
    }
    QList<TestHttpServer::Request> searches() { return server.requestsFor("/find"); }
    bool searched() {
        return waitFor([&] { return !searches().isEmpty(); });
    }
    TestHttpServer server;
};

TEST_F(SearchTest, WordsOpenInANewTab) {
    f1().Label13.setTag("a&b 中文");
    f1().Label13_Click();
    ASSERT_TRUE(searched());
    EXPECT_EQ(searches().first().path, "/find?q=a%26b%20%E4%B8%AD%E6%96%87&again=a%26b%20%E4%B8%AD%E6%96%87");
    EXPECT_TRUE(f1().lv(2).visible());
    EXPECT_EQ(f1().Label9.caption(), "2");
    // The words stay for the next search.
    EXPECT_EQ(f1().Label13.tag(), "a&b 中文");
}

TEST_F(SearchTest, NextFreeSlotWhileTabsAreOpen) {
    f1().Command24.press();
    f1().Command24.press();
    f1().Label13.setTag("x");
    f1().Label13_Click();
    ASSERT_TRUE(searched());
    EXPECT_TRUE(waitFor([&] {
        try {
            return f1().WebBrowser1(4).locationURL().contains("/find?q=x");
        } catch (...) {
            return false;
        }
    }));
}

TEST_F(SearchTest, HeaderFollowsTheOverride) {
    setSetting("UA", "1");
    setSetting("呈现伪造", "ZelvaroSearch/2.0");
    f1().Label13.setTag("ua");
    f1().Label13_Click();
    ASSERT_TRUE(searched());
    EXPECT_EQ(searches().first().header("user-agent"), "ZelvaroSearch/2.0");
}

TEST_F(SearchTest, NoHeaderWhenTheOverrideIsUnreadable) {
    setSetting("UA", "");
    setSetting("呈现伪造", "ZelvaroSearch/2.0");
    f1().Label13.setTag("ua");
    f1().Label13_Click();
    ASSERT_TRUE(searched());
    EXPECT_NE(searches().first().header("user-agent"), "ZelvaroSearch/2.0");
}

TEST_F(SearchTest, EngineWithoutTemplateOpensAnEmptyTab) {
    // A hand-edited number: the key "搜索连接03" does not exist.
    setSetting("搜索引擎", "03");
    f1().Label13.setTag("x");
    f1().Label13_Click();
    EXPECT_TRUE(f1().lv(2).visible());
    EXPECT_FALSE(waits::happensWithin([&] { return !searches().isEmpty(); }, 300));
    EXPECT_TRUE(services.messages().isEmpty());
}

TEST_F(SearchTest, TypedSearchCommandSearches) {
    services.queueInput("typed words");
    f1().Command2(12).press();
    ASSERT_TRUE(searched());
    EXPECT_EQ(searches().first().path, "/find?q=typed%20words&again=typed%20words");
}

TEST_F(SearchTest, ChoosingAnEngine) {
    f4().SSYQ100(5).setCaption("第五个");
    f4().SSYQ100(5).click();
    EXPECT_EQ(setting("搜索引擎"), "5");
    EXPECT_EQ(f4().GIS100(3).caption(), "第五个");
    EXPECT_TRUE(launcher.starts.isEmpty());
}

TEST_F(SearchTest, EditingTheEngineFile) {
    // The desktop's text editor: an entry of the user's that handles plain text.
    QDir().mkpath(home.path() + "/.local/share/applications");
    QFile entry(home.path() + "/.local/share/applications/zvtest-editor.desktop");
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
    entry.write("[Desktop Entry]\nType=Application\nName=Editor\nExec=/bin/true %f\nMimeType=text/plain;\n");
    entry.close();
    QFile list(home.path() + "/.config/mimeapps.list");
    QDir().mkpath(home.path() + "/.config");
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("[Default Applications]\ntext/plain=zvtest-editor.desktop\n");
    list.close();

    f4().SSYQ100(10).click();
    ASSERT_EQ(launcher.starts.size(), 1);
    EXPECT_TRUE(launcher.starts.first().arguments.contains(path("\\txt\\sousuo.txt")));
    EXPECT_EQ(setting("搜索引擎"), "2");
}

}  // namespace
