// The page score: the bands of the ten rows, the score window measuring fixture pages (labels, marks,
// colours, caption, User-Agent box), an unknown file size, an unreadable document, and a second choice
// while the window is open measuring the page then in front.
#include "analysis/views_fixture.h"

#include "analysis/form9.h"
#include "analysis/pagescore.h"

namespace {

using analysis::ScoreMark;

constexpr ui::Color kBlue = 16711680, kRed = 255, kGreen = 32768, kGrey = 4737096;

ScoreMark ok() { return {QStringLiteral("√"), kBlue, 0}; }
ScoreMark minus(int n) { return {"-" + QString::number(n), kRed, -n}; }
ScoreMark plus(int n) { return {"+" + QString::number(n), kGreen, n}; }

struct Band {
    int value;
    ScoreMark mark;
};

void expectBands(const char* row, ScoreMark (*grade)(int), std::initializer_list<Band> bands) {
    for (const Band& b : bands) {
        SCOPED_TRACE(std::string(row) + " " + std::to_string(b.value));
        const ScoreMark m = grade(b.value);
        EXPECT_EQ(m.text, b.mark.text);
        EXPECT_EQ(m.colour, b.mark.colour);
        EXPECT_EQ(m.points, b.mark.points);
    }
}

TEST(PageScoreBands, EveryRow) {
    expectBands("title", analysis::titleMark,
                {{0, minus(2)}, {1, minus(2)}, {2, ok()}, {3, ok()}, {8, ok()}, {9, plus(6)}, {10, ok()}, {90, ok()},
                 {91, minus(3)}});
    expectBands("address", analysis::addressMark,
                {{0, ok()}, {50, ok()}, {51, minus(1)}, {60, minus(1)}, {61, minus(2)}, {80, minus(3)}, {90, minus(4)},
                 {91, minus(5)}, {400, minus(5)}});
    expectBands("domain", [](int d) { return analysis::domainMark(4 + d, d); },
                {{0, minus(1)}, {2, minus(1)}, {3, plus(8)}, {4, plus(8)}, {5, plus(7)}, {9, plus(3)}, {11, plus(1)},
                 {12, ok()}, {17, ok()}, {18, minus(1)}, {19, minus(2)}, {21, minus(4)}, {22, minus(5)}, {60, minus(5)}});
    expectBands("links", analysis::linksMark,
                {{0, ok()}, {2, ok()}, {3, plus(5)}, {9, plus(5)}, {10, plus(4)}, {49, plus(1)}, {50, ok()}, {210, ok()},
                 {211, minus(1)}, {220, minus(1)}, {221, minus(2)}, {300, minus(9)}, {301, minus(10)}});
    expectBands("images", analysis::imagesMark,
                {{0, ok()}, {1, ok()}, {2, plus(4)}, {3, plus(4)}, {8, plus(1)}, {9, plus(1)}, {10, ok()}, {20, ok()},
                 {21, minus(1)}, {110, minus(9)}, {111, minus(10)}});
    expectBands("scripts", analysis::scriptsMark,
                {{0, ok()}, {1, ok()}, {2, plus(9)}, {4, plus(9)}, {5, ok()}, {10, ok()}, {11, minus(10)}, {20, minus(10)},
                 {21, minus(20)}, {100, minus(90)}, {101, minus(100)}});
    expectBands("frames", analysis::framesMark,
                {{0, plus(9)}, {1, ok()}, {2, minus(10)}, {10, minus(90)}, {11, minus(100)}});
    expectBands("elements", analysis::elementsMark, {{0, ok()}, {999, ok()}, {1000, minus(6)}});
    EXPECT_EQ(analysis::sizeMark("").text, "-6");
    EXPECT_EQ(analysis::sizeMark("0").text, "√");
    // Row 4 tests its box first: a box shorter than 7 characters whatever the domain.
    EXPECT_EQ(analysis::domainMark(6, 12).text, "-1");
    EXPECT_EQ(analysis::domainMark(7, 3).text, "+8");
}

class PageScoreTest : public ViewsTest {
protected:
    // Chooses 网页得分 on the page of slot k.
    void score(int k) { choose(k, "yuanma100", 2, "p"); }
    Form9* window() { return forms::windows().existing<Form9>(); }
    QString box(int i) { return window()->Text3(i).text(); }
    QString mark(int i) { return window()->Label2(i).caption(); }
};

TEST_F(PageScoreTest, AFixturePageIsMeasuredAndMarked) {
    server.addPage("/inner.html", "<html><body>inner</body></html>");
    const int k = openOn("<title>九个字的标题一二三</title><script>var a = 1;</script><script>var b = 2;</script>",
                         "<p id=\"p\">x</p><a href=\"/1\">1</a><a href=\"/2\">2</a><a name=\"n\">n</a><a>none</a>"
                         "<map><area href=\"/3\"></map><img alt=\"1\"><img alt=\"2\"><iframe src=\"/inner.html\"></iframe>",
                         "/score.html");
    ASSERT_TRUE(waitFor([&] { return doc(k).frameCount() == 1 && doc(k).frames()[0].body().innerText() == "inner"; }));
    score(k);
    Form9* w = window();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->visible());
    const web::Document d = doc(k);
    const QString host = QUrl(d.url()).host();
    ASSERT_EQ(host.size(), 9);  // 127.0.0.1
    const QString address = f1().Text7.text();
    ASSERT_LE(address.size(), 50);
    struct Row {
        QString text;
        QString mark;
    };
    const Row rows[] = {
        {},
        {"标题∶ 九个字的标题一二三", "+6"},
        {"地址∶ " + address, "√"},
        {"大小∶ " + QString::number(d.fileSize()) + "字节", "√"},
        {"域名∶ " + host, "+3"},
        {"连接∶ 3", "+5"},  // the area counts, anchors without href do not
        {"图片∶ 2", "+4"},
        {"脚本∶ 2", "+9"},
        {"框架∶ 1", "√"},
        {"动画∶ 0", "+9"},
        {"标记∶ " + QString::number(d.all().size()), "√"},
    };
    for (int i = 1; i <= 10; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(box(i), rows[i].text);
        EXPECT_EQ(mark(i), rows[i].mark);
        const ui::Color colour = rows[i].mark == "√" ? kBlue : rows[i].mark.startsWith('+') ? kGreen : kRed;
        EXPECT_EQ(w->Label2(i).foreColor(), colour);
        EXPECT_EQ(w->Text3(i).foreColor(), colour == kBlue ? kGrey : colour);
    }
    EXPECT_EQ(w->caption(), "浏览体验得分∶ 136");
    // A tab in front: box 0 holds the page's User-Agent alone.
    EXPECT_EQ(box(0), d.evaluate("navigator.userAgent"));
    EXPECT_EQ(w->Text3(1).fontName(), "Noto Sans CJK SC");
    EXPECT_EQ(w->Label2(1).fontName(), "Noto Sans CJK SC");
}

