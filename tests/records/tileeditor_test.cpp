// The tile editor: each item of the tile menu run as the home page's right click leaves it, on the
// default page or on a page that also holds an added `TavrolinOK1` after tile 10 and a tile whose web
// picture's address starts with its link. Refusals and stops change nothing; accepted edits change
// only the edited field of the clicked tile's line, rewrite the file and reload the home slot.
#include "navpage_fixture.h"

#include "platform/rt/random.h"
#include "platform/ui/services.h"
#include "records/tileeditor.h"
#include "records/tileline.h"

#include <functional>
#include <vector>

namespace {

const QString kAdded1 = QStringLiteral(
    "<a href=http://www.xinjian.invalid/><img id=TavrolinOK1 title=新建连接 width=200 height=90 "
    "src=pifu\\新建连接.png></a>");
// A web picture whose address starts with the tile's link (nothing listens there: it fails at once).
const QString kWebTile = QStringLiteral(
    "<a href=http://127.0.0.1:9/><img id=Tavrolin0.5 title=网图 width=200 height=90 "
    "src=http://127.0.0.1:9/pic/a.jpg></a>");

// The default page with the two extra tiles after tile 12: 14 links.
QStringList extendedPage() {
    QStringList lines = records::defaultNavPageLines();
    lines.insert(17, kAdded1);
    lines.insert(18, kWebTile);
    return lines;
}

// A page of `n` hand-made tiles with the default header.
QStringList pageOf(int n) {
    QStringList lines = records::defaultNavPageLines().mid(0, 5);
    for (int i = 1; i <= n; ++i)
        lines << QStringLiteral("<a href=http://www.t%1.com/><img id=Tavrolin0.%1 title=t%1 width=20 height=9 "
                                "src=pifu\\so.png></a>")
                     .arg(i);
    lines << QStringLiteral("</center>");
    return lines;
}

QString tileId(int k) { return QStringLiteral("TavrolinOK%1").arg(k, 2, 10, QLatin1Char('0')); }

class TileEditorTest : public NavPageFixture {
protected:
    void TearDown() override {
        rt::setRandomSequence({});
        NavPageFixture::TearDown();
    }
    QStringList messages() { return services.messages(); }
    std::vector<ShownBox> inputs() { return services.boxes(ShownBox::Input); }
    QString line(int i) { return f1().List1.list(i); }
};

// ---------------------------------------------------------------------------------------------
// Refusals and stops

TEST_F(TileEditorTest, RefusalsChangeNothing) {
    startOn(extendedPage());
    struct Case {
        int item;
        QString id;
        const char* answer;
        const char* message;
    };
    const std::vector<Case> cases = {
        {1, tileId(1), "ftp://www.a.com/", "[ http:// 和 https:// ]必须保持完整"},
        {1, tileId(1), "HTTP://www.a.com/", "[ http:// 和 https:// ]必须保持完整"},
        {1, tileId(1), "www.baidu.com/news/", "[ http:// 和 https:// ]必须保持完整"},
        {1, tileId(1), "http://www.a.com", "网址末尾缺少[ / ]"},
        {1, tileId(1), "https://a.b/", "网址末尾缺少[ / ]"},  // its last "/" is the 12th character
        {1, tileId(1), "http://a.co/", "网址末尾缺少[ / ]"},
        {3, tileId(1), "width=05", "第7个字必须是数字(不包含0)"},
        {3, tileId(1), "width=050", "第7个字必须是数字(不包含0)"},
        {3, tileId(1), "width=1000", "最少8个字，最多9个字"},
        {3, tileId(1), "width=5", "最少8个字，最多9个字"},
        {3, tileId(1), "Width=50", "[ width= ]必须保持完整"},
        {3, tileId(1), "width=5x", "第8个字必须是数字"},
        {3, tileId(1), "width=5x0", "第8个字必须是数字"},
        {3, tileId(1), "width=50x", "第9个字必须是数字"},
        {3, tileId(1), "width=５0", "第7个字必须是数字(不包含0)"},
        {4, tileId(1), "height=05", "第8个字必须是数字(不包含0)"},
        {4, tileId(1), "height=1000", "最少9个字，最多10个字"},
        {4, tileId(1), "height:90", "[ height= ]必须保持完整"},
        {4, tileId(1), "height=9x", "第9个字必须是数字"},
        {4, tileId(1), "height=90x", "第10个字必须是数字"},
        {4, tileId(1), "height=9x0", "第9个字必须是数字"},
        {5, tileId(1), "title=", "最少7个字"},
        {5, tileId(1), "name=百度", "“title=”必须保持完整"},
        {5, tileId(1), "Title=百度", "“title=”必须保持完整"},
        // A picture under pifu: an answer with "http://" gets the web tests, any other the local ones.
        {2, tileId(1), "https://www.a.com/x.jpg", "[ pifu\\ ]必须保持完整"},
        {2, tileId(1), "pifu/a.png", "[ pifu\\ ]必须保持完整"},
        {2, tileId(1), "pifu\\a.pn", "最少10个字"},
        {2, tileId(1), "http://a.co/b.j", "最少17个字"},
        // A web picture: an answer with "pifu\" gets the local tests, any other the web ones.
        {2, "Tavrolin0.5", "https://www.a.com/x.jpg", "[ http:// ]必须保持完整"},
        {2, "Tavrolin0.5", "http://a.co/b.j", "最少17个字"},
        {2, "Tavrolin0.5", "pifu\\a.pn", "最少10个字"},
        {2, "Tavrolin0.5", "x/pifu\\a.png", "[ pifu\\ ]必须保持完整"},
        {6, tileId(1), "<br/>", "错误，请输入0个字、4个字、8个字、12个字"},
        {6, tileId(1), "x", "错误，请输入0个字、4个字、8个字、12个字"},
        {6, tileId(1), "abcd", "错误abcd"},
        {6, tileId(1), "<br>abcd", "错误<br>abcd"},
        {6, tileId(1), "<p></p><br>", "错误，请输入0个字、4个字、8个字、12个字"},
        {6, tileId(1), "<br><br><br><br>", "最多12个字"},
        {8, tileId(1), "0", "请输入数字(不包含0)"},
        {8, tileId(1), "a", "请输入数字(不包含0)"},
        {8, tileId(1), "05", "第一个字只能是数字(不包含0)"},
        {8, tileId(1), "1a", "第二个字只能是数字"},
        {8, tileId(1), "100", "最多2个字"},
        {8, tileId(1), "16", "现在只能输入[ 16 ]以下的数字"},  // 14 links
        {9, tileId(1), "", "默认连接不可以删除"},
        {9, "TavrolinOK1", "", "默认连接不可以删除"},
    };
    const QByteArray file = fileBytes();
    const QStringList before = list();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.item) + " " + c.answer);
        services.clearRecords();
        if (c.item != 9) services.queueInput(QString::fromUtf8(c.answer));
        runItem(c.item, c.id);
        EXPECT_EQ(messages(), QStringList{QString::fromUtf8(c.message)});
        ASSERT_FALSE(services.boxes(ShownBox::Message).empty());
        EXPECT_EQ(services.boxes(ShownBox::Message).back().style, ui::vbOKOnly + ui::vbCritical);
        EXPECT_EQ(services.boxes(ShownBox::Message).back().title, QString());
        EXPECT_EQ(list(), before);
        EXPECT_EQ(fileBytes(), file);
    }
    EXPECT_TRUE(notReloaded());
}

