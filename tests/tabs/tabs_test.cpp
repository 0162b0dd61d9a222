// Tabs as a person uses them: pages opened into tabs, labels clicked and double-clicked, the tab menu,
// pages that close their own window, the strip laid out for one to nine tabs.
#include "tabs_fixture.h"
#include "support/waits.h"

#include "settings/form8.h"

#include <QApplication>
#include <QtTest/QTest>

namespace {

const ui::Color kFrontBack = 255;        // 当前标签
const ui::Color kBackText = 0;           // 字体颜色1
const ui::Color kFrontText = 16777215;   // 字体颜色2

void expectFrontLook(Form1& f, int k) {
    EXPECT_EQ(f.lv(k).backStyle(), 1) << "lv(" << k << ")";
    EXPECT_EQ(f.lv(k).backColor(), kFrontBack) << "lv(" << k << ")";
    EXPECT_EQ(f.lv(k).foreColor(), kFrontText) << "lv(" << k << ")";
}

void expectBackLook(Form1& f, int k) {
    EXPECT_EQ(f.lv(k).backStyle(), 0) << "lv(" << k << ")";
    EXPECT_EQ(f.lv(k).foreColor(), kBackText) << "lv(" << k << ")";
}

}  // namespace

// --- opening ---------------------------------------------------------------------------------------

TEST_F(TabsTest, OpensNineTabsInOrderEachInFront) {
    for (int k = 2; k <= 10; ++k) {
        const int slot = openPage(QStringLiteral("页面%1").arg(k));
        ASSERT_EQ(slot, k);
        EXPECT_EQ(f().Label9.caption(), QString::number(k));
        EXPECT_EQ(f().WebBrowser1.ubound(), k);
        EXPECT_TRUE(f().lv(k).visible());
        expectFrontLook(f(), k);
        for (int other = 2; other < k; ++other) expectBackLook(f(), other);

        auto& home = f().WebBrowser1(1);
        auto& tab = f().WebBrowser1(k);
        EXPECT_TRUE(tab.visible());
        EXPECT_EQ(QRectF(tab.left(), tab.top(), tab.width(), tab.height()),
                  QRectF(home.left(), home.top(), home.width(), home.height()));

        ASSERT_TRUE(f().Image1.exists(k));
        EXPECT_DOUBLE_EQ(f().Image1(k).left(), f().lv(k).left() + 50);
        EXPECT_DOUBLE_EQ(f().Image1(k).top(), f().lv(k).height() / 2 - 120);
        EXPECT_DOUBLE_EQ(f().Image1(k).width(), 255);
        EXPECT_TRUE(f().Image1(k).visible());
        ASSERT_TRUE(waitCaption(k, QStringLiteral("     页面%1").arg(k)));
    }
    // Every icon follows its label after the last layout.
    for (int k = 2; k <= 10; ++k) EXPECT_DOUBLE_EQ(f().Image1(k).left(), f().lv(k).left() + 50) << k;
    EXPECT_TRUE(services.messages().isEmpty());
}

TEST_F(TabsTest, TwoQuickOpensLandInTwoTabs) {
    const QString first = pageFile(QStringLiteral("第一页"));
    const QString second = pageFile(QStringLiteral("第二页"));
    // The second open comes before the first page has produced its title.
    EXPECT_EQ(forms::openInNewTab(f(), first), 2);
    EXPECT_EQ(forms::openInNewTab(f(), second), 3);
    EXPECT_EQ(f().Label9.caption(), "3");
    ASSERT_TRUE(waitCaption(2, QStringLiteral("     第一页")));
    ASSERT_TRUE(waitCaption(3, QStringLiteral("     第二页")));
    EXPECT_TRUE(f().WebBrowser1.exists(2));
    EXPECT_TRUE(f().WebBrowser1.exists(3));
}

TEST_F(TabsTest, TwoQuickTypedAddressesOpenTwoTabs) {
    setAppSetting("标签打开", "1");
    f().Text7.setText(pageFile(QStringLiteral("打字一")));
    f().Command1.press();
    f().Text7.setText(pageFile(QStringLiteral("打字二")));
    f().Command1.press();
    ASSERT_TRUE(waitCaption(2, QStringLiteral("     打字一")));
    ASSERT_TRUE(waitCaption(3, QStringLiteral("     打字二")));
    EXPECT_EQ(f().Label9.caption(), "3");
}

