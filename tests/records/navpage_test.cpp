// The navigation page: the default page on disk byte for byte, the default line of each built-in tile,
// `Command3` over an edited page, the page rewrite (and a rewrite that cannot write), and the page
// shown in the home slot with its twelve tiles.
#include "navpage_fixture.h"
#include "support/waits.h"

#include "forms/parts.h"
#include "platform/rt/gbk.h"

#include <QUrl>

#include <vector>

namespace {

struct DefaultTile {
    const char* link;
    const char* title;
    const char* picture;
    const char* tail;
};
const std::vector<DefaultTile> kTiles = {
    {"http://www.baidu.com/", "百度", "baidu.png", ""},         {"http://www.youku.com/", "优酷", "youku.png", ""},
    {"http://www.bilibili.com/", "哔哩", "bilibili.png", ""},   {"http://www.douyu.com/", "斗鱼", "douyu.png", "<br><br>"},
    {"http://www.so.com/", "好搜", "so.png", ""},               {"http://www.xunlei.com/", "迅雷", "xunlei.png", ""},
    {"http://www.kugou.com/", "酷狗", "kugou.png", ""},         {"http://tieba.baidu.com/", "贴吧", "tieba.png", "<br><br>"},
    {"http://www.qq.com/", "腾讯", "qq.png", ""},               {"http://www.ifeng.com/", "凤凰", "ifeng.png", ""},
    {"http://www.17173.com/", "1717", "17173.png", ""},         {"http://www.duowan.com/", "多玩", "duowan.png", "<br><br>"},
};

// The default page as it must stand on disk.
QByteArray expectedDefaultPage() {
    QString text = QStringLiteral(
        "<!-- 代码不要手动修改，以免出错 -->\r\n"
        "<meta http-equiv=X-UA-Compatible content=IE=Edge>\r\n"
        "<title>自定义导航</title>\r\n"
        "<style type=text/css>img{border:2px solid #000000}</style><style type=text/css>img:hover{border:2px solid "
        "#FF00FF}</style>\r\n"
        "<br><br><br><br><br><br><br><center>\r\n");
    int k = 0;
    for (const DefaultTile& t : kTiles) {
        ++k;
        const QString link = QStringLiteral("<a href=") + QString::fromUtf8(t.link) + QStringLiteral(">");
        text += link + QString(53 - link.size(), QLatin1Char(' ')) +
                QStringLiteral("<img id=TavrolinOK%1 title=%2 width=200 height=90 src=pifu\\%3></a>%4\r\n")
                    .arg(k, 2, 10, QLatin1Char('0'))
                    .arg(QString::fromUtf8(t.title), QString::fromUtf8(t.picture), QString::fromUtf8(t.tail));
    }
    text += QStringLiteral("</center>\r\n");
    return rt::toGbk(text);
}

class NavPageTest : public NavPageFixture {};

TEST_F(NavPageTest, DefaultPageOnDisk) {
    startOn();
    EXPECT_EQ(fileBytes(), expectedDefaultPage());
    const QStringList lines = fileLines();
    ASSERT_EQ(lines.size(), 18);
    EXPECT_EQ(list(), lines);
    for (int i = 5; i <= 16; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(lines[i].indexOf("<img"), 53);
        EXPECT_GE(lines[i].left(53).count(' '), 3);
    }
    EXPECT_EQ(records::defaultNavPageLines(), lines);
}

TEST(NavPageLines, DefaultLineOfATile) {
    const QStringList page = records::defaultNavPageLines();
    for (int k = 1; k <= 12; ++k) {
        const QString id = QStringLiteral("TavrolinOK%1").arg(k, 2, 10, QLatin1Char('0'));
        EXPECT_EQ(records::defaultTileLine(id), page[k + 4]) << id.toStdString();
    }
    for (const char* id : {"TavrolinOK1", "TavrolinOK00", "TavrolinOK13", "TavrolinOK010", "tavrolinOK01",
                           "xTavrolinOK01", "TavrolinOK0１", "Tavrolin0.5", ""}) {
        EXPECT_EQ(records::defaultTileLine(QString::fromUtf8(id)), QString()) << id;
    }
}

TEST_F(NavPageTest, Command3WritesTheDefaultPageOverAnEditedOne) {
    startOn({"<center>", "<a href=http://a.com/><img id=TavrolinOK1 src=x></a>", "</center>"});
    EXPECT_EQ(list().size(), 3);
    f1().Command3.press();
    EXPECT_EQ(fileBytes(), expectedDefaultPage());
    EXPECT_EQ(list(), records::defaultNavPageLines());
}

TEST_F(NavPageTest, RewriteWritesTheListAndReloadsTheHomeSlot) {
    startOn();
    f1().List1.setList(5, QStringLiteral("<a href=http://a.com/><img id=TavrolinOK01 title=甲 width=200 height=90 "
                                         "src=pifu\\baidu.png></a>"));
    markHome();
    EXPECT_TRUE(forms::part<NavPage>().rewrite());
    ASSERT_TRUE(waitForHome());
    EXPECT_EQ(fileLines(), list());
    EXPECT_EQ(element("TavrolinOK01").getAttribute("title"), "甲");
}

TEST_F(NavPageTest, RewriteThatCannotWriteKeepsTheOldFile) {
    startOn();
    const QByteArray before = fileBytes();
    ASSERT_TRUE(QFile::setPermissions(navFile(), QFileDevice::ReadOwner | QFileDevice::ReadUser));
    f1().List1.removeItem(5);
    EXPECT_FALSE(forms::part<NavPage>().rewrite());
    EXPECT_EQ(fileBytes(), before);
    ASSERT_TRUE(waitForHome());
    EXPECT_FALSE(element("TavrolinOK01").isNull());
}

TEST_F(NavPageTest, HomeSlotShowsTheTwelveTilesWithTheirPictures) {
    startOn();
    const web::Document doc = home();
    EXPECT_EQ(doc.title(), "自定义导航");
    EXPECT_EQ(doc.querySelectorAll("a[href]").size(), 12);
    for (int k = 1; k <= 12; ++k) {
        const QString id = QStringLiteral("TavrolinOK%1").arg(k, 2, 10, QLatin1Char('0'));
        SCOPED_TRACE(id.toStdString());
        const web::Element img = element(id);
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(img.parentElement().tagName(), "A");
        EXPECT_EQ(img.parentElement().href(), QString::fromUtf8(kTiles[k - 1].link));
        EXPECT_EQ(img.getAttribute("title"), QString::fromUtf8(kTiles[k - 1].title));
        EXPECT_EQ(img.srcResolved(), QUrl::fromLocalFile(sys::nativePath(sys::appPath() + "\\pifu\\") +
                                                         QString::fromUtf8(kTiles[k - 1].picture))
                                         .toString());
        const QString script = QStringLiteral("document.getElementById('%1').naturalWidth").arg(id);
        EXPECT_TRUE(waitFor([&] { return doc.evaluate(script).toInt() > 0; })) << "picture not loaded";
    }
    // Three rows of four in a wide enough window: the tiles 1, 5 and 9 begin the rows.
    f1().move(0, 0, 1200 * 15, 800 * 15);
    ASSERT_GE(f1().WebBrowser1(1).width(), 4 * 204 * 15);
    waits::settle(100);
    const int top1 = element("TavrolinOK01").boundingClientRect().top();
    EXPECT_EQ(element("TavrolinOK04").boundingClientRect().top(), top1);
    EXPECT_GT(element("TavrolinOK05").boundingClientRect().top(), top1);
    EXPECT_EQ(element("TavrolinOK08").boundingClientRect().top(), element("TavrolinOK05").boundingClientRect().top());
    EXPECT_GT(element("TavrolinOK09").boundingClientRect().top(), element("TavrolinOK05").boundingClientRect().top());
}

}  // namespace