TEST_F(PageScoreTest, AnEmptyPageWithAnUnknownSizeAndALocalFile) {
    const int k = openTab();
    ASSERT_TRUE(load(k, "about:blank", "about:blank"));
    ASSERT_LT(doc(k).fileSize(), 0);
    services.queuePopupChoice("yuanma100", 2);
    rightClickAt(k, QPoint(20, 20));
    ASSERT_NE(window(), nullptr);
    EXPECT_EQ(box(1), "标题∶ ");
    EXPECT_EQ(box(3), "大小∶ 字节");
    EXPECT_EQ(box(4), "域名∶ ");
    const char* marks[] = {"", "-2", "", "-6", "-1", "√", "√", "√", "+9", "+9", "√"};
    for (int i : {1, 3, 4, 5, 6, 7, 8, 9, 10}) {
        SCOPED_TRACE(i);
        EXPECT_EQ(mark(i), marks[i]);
    }
    const int address = analysis::addressMark(f1().Text7.text().size()).points;
    EXPECT_EQ(window()->caption(), "浏览体验得分∶ " + QString::number(100 - 2 - 6 - 1 + 9 + 9 + address));
    // A local file: its size is known, it has no domain.
    const QString file = pageFile("local.html", titled("本地", "<p id=\"p\">x</p>"));
    ASSERT_TRUE(load(k, QUrl::fromLocalFile(file).toString(), "local.html"));
    score(k);
    EXPECT_EQ(box(3), "大小∶ " + QString::number(QFile(file).size()) + "字节");
    EXPECT_EQ(mark(3), "√");
    EXPECT_EQ(box(4), "域名∶ ");
    EXPECT_EQ(mark(4), "-1");
    EXPECT_EQ(mark(1), "√") << "a title of two characters passes";
}

TEST_F(PageScoreTest, TwoPagesChosenOneAfterTheOther) {
    const int a = openOn("<title>a</title>", "<p id=\"p\">a</p>", "/a.html");
    score(a);
    ASSERT_NE(window(), nullptr);
    EXPECT_EQ(box(1), "标题∶ a");
    EXPECT_EQ(mark(1), "-2");
    EXPECT_EQ(window()->Text3(1).foreColor(), kRed);
    const int b = openOn("<title>一个有九个字的标题</title>", "<p id=\"p\">b</p>", "/b.html");
    ASSERT_NE(a, b);
    score(b);
    EXPECT_EQ(box(1), "标题∶ 一个有九个字的标题");
    EXPECT_EQ(mark(1), "+6");
    EXPECT_EQ(window()->Text3(1).foreColor(), kGreen);
    // A row that passes now shows its box in the design colour again.
    EXPECT_EQ(mark(5), "√");
    EXPECT_EQ(window()->Text3(5).foreColor(), kGrey);
}

TEST_F(PageScoreTest, AnUnreadableDocumentAndTheHomeSlot) {
    const int k = openOn("<title>t</title>", "<p id=\"p\">x</p>");
    // The front slot names a browser that is not there: every measure of the page fails.
    f1().Label9.setCaption("9");
    program().find<PageScore>()->yuanma100_Click(2);
    Form9* w = window();
    ASSERT_NE(w, nullptr);
    const char* labels[] = {"", "标题∶", "", "大小∶", "域名∶", "连接∶", "图片∶", "脚本∶", "框架∶", "动画∶", "标记∶"};
    const char* marks[] = {"", "-2", "", "-6", "-1", "√", "√", "√", "+9", "+9", "-6"};
    for (int i : {1, 3, 4, 5, 6, 7, 8, 9, 10}) {
        SCOPED_TRACE(i);
        EXPECT_EQ(box(i), labels[i]);
        EXPECT_EQ(mark(i), marks[i]);
    }
    EXPECT_EQ(box(0), "呈现\r\n");
    // The home slot in front: its page is measured, box 0 keeps its text.
    f1().Label9.setCaption("1");
    program().find<PageScore>()->yuanma100_Click(2);
    EXPECT_EQ(box(0), "呈现\r\n");
    EXPECT_EQ(box(1), "标题∶ " + doc(1).title());
    f1().Label9.setCaption(QString::number(k));
}

}  // namespace
