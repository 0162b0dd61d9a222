// The job ShortUrlAnswer of the tab menu's page items: the short address of the kept request's reply
// is offered in an input box and copied as edited; an earlier reply, no reply, a reply without a
// short address and no request at all offer nothing.
#include "support/program/jobs_fixture.h"

#include "forms/form14.h"
#include "support/http_server.h"
#include "tabs/tabs.h"

#include <string>

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