TEST_F(TileEditorTest, EmptyOrUnchangedAnswerStops) {
    startOn(extendedPage());
    struct Case {
        int item;
        QString id;
        const char* answer;
    };
    const std::vector<Case> cases = {
        {1, tileId(1), ""},       {1, tileId(1), "http://www.baidu.com/"},
        {2, tileId(1), ""},       {2, tileId(1), "pifu\\baidu.png"},
        {2, "Tavrolin0.5", ""},   {2, "Tavrolin0.5", "http://127.0.0.1:9/pic/a.jpg"},
        {3, tileId(1), ""},       {3, tileId(1), "width=200"},
        {4, tileId(1), ""},       {4, tileId(1), "height=90"},
        {5, tileId(1), ""},       {5, tileId(1), "title=百度"},
        {6, tileId(1), ""},       {6, tileId(4), "<br><br>"},  // Cancel on a tile without breaks
        {8, tileId(1), ""},
    };
    const QByteArray file = fileBytes();
    const QStringList before = list();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.item) + " " + c.answer);
        services.clearRecords();
        services.queueInput(QString::fromUtf8(c.answer));
        runItem(c.item, c.id);
        EXPECT_EQ(services.boxes().size(), 1u);
        EXPECT_EQ(list(), before);
        EXPECT_EQ(fileBytes(), file);
    }
    EXPECT_TRUE(notReloaded());
}