TEST_F(TabsTest, TypedAddressWithAFullStripAnsweredNo) {
    for (int k = 2; k <= 10; ++k) openPage(QStringLiteral("满%1").arg(k));
    const QString address2 = f().WebBrowser1(2).document().url();
    setAppSetting("标签打开", "1");
    services.clearRecords();
    services.queueMsgBoxAnswer(ui::vbNo);
    f().Text7.setText(pageFile(QStringLiteral("不该打开")));
    f().Command1.press();
    EXPECT_EQ(services.messages(), QStringList{"第九个标签已满，即将从第一个标签开始.."});
    waits::settle(200);
    for (int k = 2; k <= 10; ++k) EXPECT_EQ(f().lv(k).caption(), QStringLiteral("     满%1").arg(k)) << k;
    EXPECT_EQ(f().WebBrowser1(2).document().url(), address2);
    EXPECT_EQ(f().Label9.caption(), "10");
}

TEST_F(TabsTest, ClosedSlotIsReusedFirst) {
    openPage(QStringLiteral("二页"));
    openPage(QStringLiteral("三页"));
    openPage(QStringLiteral("四页"));
    closeByMenu(3);
    EXPECT_EQ(f().lv(3).caption(), "?");
    EXPECT_EQ(openPage(QStringLiteral("新页")), 3);
}

TEST_F(TabsTest, FullStripAnsweredNoOpensNothing) {
    for (int k = 2; k <= 10; ++k) openPage(QStringLiteral("满%1").arg(k));
    lvClick(5);
    QStringList captions;
    for (int k = 2; k <= 10; ++k) captions << f().lv(k).caption();
    services.clearRecords();

    services.queueMsgBoxAnswer(ui::vbNo);
    EXPECT_EQ(forms::openInNewTab(f(), pageFile(QStringLiteral("不该打开"))), 0);

    ASSERT_EQ(services.boxes().size(), 1u);
    EXPECT_EQ(services.boxes()[0].prompt, "第九个标签已满，即将从第一个标签开始..");
    EXPECT_EQ(services.boxes()[0].title, "标签循环");
    EXPECT_EQ(services.boxes()[0].style, ui::vbYesNo + ui::vbQuestion);
    EXPECT_EQ(f().Label9.caption(), "5");
    EXPECT_EQ(f().WebBrowser1.ubound(), 10);
    for (int k = 2; k <= 10; ++k) {
        EXPECT_TRUE(f().lv(k).visible()) << k;
        EXPECT_EQ(f().lv(k).caption(), captions[k - 2]) << k;
        EXPECT_TRUE(f().WebBrowser1.exists(k)) << k;
    }
    waits::settle(300);
    for (int k = 2; k <= 10; ++k) EXPECT_EQ(f().lv(k).caption(), captions[k - 2]) << k;
}

TEST_F(TabsTest, FullStripAnsweredYesStartsAgainFromSlotTwo) {
    for (int k = 2; k <= 10; ++k) openPage(QStringLiteral("满%1").arg(k));
    services.clearRecords();
    services.queueMsgBoxAnswer(ui::vbYes);
    EXPECT_EQ(forms::openInNewTab(f(), pageFile(QStringLiteral("重新开始"))), 2);

    EXPECT_EQ(services.messages(), QStringList{"第九个标签已满，即将从第一个标签开始.."});
    EXPECT_EQ(f().Label9.caption(), "2");
    EXPECT_TRUE(f().lv(2).visible());
    expectFrontLook(f(), 2);
    for (int k = 3; k <= 10; ++k) {
        EXPECT_FALSE(f().lv(k).visible()) << k;
        EXPECT_EQ(f().lv(k).caption(), "?") << k;
        EXPECT_FALSE(f().WebBrowser1.exists(k)) << k;
        EXPECT_FALSE(f().Image1.exists(k)) << k;
    }
    EXPECT_TRUE(f().ORIBERISA.document().isNull());
    ASSERT_TRUE(waitCaption(2, QStringLiteral("     重新开始")));
    EXPECT_EQ(f().WebBrowser1.ubound(), 2);
}

