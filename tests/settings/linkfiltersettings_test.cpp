// The page 网页: the link filter list is stored only on a double-click, whole, its line breaks as ">".
#include "pages_fixture.h"

#include "settings/linkfiltersettings.h"

TEST_F(PagesTest, LinkFilterListIsStoredWholeOnlyOnADoubleClick) {
    app("Lv20", "a>b");
    Form5& w = open();
    w.Command10.onClick(2);
    w.Text51(1).setText("ads>弹窗>popup");
    EXPECT_EQ(app("Lv20"), "a>b");  // typing stores nothing
    w.Text51.onDblClick(1);
    EXPECT_EQ(app("Lv20"), "ads>弹窗>popup");
    EXPECT_TRUE(indicatorShown(w));
    EXPECT_EQ(w.widget()->focusWidget(), w.Text1(1).widget());
    indicatorGone();
    w.Text51.onDblClick(1);  // again, unchanged
    EXPECT_EQ(app("Lv20"), "ads>弹窗>popup");
    EXPECT_TRUE(indicatorShown(w));
    w.Text51(1).setText("");
    w.Text51.onDblClick(1);
    EXPECT_EQ(app("Lv20"), "");
}

// Line breaks separate items as ">" does, so the file keeps one line and no item runs into another.
TEST_F(PagesTest, LinkFilterLineBreaksBecomeSeparators) {
    struct Case {
        const char* typed;
        const char* stored;
    };
    const Case cases[] = {
        {"ads\r\npopup", "ads>popup"},
        {"ads\r\n\r\npopup\r\n", "ads>popup"},
        {"\r\nads>\r\npopup", "ads>popup"},
        {"ads\r\n>popup", "ads>popup"},
        {"x>ads\npop up\rclick", "x>ads>pop up>click"},
        {"a>>b", "a>>b"},
        {"only", "only"},
        {"\r\n", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(LinkFilterSettings::storedList(c.typed), c.stored) << c.typed;

    Form5& w = open();
    w.Text51(1).setText("ads\r\npopup\r\n");
    w.Text51.onDblClick(1);
    EXPECT_EQ(app("Lv20"), "ads>popup");
    EXPECT_EQ(w.Text51(1).text(), "ads>popup");
    close(w);
    EXPECT_EQ(open().Text51(1).text(), "ads>popup");
}

TEST_F(PagesTest, LinkFilterHints) {
    Form5& w = open();
    w.Check3.onMouseMove(0, 0, 100, 10);
    EXPECT_EQ(w.Label3.caption(), "勾选：点击连接包含其中字符的< 点击被中断 >");
    EXPECT_EQ(w.Picture2.top(), w.Check3.top() + 850);
    EXPECT_EQ(w.Picture2.left(), 1700);
    w.Text51.onMouseMove(1, 0, 0, 200, 10);
    EXPECT_EQ(w.Label3.caption(), "添加：字符> (最后一个不加'>')，双击：保存内容");
    EXPECT_EQ(w.Picture2.top(), w.Text51(1).height() + 630);
    EXPECT_EQ(w.Picture2.left(), 1800);
}
