// Lines of the navigation page read and edited as markup: a tile found by its whole id, its fields
// read and written inside their own values, written values escaped so they stay one attribute, and
// the break tail after "</a>".
#include "records/navpage.h"
#include "records/tileline.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const QString kTile10 = QStringLiteral(
    "<a href=http://www.ifeng.com/>                                <img id=TavrolinOK10 title=凤凰 width=200 "
    "height=90 src=pifu\\ifeng.png></a>");
const QString kAdded1 = QStringLiteral(
    "<a href=http://www.xinjian.invalid/><img id=TavrolinOK1 title=新建连接 width=200 height=90 "
    "src=pifu\\新建连接.png></a>");
// A tile whose web picture's address starts with the tile's link.
const QString kWebTile = QStringLiteral(
    "<a href=http://127.0.0.1:9/><img id=Tavrolin0.5 title=网图 width=120 height=60 "
    "src=http://127.0.0.1:9/pic/a.jpg></a><br>");

TEST(TileLine, FindsTheLineOfTheWholeId) {
    const QStringList lines = {QStringLiteral("<br><center>"), kTile10, kAdded1, kWebTile,
                               QStringLiteral("<a href=http://x.com/><img id=Tavrolin0.55 src=a></a>")};
    struct Case {
        const char* id;
        int line;
    };
    const std::vector<Case> cases = {
        {"TavrolinOK10", 1}, {"TavrolinOK1", 2},  {"Tavrolin0.5", 3}, {"Tavrolin0.55", 4},
        {"TavrolinOK", -1},  {"tavrolinok10", -1}, {"Tavrolin0", -1},  {"", -1},
        {"凤凰", -1},  // text that is no id
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(TileLine::find(lines, QString::fromUtf8(c.id)), c.line);
    }
}

TEST(TileLine, IdsInQuotesAndOtherTagsCount) {
    EXPECT_TRUE(TileLine::holdsId("<a href=x><img title='a b' id=\"T1\" src=y></a>", "T1"));
    EXPECT_TRUE(TileLine::holdsId("<A HREF=x><IMG ID=T1></A>", "T1"));
    EXPECT_FALSE(TileLine::holdsId("<!-- <img id=T1> --><p>T1</p>", "T1"));
    EXPECT_FALSE(TileLine::holdsId("<img title=id=T1>", "T1"));
    EXPECT_FALSE(TileLine::holdsId("<img data-id=T1>", "T1"));
}

TEST(TileLine, ReadsFields) {
    struct Case {
        QString line;
        const char* id;
        const char* field;
        bool found;
        const char* value;
    };
    const std::vector<Case> cases = {
        {kTile10, "TavrolinOK10", "href", true, "http://www.ifeng.com/"},
        {kTile10, "TavrolinOK10", "title", true, "凤凰"},
        {kTile10, "TavrolinOK10", "width", true, "200"},
        {kTile10, "TavrolinOK10", "height", true, "90"},
        {kTile10, "TavrolinOK10", "src", true, "pifu\\ifeng.png"},
        {kTile10, "TavrolinOK1", "title", false, ""},
        {kWebTile, "Tavrolin0.5", "src", true, "http://127.0.0.1:9/pic/a.jpg"},
        {"<a href=x><img id=T src=a></a>", "T", "width", false, ""},
        {"<img id=T src=a>", "T", "href", false, ""},
        {"<a href=\"x y\" id=T>t</a>", "T", "href", true, "x y"},
        {"<a href=x><img id=T title=a&#32;b&gt;c&amp;d></a>", "T", "title", true, "a b>c&d"},
        {"<a href=x><img id=T title=&#128512;&#x4E00;&zz;></a>", "T", "title", true, "\xF0\x9F\x98\x80\xE4\xB8\x80&zz;"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.toStdString() + " " + c.field);
        QString value;
        EXPECT_EQ(TileLine::field(c.line, QString::fromUtf8(c.id), QString::fromUtf8(c.field), &value), c.found);
        EXPECT_EQ(value, QString::fromUtf8(c.value));
    }
}

TEST(TileLine, WritesOnlyInsideTheField) {
    struct Case {
        const char* name;
        QString line;
        const char* id;
        const char* field;
        const char* value;
        QString expected;
    };
    const std::vector<Case> cases = {
        {"link of a tile whose picture starts with it", kWebTile, "Tavrolin0.5", "href", "http://127.0.0.1:8/",
         QStringLiteral("<a href=http://127.0.0.1:8/><img id=Tavrolin0.5 title=网图 width=120 height=60 "
                        "src=http://127.0.0.1:9/pic/a.jpg></a><br>")},
        {"width beside a height of the same number",
         "<a href=x><img id=T width=90 height=90 src=pifu\\90.png></a>", "T", "width", "120",
         "<a href=x><img id=T width=120 height=90 src=pifu\\90.png></a>"},
        {"title with a blank, quotes and markup", kTile10, "TavrolinOK10", "title", "a b>c\"d'<e&",
         QString(kTile10).replace(QStringLiteral("title=凤凰"),
                                  QStringLiteral("title=a&#32;b&gt;c&quot;d&#39;&lt;e&amp;"))},
        {"a character GBK cannot hold", kTile10, "TavrolinOK10", "title", "\xF0\x9F\x98\x80",
         QString(kTile10).replace(QStringLiteral("title=凤凰"), QStringLiteral("title=&#128512;"))},
        {"quoted value", "<a href=x><img id=T title=\"a b\" src=y></a>", "T", "title", "c d",
         "<a href=x><img id=T title=\"c&#32;d\" src=y></a>"},
        {"attribute without a value", "<a href=x><img id=T title src=y></a>", "T", "title", "t",
         "<a href=x><img id=T title=t src=y></a>"},
        {"empty value stays apart from the next attribute", "<a href=x><img id=T title=t src=y></a>", "T",
         "title", "", "<a href=x><img id=T title=\"\" src=y></a>"},
        {"missing field", "<a href=x><img id=T src=y></a>", "T", "width", "5", "<a href=x><img id=T src=y></a>"},
        {"missing id", kTile10, "TavrolinOK1", "title", "x", kTile10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString out = TileLine::withField(c.line, QString::fromUtf8(c.id), QString::fromUtf8(c.field),
                                                QString::fromUtf8(c.value));
        EXPECT_EQ(out, c.expected);
        QString back;
        if (out != c.line) {
            ASSERT_TRUE(TileLine::field(out, QString::fromUtf8(c.id), QString::fromUtf8(c.field), &back));
            EXPECT_EQ(back, QString::fromUtf8(c.value));
        }
    }
}

TEST(TileLine, Tail) {
    const QString tile4 = records::defaultNavPageLines().at(8);
    EXPECT_TRUE(TileLine::hasLinkEnd(tile4));
    EXPECT_EQ(TileLine::tail(tile4), "<br><br>");
    EXPECT_EQ(TileLine::withTail(tile4, ""), tile4.left(tile4.size() - 8));
    EXPECT_EQ(TileLine::withTail(tile4, "<BR>"), tile4.left(tile4.size() - 8) + "<BR>");
    // Only the first "</a>" ends the tile.
    EXPECT_EQ(TileLine::tail("<a>1</a>x<a>2</a>y"), "x<a>2</a>y");
    // A line without "</a>" has no tail and stays as it is.
    EXPECT_FALSE(TileLine::hasLinkEnd("<center>"));
    EXPECT_EQ(TileLine::tail("<center>"), "");
    EXPECT_EQ(TileLine::withTail("<center>", "<br>"), "<center>");
}

}  // namespace