TEST_F(TabsTest, OpenerThatAskedFirstIsNotAskedTwice) {
    for (int k = 2; k <= 10; ++k) openPage(QStringLiteral("满%1").arg(k));
    services.clearRecords();
    services.queueMsgBoxAnswer(ui::vbYes);
    ASSERT_TRUE(tabs->opening.confirmOpen());
    EXPECT_EQ(forms::openInNewTab(f(), pageFile(QStringLiteral("问过了"))), 2);
    EXPECT_EQ(services.messages().size(), 1);

    // With free slots there is nothing to ask.
    services.clearRecords();
    EXPECT_TRUE(tabs->opening.confirmOpen());
    EXPECT_TRUE(services.messages().isEmpty());
}

// --- switching -------------------------------------------------------------------------------------

TEST_F(TabsTest, ClickingTabsSwitchesTheFront) {
    openPage(QStringLiteral("甲页"));
    const QString addressA = f().WebBrowser1(2).document().url();
    openPage(QStringLiteral("乙页"));
    openPage(QStringLiteral("丙页"));
    ASSERT_EQ(f().Label9.caption(), "4");

    lvClick(2);
    EXPECT_EQ(f().Label9.caption(), "2");
    expectFrontLook(f(), 2);
    expectBackLook(f(), 4);
    EXPECT_EQ(f().Text7.text(), shown(addressA));
    EXPECT_EQ(f().ORIBERISA.document(), f().WebBrowser1(2).document());
    EXPECT_TRUE(f().WebBrowser1(2).pageWidget()->hasFocus());

    // Clicking the front tab again changes nothing but the focus.
    f().Text7.setText(QStringLiteral("打字中"));
    lvClick(2);
    EXPECT_EQ(f().Label9.caption(), "2");
    EXPECT_EQ(f().Text7.text(), "打字中");

    // The icon leads to the same switch.
    iconClick(3);
    EXPECT_EQ(f().Label9.caption(), "3");
    expectFrontLook(f(), 3);
    expectBackLook(f(), 2);
}

TEST_F(TabsTest, ShownAddressStartsAtHttp) {
    server.addPage("/a", "<html><head><meta charset=\"utf-8\"><title>网页</title></head><body>x</body></html>");
    const int k = forms::openInNewTab(f(), server.urlText("/a"));
    ASSERT_TRUE(waitCaption(k, QStringLiteral("     网页")));
    openPage(QStringLiteral("另一页"));
    lvClick(k);
    EXPECT_EQ(f().Text7.text(), server.urlText("/a"));
}

TEST_F(TabsTest, HomeTitleGoesToTheTitleStrip) {
    f().WebBrowser1(1).Navigate(pageFile(QStringLiteral("导航页")));
    ASSERT_TRUE(waits::until([&] { return f().Label2(0).caption() == QStringLiteral("导航页"); }));
    EXPECT_TRUE(f().Label2(0).visible());
    // A tab's title hides the strip again.
    openPage(QStringLiteral("标签页"));
    EXPECT_FALSE(f().Label2(0).visible());
}

TEST_F(TabsTest, BackgroundTitleGoesToItsOwnTab) {
    openPage(QStringLiteral("后面"));
    openPage(QStringLiteral("前面"));
    ASSERT_EQ(f().Label9.caption(), "3");
    // The page in tab 2 changes its title while tab 3 is in front.
    f().WebBrowser1(2).document().evaluate(QStringLiteral("document.title = '后面改了'"));
    ASSERT_TRUE(waitCaption(2, QStringLiteral("     后面改了")));
    EXPECT_EQ(f().lv(3).caption(), QStringLiteral("     前面"));
}

struct TitleCase {
    const char* count;  // 字数
    const char* title;
    const char* caption;
};