TEST_F(TileEditorTest, InputBoxesShowTheCurrentValue) {
    startOn(extendedPage());
    const QRect screen = ui::services().screenTwips();
    struct Case {
        int item;
        QString id;
        QString prompt;
        QString title;
        QString defaultText;
    };
    const std::vector<Case> cases = {
        {1, tileId(1), "连接", "修改", "http://www.baidu.com/"},
        {1, "Tavrolin0.5", "连接", "修改", "http://127.0.0.1:9/"},
        {2, tileId(1), "本地格式：pifu\\baidu.png\r\n网络格式：" + TileEditor::kExamplePicture, "修改", "pifu\\baidu.png"},
        {2, "TavrolinOK1", "本地格式：pifu\\新建连接.png\r\n网络格式：" + TileEditor::kExamplePicture, "修改",
         "pifu\\新建连接.png"},
        {2, "Tavrolin0.5", "图片", "修改", "http://127.0.0.1:9/pic/a.jpg"},
        {3, tileId(2), "宽度", "修改", "width=200"},
        {4, tileId(2), "高度", "修改", "height=90"},
        {5, tileId(3), "标题", "修改", "title=哔哩"},
        {5, "TavrolinOK1", "标题", "修改", "title=新建连接"},
        {6, tileId(1), "换行代码：<br>\r\n错误注意：按 <取消> 按钮会自动删除 <br> ，不做修改也要按 <确定> 按钮", "修改", ""},
        {8, tileId(1), "连接：从左至右数\r\n位置：数字9代表第9个位置", "添加", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.item) + " " + c.id.toStdString());
        services.clearRecords();
        runItem(c.item, c.id);  // Cancel
        ASSERT_EQ(inputs().size(), 1u);
        const ShownBox box = inputs()[0];
        EXPECT_EQ(box.prompt, c.prompt);
        EXPECT_EQ(box.title, c.title);
        EXPECT_EQ(box.defaultText, c.defaultText);
        EXPECT_DOUBLE_EQ(box.x, screen.width() / 2.6);
        EXPECT_DOUBLE_EQ(box.y, screen.height() / 2.0);
    }
}

// ---------------------------------------------------------------------------------------------
// Accepted edits

