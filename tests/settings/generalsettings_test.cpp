// The page 常规: the start-page options, the name and start-page editors and the hints.
#include "pages_fixture.h"

#include <functional>

TEST_F(PagesTest, StartPageOptionsStoreTheirValueAndSwapWhichIsDisabled) {
    app("启动主页", "about:blank");
    Form5& w = open();
    ASSERT_FALSE(w.Option1.enabled());
    leftClick(w.Option2);
    EXPECT_TRUE(w.Option2.value());
    EXPECT_FALSE(w.Option2.enabled());
    EXPECT_TRUE(w.Option1.enabled());
    EXPECT_EQ(w.Text1(1).text(), "导航.html");
    EXPECT_EQ(app("启动主页"), "导航.html");
    EXPECT_TRUE(indicatorShown(w));
    indicatorGone();

    // From the keyboard.
    spaceBar(w.Option1);
    EXPECT_TRUE(w.Option1.value());
    EXPECT_FALSE(w.Option1.enabled());
    EXPECT_TRUE(w.Option2.enabled());
    EXPECT_EQ(w.Text1(1).text(), "about:blank");
    EXPECT_EQ(app("启动主页"), "about:blank");
    EXPECT_TRUE(indicatorShown(w));
}

// A release that leaves the option unselected (beside it, or another button) chooses nothing.
TEST_F(PagesTest, StartPageOptionReleasedBesideOrWithTheRightButtonStoresNothing) {
    app("启动主页", "about:blank");
    Form5& w = open();
    releaseBeside(w.Option2);
    rightClick(w.Option2);
    EXPECT_TRUE(w.Option1.value());
    EXPECT_FALSE(w.Option2.value());
    EXPECT_TRUE(w.Option2.enabled());
    EXPECT_EQ(app("启动主页"), "about:blank");
    EXPECT_EQ(w.Text1(1).text(), "about:blank");
    EXPECT_FALSE(indicatorShown(w));
}

TEST_F(PagesTest, NameAndStartPageEditors) {
    struct Case {
        int field;
        const char* key;
        const char* answer;
        bool stored;
        const char* refusal;
    };
    const Case cases[] = {
        {0, "软件命名", "", false, ""},
        {0, "软件命名", "Zelvaro浏览器", false, ""},  // unchanged
        {0, "软件命名", "zelvaro浏览器", true, ""},   // the letter case counts
        {0, "软件命名", "我的 浏览器", true, ""},
        {1, "启动主页", "abc", false, "最少4个字"},
        {1, "启动主页", "a.cn", true, ""},
        {1, "启动主页", "http://例子.中国/", true, ""},
    };
    app("软件命名", "Zelvaro浏览器");
    app("启动主页", "about:blank");
    Form5& w = open();
    const char* const hints[] = {"浏览器名字(重启生效)", "本地连接或是网络连接"};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " '" + c.answer + "'");
        const QString before = app(c.key);
        indicatorGone();
        services.clearRecords();
        edit(w.Text1, c.field, QString::fromUtf8(c.answer));
        ASSERT_EQ(inputsShown().size(), 1u);
        EXPECT_EQ(inputsShown()[0].prompt, QString::fromUtf8(hints[c.field]));
        EXPECT_EQ(inputsShown()[0].title, "修改");
        EXPECT_EQ(inputsShown()[0].defaultText, before);
        const QString expected = c.stored ? QString::fromUtf8(c.answer) : before;
        EXPECT_EQ(app(c.key), expected);
        EXPECT_EQ(w.Text1(c.field).text(), expected);
        EXPECT_EQ(indicatorShown(w), c.stored);
        if (*c.refusal) {
            ASSERT_EQ(messagesShown().size(), 1u);
            EXPECT_EQ(messagesShown()[0].prompt, QString::fromUtf8(c.refusal));
            EXPECT_EQ(messagesShown()[0].style, ui::vbOKOnly + ui::vbCritical);
        } else {
            EXPECT_TRUE(messagesShown().empty());
        }
    }
    // The editor leaves the options as they were; the caption waits for the next start.
    EXPECT_TRUE(w.Option1.value());
    EXPECT_FALSE(w.Option1.enabled());
    EXPECT_NE(f1().caption(), "zelvaro浏览器");
}

TEST_F(PagesTest, GeneralPageHintsBesideTheirControls) {
    Form5& w = open();
    struct Row {
        std::function<void()> move;
        const char* hint;
        double top, left;
    };
    const double frame0 = w.Frame1(0).top(), frame3 = w.Frame1(3).top();
    const Row rows[] = {
        {[&] { w.Check1.onMouseMove(1, 0, 0, 100, 10); }, "勾选：在桌面生成快捷方式", frame0 + 1090, 1950},
        {[&] { w.Check1.onMouseMove(2, 0, 0, 100, 10); }, "勾选：显示鼠标所在的网址", frame0 + 1450, 1950},
        {[&] { w.Check1.onMouseMove(3, 0, 0, 100, 10); }, "勾选：不使用默认网页右键菜单", frame0 + 1810, 1950},
        {[&] { w.Check1.onMouseMove(4, 0, 0, 100, 10); }, "勾选：向网页内拖拽无效(重启生效)", frame0 + 2170, 1950},
        {[&] { w.Check1.onMouseMove(5, 0, 0, 100, 10); }, "勾选：退出软件弹出对话框", frame0 + 1090, 1950},
        {[&] { w.Check1.onMouseMove(6, 0, 0, 100, 10); }, "勾选：点网址输入栏全部选中", frame0 + 1450, 1950},
        {[&] { w.Check16.onMouseMove(1, 0, 0, 100, 10); }, "勾选：向网页外拖拽无效", frame3 + 1090, 4600},
        {[&] { w.Check16.onMouseMove(2, 0, 0, 100, 10); }, "勾选：网页不受鼠标滚轮控制", frame3 + 1450, 4600},
        {[&] { w.Check16.onMouseMove(3, 0, 0, 100, 10); }, "勾选：网页内容鼠标不能选中", frame3 + 1810, 4600},
        {[&] { w.Check16.onMouseMove(4, 0, 0, 100, 10); }, "勾选：网页左键无效(不含框架)", frame3 + 2170, 4600},
        {[&] { w.Check20.onMouseMove(0, 0, 100, 10); }, "勾选：启动软件不是默认浏览器，会出现对话框",
         w.Check20.top() + w.Check20.height() + 500, 1850},
        {[&] { w.Text1.onMouseMove(0, 0, 0, 100, 10); }, "浏览器名字(重启生效)",
         w.Text1(0).top() + w.Text1(0).height() + 500, 2220},
        {[&] { w.Text1.onMouseMove(1, 0, 0, 100, 10); }, "本地连接或是网络连接",
         w.Text1(1).top() + w.Text1(1).height() + 500, 2480},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.hint);
        w.Picture1.onMouseMove(1, 0, 0, 10, 10);
        r.move();
        EXPECT_EQ(w.Label3.caption(), QString::fromUtf8(r.hint));
        EXPECT_EQ(w.Picture2.top(), r.top);
        EXPECT_EQ(w.Picture2.left(), r.left);
        EXPECT_EQ(w.Picture2.width(), w.Label3.width() + 70);
        EXPECT_TRUE(w.Picture2.visible());
    }
}