TEST_F(TabsTest, TitlesAreCutToTheCharacterCount) {
    const TitleCase cases[] = {
        {"8", "三个字", "     三个字"},
        {"8", "一二三四五六七八", "     一二三四五六七八"},
        {"8", "一二三四五六七八九十", "     一二三四五六七八…"},
        {"5", "abcdefg", "     abcde…"},
        {"5", "abcde", "     abcde"},
        {"", "没有字数的时候整个标题都显示", "     没有字数的时候整个标题都显示"},
        {"x", "字数不是数字", "     字数不是数字"},
    };
    for (const auto& c : cases) {
        setAppSetting("字数", QString::fromUtf8(c.count));
        const int k = forms::openInNewTab(f(), pageFile(QString::fromUtf8(c.title)));
        EXPECT_TRUE(waitCaption(k, QString::fromUtf8(c.caption))) << c.count << " / " << c.title << " -> \""
                                                                  << f().lv(k).caption().toStdString() << "\"";
        closeByMenu(k);
        clock.advance(100);
    }
}

TEST_F(TabsTest, EmptyTitleStillTakesTheSlot) {
    openPage(QStringLiteral("有标题"));
    f().WebBrowser1(2).document().evaluate(QStringLiteral("document.title = ''"));
    ASSERT_TRUE(waitCaption(2, QStringLiteral("     ")));
    EXPECT_EQ(openPage(QStringLiteral("下一个")), 3);
}

TEST_F(TabsTest, BackFlagsFollowTheFrontTab) {
    openPage(QStringLiteral("第一页"));
    f().WebBrowser1(2).Navigate(pageFile(QStringLiteral("第二页")));
    ASSERT_TRUE(waitCaption(2, QStringLiteral("     第二页")));
    ASSERT_TRUE(waits::until([&] { return f().backFlags[2] == 1; }));
    EXPECT_EQ(f().forwardFlags[2], 0);
    f().WebBrowser1(2).GoBack();
    ASSERT_TRUE(waits::until([&] { return f().forwardFlags[2] == 1; }));
    EXPECT_EQ(f().backFlags[2], 0);

    // A tab in the back reports nothing into the flags.
    openPage(QStringLiteral("第三页"));
    f().WebBrowser1(2).GoForward();
    ASSERT_TRUE(waitCaption(2, QStringLiteral("     第二页")));
    waits::settle(100);
    EXPECT_EQ(f().forwardFlags[2], 1);
    EXPECT_EQ(f().backFlags[2], 0);
}

// --- background open and its title job -------------------------------------------------------------

TEST_F(TabsTest, BackgroundOpenKeepsTheFrontAndFillsTheTitleLater) {
    openPage(QStringLiteral("前台"));
    const int k = tabs->opening.openInBackground(pageFile(QStringLiteral("悄悄打开的页")));
    ASSERT_EQ(k, 3);
    EXPECT_EQ(f().Label9.caption(), "2");
    EXPECT_TRUE(f().lv(3).visible());
    expectBackLook(f(), 3);
    EXPECT_FALSE(f().Image1.exists(3));
    EXPECT_EQ(f().Timer4(2).tag(), "3");
    EXPECT_TRUE(f().Timer4(2).enabled());

    ASSERT_TRUE(waits::until([&] { return docTitle(3) == QStringLiteral("悄悄打开的页"); }));
    clock.advance(1000);
    EXPECT_EQ(f().lv(3).caption(), QStringLiteral("悄悄打开的页"));
    EXPECT_FALSE(f().Timer4(2).enabled());
    EXPECT_EQ(f().Label9.caption(), "2");
}

TEST_F(TabsTest, TitleJobEndsWhenItsTabIsClosed) {
    openPage(QStringLiteral("前台"));
    setAppSetting("字数", "1");  // titles never get longer than two characters
    const int k = tabs->opening.openInBackground(pageFile(QStringLiteral("长标题的页")));
    ASSERT_EQ(k, 3);
    clock.advance(1000);
    EXPECT_TRUE(f().Timer4(2).enabled());
    closeByMenu(3);
    clock.advance(2000);
    EXPECT_FALSE(f().Timer4(2).enabled());
    EXPECT_EQ(f().lv(3).caption(), "?");
}