TEST_F(TileEditorTest, AcceptedEditsChangeOnlyTheirField) {
    startOn(extendedPage());
    struct Case {
        const char* name;
        int item;
        QString id;
        QString answer;
        int entry;
        std::function<QString(QString)> edit;  // the entry's line before -> after
    };
    const auto swap = [](const char* from, const char* to) {
        return [=](QString line) { return line.replace(QString::fromUtf8(from), QString::fromUtf8(to)); };
    };
    const std::vector<Case> cases = {
        {"link", 1, tileId(1), "http://www.a.com/news/", 5, swap("href=http://www.baidu.com/>", "href=http://www.a.com/news/>")},
        {"link of 13 characters", 1, tileId(2), "https://a.b//", 6, swap("href=http://www.youku.com/>", "href=https://a.b//>")},
        {"link of a tile whose picture starts with it", 1, "Tavrolin0.5", "http://127.0.0.1:8/", 18,
         swap("href=http://127.0.0.1:9/>", "href=http://127.0.0.1:8/>")},
        {"link with a blank and markup", 1, tileId(3), "http://a.com/?q=a b&c=\"<x>\"/", 7,
         swap("href=http://www.bilibili.com/>", "href=http://a.com/?q=a&#32;b&amp;c=&quot;&lt;x&gt;&quot;/>")},
        {"width", 3, tileId(1), "width=999", 5, swap("width=200", "width=999")},
        {"height", 4, tileId(1), "height=10", 5, swap("height=90", "height=10")},
        {"title of the added TavrolinOK1 beside tile 10", 5, "TavrolinOK1", "title=新的", 17,
         swap("title=新建连接", "title=新的")},
        {"local picture", 2, tileId(2), "pifu\\qq.png", 6, swap("src=pifu\\youku.png", "src=pifu\\qq.png")},
        {"local to web picture", 2, tileId(3), "http://127.0.0.1:9/b.jpg", 7,
         swap("src=pifu\\bilibili.png", "src=http://127.0.0.1:9/b.jpg")},
        {"web to local picture", 2, "Tavrolin0.5", "pifu\\douyu.png", 18,
         swap("src=http://127.0.0.1:9/pic/a.jpg", "src=pifu\\douyu.png")},
        {"breaks in mixed case", 6, tileId(5), "<bR><BR>", 9, [](QString l) { return l + "<bR><BR>"; }},
        {"three breaks", 6, tileId(1), "<br><br><br>", 5, [](QString l) { return l + "<br><br><br>"; }},
        {"Cancel removes the breaks", 6, tileId(8), "", 12, [](QString l) { return l.left(l.size() - 8); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        services.clearRecords();
        QStringList expected = list();
        expected[c.entry] = c.edit(expected[c.entry]);
        ASSERT_NE(expected, list());
        services.queueInput(c.answer);
        runItemAndReload(c.item, c.id);
        EXPECT_TRUE(messages().isEmpty());
        EXPECT_EQ(list(), expected);
        EXPECT_EQ(fileLines(), expected);
    }
    // The page shows what was typed.
    EXPECT_EQ(element(tileId(1)).getAttribute("width"), "999");
    EXPECT_EQ(element(tileId(3)).parentElement().href(), "http://a.com/?q=a b&c=\"<x>\"/");
    EXPECT_EQ(element("TavrolinOK1").getAttribute("title"), "新的");
    EXPECT_EQ(element(tileId(10)).getAttribute("title"), "凤凰");
    EXPECT_EQ(element("Tavrolin0.5").src(), "pifu\\douyu.png");
    EXPECT_EQ(element("Tavrolin0.5").parentElement().href(), "http://127.0.0.1:8/");
    EXPECT_EQ(home().querySelectorAll("a[href]").size(), 14);
}

TEST_F(TileEditorTest, TitleWithBlankAndMarkupIsShownWhole) {
    startOn();
    const QString title = QStringLiteral("A B>C \"q\" <b>&amp;");
    services.queueInput("title=" + title);
    runItemAndReload(5, tileId(6));
    const web::Element img = element(tileId(6));
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.getAttribute("title"), title);
    EXPECT_EQ(img.getAttribute("width"), "200");
    EXPECT_EQ(img.getAttribute("height"), "90");
    EXPECT_EQ(img.src(), "pifu\\xunlei.png");
    EXPECT_EQ(img.attributeNames().size(), 5);
    EXPECT_EQ(img.parentElement().href(), "http://www.xunlei.com/");
    EXPECT_EQ(home().getElementsByTagName("img").size(), 12);
    EXPECT_EQ(home().getElementsByTagName("b").size(), 0);
    EXPECT_FALSE(home().body().innerText().contains("C"));
    // The line keeps its unquoted form, and the editor shows the title as it was typed.
    EXPECT_FALSE(line(10).contains(' ' + title));
    services.clearRecords();
    runItem(5, tileId(6));
    EXPECT_EQ(inputs().at(0).defaultText, "title=" + title);
}

TEST_F(TileEditorTest, EditedPictureLoads) {
    startOn();
    services.queueInput("pifu\\qq.png");
    runItemAndReload(2, tileId(1));
    EXPECT_TRUE(waitFor([&] {
        return home().evaluate(QStringLiteral("document.getElementById('TavrolinOK01').naturalWidth")).toInt() > 0;
    }));
    EXPECT_TRUE(element(tileId(1)).srcResolved().endsWith("/pifu/qq.png"));

    // A picture file that is no picture leaves an empty frame; the page and the editor go on.
    {
        QFile broken(sys::nativePath(sys::appPath() + "\\pifu\\broken.png"));
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write(QByteArray(4096, '\x7f'));
    }
    services.queueInput("pifu\\broken.png");
    runItemAndReload(2, tileId(2));
    EXPECT_EQ(home().evaluate(QStringLiteral("document.getElementById('TavrolinOK02').naturalWidth")), "0");
    services.queueInput("title=新");
    runItemAndReload(5, tileId(2));
    EXPECT_EQ(element(tileId(2)).getAttribute("title"), "新");
}

// ---------------------------------------------------------------------------------------------
// 还原连接, 新建连接, 删除, 初始化, 打开文件

TEST_F(TileEditorTest, RestoreBringsBackTheDefaultLine) {
    startOn();
    const QStringList defaults = records::defaultNavPageLines();
    services.queueInput("");  // Cancel: tile 4 loses its breaks
    runItemAndReload(6, tileId(4));
    services.queueInput("<br>");
    runItemAndReload(6, tileId(5));
    ASSERT_EQ(line(8), defaults[8].left(defaults[8].size() - 8));
    ASSERT_EQ(line(9), defaults[9] + "<br>");

    // No: nothing happens.
    services.clearRecords();
    services.queueMsgBoxAnswer(ui::vbNo);
    runItem(7, tileId(4));
    EXPECT_EQ(messages(), QStringList{"这个连接恢复到内置的连接"});
    EXPECT_EQ(services.boxes()[0].style, ui::vbYesNo + ui::vbQuestion);
    EXPECT_EQ(line(8), defaults[8].left(defaults[8].size() - 8));
    EXPECT_TRUE(notReloaded());

    runItemAndReload(7, tileId(4));
    runItemAndReload(7, tileId(5));
    EXPECT_EQ(list(), defaults);
    EXPECT_EQ(fileLines(), defaults);
}

TEST_F(TileEditorTest, AddAtPositions) {
    struct Case {
        const char* name;
        QStringList page;
        QString answer;
        std::vector<float> random;
        int entry;  // where the new line lands
        QString id;
    };
    const std::vector<Case> cases = {
        {"after the last tile", records::defaultNavPageLines(), "13", {0.25f}, 17, "Tavrolin0.25"},
        {"first", records::defaultNavPageLines(), "1", {0.25f}, 5, "Tavrolin0.25"},
        {"a record id already in the page is drawn again", extendedPage(), "9", {0.5f, 0.75f}, 13, "Tavrolin0.75"},
        {"9 links: the id of tile 10", pageOf(9), "10", {0.25f}, 14, "TavrolinOK10"},
        {"5 links: TavrolinOK6", pageOf(5), "3", {0.25f}, 7, "TavrolinOK6"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startOn(c.page);
        rt::setRandomSequence(c.random);
        services.clearRecords();
        services.queueInput(c.answer);
        QStringList expected = list();
        expected.insert(c.entry, "<a href=" + TileEditor::kNewTileLink + "><img id=" + c.id +
                                     " title=新建连接 width=200 height=90 src=pifu\\新建连接.png></a>");
        runItemAndReload(8, TileLine::find(list(), "TavrolinOK01") >= 0 ? tileId(1) : "Tavrolin0.1");
        EXPECT_TRUE(messages().isEmpty());
        EXPECT_EQ(inputs().at(0).title, "添加");
        EXPECT_EQ(list(), expected);
        EXPECT_EQ(fileLines(), expected);
        EXPECT_FALSE(element(c.id).isNull());
        EXPECT_EQ(element(c.id).parentElement().href(), TileEditor::kNewTileLink);
    }
}

TEST_F(TileEditorTest, AddRefusesPositionsBeyondTheLinks) {
    startOn();
    services.queueInput("14");
    runItem(8, tileId(1));
    EXPECT_EQ(messages(), QStringList{"现在只能输入[ 14 ]以下的数字"});
    EXPECT_EQ(list(), records::defaultNavPageLines());
    EXPECT_TRUE(notReloaded());
}

TEST_F(TileEditorTest, AddStopsAt99Links) {
    startOn(pageOf(99));
    services.queueInput("50");
    runItem(8, "Tavrolin0.1");
    EXPECT_EQ(messages(), QStringList{"已满99个连接，不能再添加"});
    EXPECT_EQ(list(), pageOf(99));
}

TEST_F(TileEditorTest, RestoreTurnsATileAddedWithABuiltInIdIntoThatTile) {
    startOn(pageOf(9));
    services.queueInput("10");
    runItemAndReload(8, "Tavrolin0.1");
    runItemAndReload(7, "TavrolinOK10");
    EXPECT_EQ(line(14), records::defaultTileLine("TavrolinOK10"));
    // TavrolinOK6 is no built-in tile: restore leaves it, delete refuses it.
    startOn(pageOf(5));
    services.queueInput("6");
    runItemAndReload(8, "Tavrolin0.1");
    const QStringList added = list();
    runItemAndReload(7, "TavrolinOK6");
    EXPECT_EQ(list(), added);
    services.clearRecords();
    runItem(9, "TavrolinOK6");
    EXPECT_EQ(messages(), QStringList{"默认连接不可以删除"});
    EXPECT_EQ(list(), added);
}

TEST_F(TileEditorTest, AddThenDelete) {
    startOn();
    rt::setRandomSequence({0.125f});
    services.queueInput("5");
    runItemAndReload(8, tileId(1));
    ASSERT_EQ(list().size(), 19);
    ASSERT_FALSE(element("Tavrolin0.125").isNull());

    // No keeps it.
    services.clearRecords();
    services.queueMsgBoxAnswer(ui::vbNo);
    runItem(9, "Tavrolin0.125");
    EXPECT_EQ(messages(), QStringList{"删除 [ 新建连接 ]"});
    EXPECT_EQ(services.boxes()[0].style, ui::vbYesNo + ui::vbQuestion);
    EXPECT_EQ(list().size(), 19);
    EXPECT_TRUE(notReloaded());

    services.clearRecords();
    runItemAndReload(9, "Tavrolin0.125");
    EXPECT_EQ(messages(), QStringList{"删除 [ 新建连接 ]"});
    EXPECT_EQ(list(), records::defaultNavPageLines());
    EXPECT_EQ(fileLines(), records::defaultNavPageLines());
    EXPECT_TRUE(element("Tavrolin0.125").isNull());
}

TEST_F(TileEditorTest, DeleteRefusesBuiltInIdsInAnyCase) {
    QStringList page = records::defaultNavPageLines();
    page.insert(17, "<a href=http://www.a.com/><img id=Tavrolinok7 title=手工 width=200 height=90 src=pifu\\so.png></a>");
    startOn(page);
    runItem(9, "Tavrolinok7");
    EXPECT_EQ(messages(), QStringList{"默认连接不可以删除"});
    EXPECT_EQ(list(), page);
}

TEST_F(TileEditorTest, InitialiseWritesTheDefaultPage) {
    startOn(extendedPage());
    services.queueMsgBoxAnswer(ui::vbNo);
    runItem(10, tileId(1));
    EXPECT_EQ(messages(), QStringList{"恢复出厂设置"});
    EXPECT_EQ(list(), extendedPage());
    EXPECT_TRUE(notReloaded());

    services.clearRecords();
    runItemAndReload(10, tileId(1));
    EXPECT_EQ(list(), records::defaultNavPageLines());
    EXPECT_EQ(fileLines(), records::defaultNavPageLines());
    EXPECT_TRUE(element("TavrolinOK1").isNull());
}

TEST_F(TileEditorTest, OpenFileStartsTheTextEditor) {
    startOn();
    runItem(11, tileId(1));
    ASSERT_EQ(launcher.starts.size(), 1);
    EXPECT_TRUE(launcher.starts[0].arguments.contains(navFile()));
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(list(), records::defaultNavPageLines());
}

// ---------------------------------------------------------------------------------------------
// An element whose id no line holds, a line without "</a>", a file that cannot be written

TEST_F(TileEditorTest, ElementWithoutALineRewritesThePageUnchanged) {
    startOn();
    const QByteArray file = fileBytes();
    struct Case {
        int item;
        const char* answer;
        int inputs;
    };
    const std::vector<Case> cases = {
        {1, "http://www.a.com/", 1}, {2, "http://127.0.0.1:9/b.jpg", 1}, {3, "width=300", 1}, {4, "height=30", 1},
        {5, "title=新提示", 1},       {6, "", 0},                          {7, "", 0},            {9, "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        // The link hint label's id holds "Tavrolin"; no line holds it.
        home().body().insertAdjacentHTML("beforeEnd", "<label id=Tavrolin_hint title=提示>hint</label>");
        services.clearRecords();
        if (c.inputs > 0) services.queueInput(QString::fromUtf8(c.answer));
        runItemAndReload(c.item, "Tavrolin_hint");
        EXPECT_EQ(int(inputs().size()), c.inputs);
        EXPECT_FALSE(messages().contains("默认连接不可以删除"));
        EXPECT_EQ(list(), records::defaultNavPageLines());
        EXPECT_EQ(fileBytes(), file);
    }
}

TEST_F(TileEditorTest, BreaksOfALineWithoutLinkEndAreLeftAlone) {
    QStringList page = records::defaultNavPageLines();
    page.insert(17, "<img id=Tavrolin_x title=x src=pifu\\so.png><br>");
    startOn(page);
    runItemAndReload(6, "Tavrolin_x");
    EXPECT_TRUE(inputs().empty());
    EXPECT_EQ(list(), page);
    EXPECT_EQ(fileLines(), page);
}

TEST_F(TileEditorTest, FailedWriteKeepsTheOldPage) {
    startOn();
    const QByteArray file = fileBytes();
    ASSERT_TRUE(QFile::setPermissions(navFile(), QFileDevice::ReadOwner | QFileDevice::ReadUser));
    services.queueInput("title=新");
    runItemAndReload(5, tileId(1));
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages()[0].startsWith("导航页面无法保存，修改没有生效"));
    EXPECT_EQ(services.boxes(ShownBox::Message)[0].style, ui::vbOKOnly + ui::vbCritical);
    EXPECT_EQ(fileBytes(), file);
    EXPECT_EQ(list(), records::defaultNavPageLines());
    EXPECT_EQ(element(tileId(1)).getAttribute("title"), "百度");
}

TEST_F(TileEditorTest, ItemsWithoutAClickedElementTouchNoTile) {
    startOn();
    // Outside the right click there is no source element: nothing is found, nothing breaks.
    services.queueInput("title=新");
    markHome();
    f4().BJDH100(5).click();
    ASSERT_TRUE(waitForHome());
    EXPECT_EQ(list(), records::defaultNavPageLines());
}

}  // namespace