TEST_F(TabsTest, BackgroundOpenRefusedOnlyWithoutAFreeSlot) {
    for (int k = 2; k <= 10; ++k) openPage(QStringLiteral("满%1").arg(k));
    services.clearRecords();
    EXPECT_EQ(tabs->opening.openInBackground(pageFile(QStringLiteral("不行"))), 0);
    EXPECT_EQ(services.messages(), QStringList{"标签满了，不能打开"});
    EXPECT_EQ(services.boxes()[0].style, ui::vbOKOnly + ui::vbCritical);

    // Slot 10 is still loaded, but the closed slot 4 is free: the tab opens there, behind the front.
    closeByMenu(4);
    services.clearRecords();
    EXPECT_EQ(tabs->opening.openInBackground(pageFile(QStringLiteral("第四个"))), 4);
    EXPECT_TRUE(services.messages().isEmpty());
    EXPECT_TRUE(f().lv(4).visible());
    expectBackLook(f(), 4);
    EXPECT_EQ(f().Label9.caption(), "10");
    ASSERT_TRUE(waits::until([&] { return docTitle(4) == QStringLiteral("第四个"); }));
    clock.advance(1000);
    EXPECT_EQ(f().lv(4).caption(), QStringLiteral("第四个"));
}

TEST_F(TabsTest, TwoBackgroundOpensUseTwoSlots) {
    openPage(QStringLiteral("前台"));
    EXPECT_EQ(tabs->opening.openInBackground(pageFile(QStringLiteral("后台一"))), 3);
    EXPECT_EQ(tabs->opening.openInBackground(pageFile(QStringLiteral("后台二"))), 4);
    ASSERT_TRUE(waits::until([&] { return docTitle(3) == QStringLiteral("后台一"); }));
    ASSERT_TRUE(waits::until([&] { return docTitle(4) == QStringLiteral("后台二"); }));
    EXPECT_EQ(f().Label9.caption(), "2");
}

// --- closing ---------------------------------------------------------------------------------------

TEST_F(TabsTest, ClosingTheOnlyTabBringsTheHomePageBack) {
    f().WebBrowser1(1).Navigate(pageFile(QStringLiteral("导航")));
    ASSERT_TRUE(waits::until([&] { return f().Label2(0).caption() == QStringLiteral("导航"); }));
    openPage(QStringLiteral("唯一的标签"));
    closeByMenu(2);

    EXPECT_FALSE(f().lv(2).visible());
    EXPECT_EQ(f().lv(2).caption(), "?");
    EXPECT_EQ(f().lv(2).foreColor(), kBackText);
    EXPECT_EQ(f().Label9.caption(), "1");
    EXPECT_EQ(f().Label2(0).caption(), QStringLiteral("导航"));
    EXPECT_TRUE(f().Label2(0).visible());
    EXPECT_EQ(f().Text7.text(), f().WebBrowser1(1).document().url());
    EXPECT_FALSE(f().Image1.exists(2));
    EXPECT_TRUE(f().WebBrowser1.exists(2));  // the browser goes at the teardown tick
    clock.advance(99);
    EXPECT_TRUE(f().WebBrowser1.exists(2));
    clock.advance(1);
    EXPECT_FALSE(f().WebBrowser1.exists(2));
    EXPECT_EQ(f().WebBrowser1.ubound(), 1);
    EXPECT_EQ(f4().Timer1.tag(), "0");
}

TEST_F(TabsTest, ClosingTheFrontTabBringsTheHighestVisibleTab) {
    openPage(QStringLiteral("二页"));
    openPage(QStringLiteral("三页"));
    openPage(QStringLiteral("四页"));
    openPage(QStringLiteral("五页"));
    closeByMenu(4);
    lvClick(3);
    closeByMenu(3);
    EXPECT_EQ(f().Label9.caption(), "5");
    expectFrontLook(f(), 5);
    EXPECT_EQ(f().Text7.text(), shown(f().WebBrowser1(5).document().url()));
    EXPECT_EQ(f().Command10.tag(), "5");
    // The strip closed its gap and the icons followed their labels.
    EXPECT_DOUBLE_EQ(f().lv(5).left(), f().lv(2).left() + f().lv(2).width() - 20);
    EXPECT_DOUBLE_EQ(f().Image1(5).left(), f().lv(5).left() + 50);
    clock.advance(100);
    EXPECT_FALSE(f().WebBrowser1.exists(3));
    EXPECT_FALSE(f().WebBrowser1.exists(4));
}

TEST_F(TabsTest, FrontTabDocumentFollowsTheFrontAfterCloses) {
    openPage(QStringLiteral("二页"));
    openPage(QStringLiteral("三页"));
    openPage(QStringLiteral("四页"));
    // The front tab closed: tab 3 comes to the front, and its document is attached at the teardown.
    closeByMenu(4);
    clock.advance(100);
    EXPECT_EQ(f().ORIBERISA.document(), f().WebBrowser1(3).document());

    // Close-all attaches the kept tab's document at once.
    menuOnTab(2, 3);
    EXPECT_EQ(f().ORIBERISA.document(), f().WebBrowser1(2).document());

    // The last tab closed: its browser is gone at the teardown and no tab document stays attached.
    closeByMenu(2);
    clock.advance(100);
    EXPECT_EQ(f().Label9.caption(), "1");
    EXPECT_TRUE(f().ORIBERISA.document().isNull());
}

TEST_F(TabsTest, ClosingABackTabKeepsTheFront) {
    openPage(QStringLiteral("二页"));
    openPage(QStringLiteral("三页"));
    openPage(QStringLiteral("四页"));
    closeByMenu(2);
    EXPECT_EQ(f().Label9.caption(), "4");
    expectFrontLook(f(), 4);
    EXPECT_FALSE(f().lv(2).visible());
    EXPECT_DOUBLE_EQ(f().lv(3).left(), 150 - 10);
    EXPECT_DOUBLE_EQ(f().Image1(3).left(), f().lv(3).left() + 50);
}

TEST_F(TabsTest, CloseByDoubleClickFollowsTheSetting) {
    openPage(QStringLiteral("二页"));
    openPage(QStringLiteral("三页"));
    struct Case {
        const char* setting;
        bool closes;
    };
    const Case cases[] = {{"0", false}, {"1", true}, {"", true}, {"是", true}};
    for (const auto& c : cases) {
        setAppSetting("双击关闭", QString::fromUtf8(c.setting));
        const int k = f().lv(2).visible() ? 2 : 3;
        ASSERT_TRUE(f().lv(k).visible());
        lvDoubleClick(k);
        EXPECT_EQ(!f().lv(k).visible(), c.closes) << c.setting;
        if (c.closes) {
            clock.advance(100);
            openPage(QStringLiteral("补上"));
        }
    }
}

// A swatch click of the colour picker sets its result flag; the next double-click on a tab label only
// consumes it, the one after closes the tab as usual. The flag is "1" after every swatch click, also
// when no colour was stored.
TEST_F(TabsTest, DoubleClickAfterASwatchClickOnlyConsumesThePickersFlag) {
    const int k = openPage(QStringLiteral("二页"));
    ASSERT_EQ(k, 2);
    Form8& picker = forms::window<Form8>();
    picker.Text1.onClick(63);
    ASSERT_EQ(picker.Text1(0).tag(), "1");

    lvDoubleClick(k);
    EXPECT_TRUE(f().lv(k).visible());
    EXPECT_EQ(picker.Text1(0).tag(), "0");
    lvDoubleClick(k);
    EXPECT_FALSE(f().lv(k).visible());
}

TEST_F(TabsTest, DoubleClickWithThePickerNeverOpenedMakesNoPickerWindow) {
    const int k = openPage(QStringLiteral("二页"));
    lvDoubleClick(k);
    EXPECT_FALSE(f().lv(k).visible());
    EXPECT_EQ(forms::windows().existing<Form8>(), nullptr);
}

// A picker closed since its last swatch click took its flag with it.
TEST_F(TabsTest, DoubleClickAfterThePickerClosedClosesTheTab) {
    const int k = openPage(QStringLiteral("二页"));
    Form8& picker = forms::window<Form8>();
    picker.Text1.onClick(1);
    picker.unload();
    lvDoubleClick(k);
    EXPECT_FALSE(f().lv(k).visible());
    EXPECT_EQ(forms::windows().existing<Form8>(), nullptr);
}

TEST_F(TabsTest, QuickClosesAllCountAndLeaveNoBrowserBehind) {
    for (int k = 2; k <= 6; ++k) openPage(QStringLiteral("页%1").arg(k));
    services.clearRecords();
    closeByMenu(3);
    closeByMenu(4);
    closeByMenu(6);
    EXPECT_TRUE(services.messages().isEmpty());
    for (int k : {3, 4, 6}) EXPECT_FALSE(f().lv(k).visible()) << k;
    EXPECT_EQ(f().Label9.caption(), "5");
    clock.advance(100);
    for (int k : {3, 4, 6}) EXPECT_FALSE(f().WebBrowser1.exists(k)) << k;
    EXPECT_TRUE(f().WebBrowser1.exists(2));
    EXPECT_TRUE(f().WebBrowser1.exists(5));
    EXPECT_EQ(f4().Timer1.tag(), "0");
}

TEST_F(TabsTest, SlotReopenedBeforeTheTeardownKeepsItsNewBrowser) {
    openPage(QStringLiteral("二页"));
    openPage(QStringLiteral("三页"));
    closeByMenu(3);
    web::WebBrowser* old = &f().WebBrowser1(3);
    QPointer<QWidget> oldWidget = old->widget();
    EXPECT_EQ(forms::openInNewTab(f(), pageFile(QStringLiteral("新三"))), 3);
    clock.advance(100);
    ASSERT_TRUE(f().WebBrowser1.exists(3));
    EXPECT_TRUE(f().WebBrowser1(3).visible());
    ASSERT_TRUE(waitCaption(3, QStringLiteral("     新三")));
    waits::settle(50);
    EXPECT_TRUE(oldWidget.isNull());
}

TEST_F(TabsTest, PressingAnotherLabelDuringTheTeardownDestroysOnlyTheClosedTab) {
    openPage(QStringLiteral("二页"));
    openPage(QStringLiteral("三页"));
    openPage(QStringLiteral("四页"));
    closeByMenu(4);
    lvClick(2);
    clock.advance(100);
    EXPECT_FALSE(f().WebBrowser1.exists(4));
    EXPECT_TRUE(f().WebBrowser1.exists(2));
    EXPECT_TRUE(f().WebBrowser1.exists(3));
    EXPECT_EQ(f().Label9.caption(), "2");
}

TEST_F(TabsTest, PageInABackTabClosesItsOwnTab) {
    const int closing = forms::openInNewTab(f(), pagesDir() + "/window_close.html");
    ASSERT_TRUE(waitCaption(closing, QStringLiteral("     关闭窗口")));
    openPage(QStringLiteral("前台"));
    ASSERT_EQ(f().Label9.caption(), "3");

    f().WebBrowser1(2).document().evaluate(QStringLiteral("window.close()"));
    ASSERT_TRUE(waits::until([&] { return !f().lv(2).visible(); }));
    EXPECT_EQ(f().lv(2).caption(), "?");
    EXPECT_TRUE(f().lv(3).visible());
    EXPECT_EQ(f().Label9.caption(), "3");
    expectFrontLook(f(), 3);
    clock.advance(100);
    waits::settle(50);
    EXPECT_FALSE(f().WebBrowser1.exists(2));
    EXPECT_TRUE(f().WebBrowser1.exists(3));
}

TEST_F(TabsTest, HomePageClosingItsWindowIsRefused) {
    f().WebBrowser1(1).Navigate(pagesDir() + "/window_close.html");
    ASSERT_TRUE(waits::until([&] { return f().Label2(0).caption() == QStringLiteral("关闭窗口"); }));
    openPage(QStringLiteral("标签"));
    f().WebBrowser1(1).document().evaluate(QStringLiteral("window.close()"));
    waits::settle(200);
    EXPECT_TRUE(f().lv(2).visible());
    EXPECT_TRUE(f().WebBrowser1.exists(1));
    EXPECT_FALSE(f().WebBrowser1(1).document().isNull());
}

TEST_F(TabsTest, ClosingTheListedTabStopsTheElementList) {
    openPage(QStringLiteral("二页"));
    openPage(QStringLiteral("三页"));
    openPage(QStringLiteral("四页"));
    struct Case {
        int listed;
        int closed;
        bool stops;
    };
    // The listed tab is tab 2 (in the back) or the front tab; closing another tab leaves the run.
    const Case cases[] = {{2, 3, false}, {2, 2, true}, {4, 4, true}};
    for (const auto& c : cases) {
        f().Command11.setToolTipText(QString::number(c.listed));
        f().Timer4(7).setEnabled(true);
        closeByMenu(c.closed);
        EXPECT_EQ(!f().Timer4(7).enabled(), c.stops) << c.listed << " / " << c.closed;
        f().Timer4(7).setEnabled(false);
        clock.advance(100);
        openPage(QStringLiteral("补页"));
    }
}

TEST_F(TabsTest, PoppedOutTabComesToTheFrontInsteadOfClosing) {
    openPage(QStringLiteral("二页"));
    openPage(QStringLiteral("三页"));
    f().Command7.setTag("2");
    closeByMenu(2);
    EXPECT_TRUE(f().lv(2).visible());
    EXPECT_EQ(f().Label9.caption(), "2");
    EXPECT_EQ(f().Command7.tag(), "0");
    closeByMenu(2);
    EXPECT_FALSE(f().lv(2).visible());
}

TEST_F(TabsTest, CloseAllKeepsTheClickedAndThePoppedOutTab) {
    for (int k = 2; k <= 6; ++k) openPage(QStringLiteral("页%1").arg(k));
    f().Command7.setTag("5");
    menuOnTab(3, 3);
    EXPECT_EQ(f().Label9.caption(), "3");
    expectFrontLook(f(), 3);
    EXPECT_EQ(f().Text7.text(), shown(f().WebBrowser1(3).document().url()));
    for (int k : {2, 4, 6}) {
        EXPECT_FALSE(f().lv(k).visible()) << k;
        EXPECT_EQ(f().lv(k).caption(), "?") << k;
        EXPECT_FALSE(f().WebBrowser1.exists(k)) << k;
        EXPECT_FALSE(f().Image1.exists(k)) << k;
    }
    EXPECT_TRUE(f().lv(5).visible());
    EXPECT_TRUE(f().WebBrowser1.exists(5));
    EXPECT_EQ(f().Command10.tag(), "3");
    EXPECT_DOUBLE_EQ(f().lv(3).left(), 150 - 10);
    EXPECT_DOUBLE_EQ(f().Image1(3).left(), f().lv(3).left() + 50);
}

TEST_F(TabsTest, CloseAllWithOneTabIsRefused) {
    openPage(QStringLiteral("唯一"));
    services.clearRecords();
    menuOnTab(2, 3);
    EXPECT_EQ(services.messages(), QStringList{"不包含被点击的标签"});
    EXPECT_EQ(services.boxes()[0].style, ui::vbOKOnly + ui::vbCritical);
    EXPECT_TRUE(f().lv(2).visible());
}

TEST_F(TabsTest, BackToHome) {
    f().WebBrowser1(1).Navigate(pageFile(QStringLiteral("导航")));
    ASSERT_TRUE(waits::until([&] { return f().Label2(0).caption() == QStringLiteral("导航"); }));
    openPage(QStringLiteral("二页"));
    openPage(QStringLiteral("三页"));
    menuOnTab(2, 6);
    EXPECT_EQ(f().Label9.caption(), "1");
    expectBackLook(f(), 3);
    EXPECT_EQ(f().Text7.text(), f().WebBrowser1(1).document().url());
    // With the home page in front the item brings the pressed tab to the front.
    menuOnTab(2, 6);
    EXPECT_EQ(f().Label9.caption(), "2");
    expectFrontLook(f(), 2);
}

TEST_F(TabsTest, MenuCaptionsComeFromTheCaptionsFile) {
    openPage(QStringLiteral("二页"));
    writeCaptions({"甲", "乙", "丙", "丁", "戊", "己"});
    services.queuePopupNone();
    rightPress(2);
    ASSERT_EQ(services.popups().size(), 1u);
    EXPECT_EQ(services.popups()[0].captions(), (QStringList{"甲", "乙", "丙", "丁", "戊", "己"}));
    EXPECT_EQ(f4().BQYJ100(1).tag(), "2");
    EXPECT_TRUE(f().lv(2).visible());
}
