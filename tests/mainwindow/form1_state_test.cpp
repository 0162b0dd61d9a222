// The main window at creation, its public procedures, the menu owner's tree, and the window owner.
#include "app/config.h"
#include "app/windowowner.h"
#include "mainwindow/form1.h"
#include "mainwindow/form4.h"
#include "platform/rt/error.h"
#include "platform/sys/programfolder.h"
#include "platform/sys/windows.h"
#include "support/scripted_services.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <QWidget>

namespace {

struct MainWindow : ::testing::Test {
    MainWindow() {
        QDir(folder.path()).mkpath("txt");
        sys::setAppPath(folder.path());
    }
    ~MainWindow() override {
        app::windows().reset();
        sys::setAppPath(QString());
    }
    QTemporaryDir folder;
    ScriptedServices services;
    ManualClock clock;
};

TEST_F(MainWindow, WindowAtCreation) {
    Form1& f = app::form1();
    EXPECT_EQ(f.caption(), "Form1");
    EXPECT_TRUE(f.borderless());
    EXPECT_DOUBLE_EQ(f.width(), 10605);
    EXPECT_DOUBLE_EQ(f.height(), 7800);
    EXPECT_EQ(f.tag(), "");
    EXPECT_FALSE(f.loaded());
    EXPECT_EQ(f.windowState(), ui::vbNormal);
}

TEST_F(MainWindow, HotKeyButtonsAtCreation) {
    Form1& f = app::form1();
    const char* captions[] = {"Zelvaro设置", "打字搜索", "切换右键", "收藏历史", "网页历史", "下载历史",
                              "大化窗口",   "小化窗口", "关闭窗口", "?",        "拖入图片"};
    EXPECT_EQ(f.Command2.lbound(), 11);
    EXPECT_EQ(f.Command2.ubound(), 21);
    for (int i = 11; i <= 21; ++i) {
        EXPECT_EQ(f.Command2(i).caption(), QString::fromUtf8(captions[i - 11])) << i;
        EXPECT_TRUE(f.Command2(i).visible()) << i;
        EXPECT_TRUE(f.Command2(i).enabled()) << i;
        EXPECT_EQ(f.Command2(i).widget()->parentWidget(), f.client()) << i;
    }
}

TEST_F(MainWindow, ControlsAtCreation) {
    Form1& f = app::form1();
    struct Case {
        const char* name;
        ui::Control* control;
        bool visible;
        bool inContainer;
        QString tag;
    };
    const Case cases[] = {
        {"Text7", &f.Text7, false, false, ""},         {"List1", &f.List1, false, false, ""},
        {"Command7", &f.Command7, false, false, "0"},  {"Picture34", &f.Picture34, false, false, ""},
        {"Command11", &f.Command11, true, true, ""},   {"Command10", &f.Command10, true, true, ""},
        {"Command9", &f.Command9, true, true, ""},     {"Command8", &f.Command8, true, true, ""},
        {"Command3", &f.Command3, true, true, ""},     {"Command4", &f.Command4, true, true, ""},
        {"Command58", &f.Command58, true, true, ""},   {"Command39", &f.Command39, true, true, ""},
        {"Command1", &f.Command1, false, true, ""},    {"Command12", &f.Command12, false, true, ""},
        {"WebBrowser22", &f.WebBrowser22, true, true, ""}, {"Label9", &f.Label9, true, true, ""},
        {"Label13", &f.Label13, true, true, ""},       {"Label1", &f.Label1, false, true, ""},
        {"Command24", &f.Command24, true, false, ""},  {"Text1", &f.Text1, false, false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.control->visible(), c.visible);
        EXPECT_TRUE(c.control->enabled());
        EXPECT_EQ(c.control->tag(), c.tag);
        QWidget* expectedParent = c.inContainer ? f.Picture34.container() : f.client();
        EXPECT_EQ(c.control->widget()->parentWidget(), expectedParent);
        if (c.inContainer) EXPECT_FALSE(c.control->widget()->isVisible());  // never seen
    }
    EXPECT_EQ(f.Text7.text(), "Text7");
    EXPECT_EQ(f.List1.listCount(), 0);
    EXPECT_EQ(f.Command7.caption(), "Flash");
    const std::pair<ui::CommandButton*, const char*> buttons[] = {
        {&f.Command11, "Command11"}, {&f.Command10, "Command10"}, {&f.Command9, "Command9"},
        {&f.Command8, "Command8"},   {&f.Command3, "导航加载"},    {&f.Command4, "查看图片"},
        {&f.Command58, "八标签"},    {&f.Command39, "按钮大小"},   {&f.Command1, "网络"},
        {&f.Command12, "记录键"},    {&f.Command24, "Command24"},
    };
    for (const auto& b : buttons) EXPECT_EQ(b.first->caption(), QString::fromUtf8(b.second));
    EXPECT_DOUBLE_EQ(f.WebBrowser22.width(), 255);
    EXPECT_DOUBLE_EQ(f.WebBrowser22.height(), 255);
    EXPECT_EQ(f.Label9.caption(), "Label9");
    EXPECT_EQ(f.Label13.caption(), "检索");
    EXPECT_EQ(f.Label1.caption(), "http://www");
    EXPECT_DOUBLE_EQ(f.Command24.top(), -500);
    EXPECT_DOUBLE_EQ(f.Command24.width(), 255);
    EXPECT_DOUBLE_EQ(f.Command24.height(), 255);
    EXPECT_EQ(f.Text1.text(), "http://");
}

TEST_F(MainWindow, DelayedJobTimersAtCreation) {
    Form1& f = app::form1();
    const int intervals[] = {3000, 3000, 1000, 400, 1000, 500, 10000, 70, 100, 1000, 1000};
    EXPECT_EQ(f.Timer4.lbound(), 0);
    EXPECT_EQ(f.Timer4.ubound(), 10);
    for (int i = 0; i <= 10; ++i) {
        EXPECT_FALSE(f.Timer4(i).enabled()) << i;
        EXPECT_EQ(f.Timer4(i).interval(), intervals[i]) << i;
        EXPECT_EQ(f.Timer4(i).tag(), "") << i;
    }
    int ticks = 0;
    f.Timer4.setItemSetup([&](int, ui::Timer& t) { t.onTimer = [&] { ++ticks; }; });
    clock.advance(20000);
    EXPECT_EQ(ticks, 0);  // nothing runs until started
}

TEST_F(MainWindow, SlotArraysAndLabelArraysAtCreation) {
    Form1& f = app::form1();
    EXPECT_EQ(f.WebBrowser1.lbound(), 1);
    EXPECT_EQ(f.WebBrowser1.ubound(), 1);
    EXPECT_EQ(f.WebBrowser1(1).tag(), "0");
    EXPECT_EQ(f.Image1.ubound(), 1);
    EXPECT_FALSE(f.Image1(1).visible());

    EXPECT_EQ(f.Label2.lbound(), 0);
    EXPECT_EQ(f.Label2.ubound(), 4);
    const char* label2[] = {"Label2", "x", "x", "x", "Label2"};
    for (int i = 0; i <= 4; ++i) {
        EXPECT_EQ(f.Label2(i).caption(), label2[i]) << i;
        EXPECT_EQ(f.Label2(i).backStyle(), 0) << i;
        EXPECT_EQ(f.Label2(i).tag(), "") << i;
    }
    EXPECT_DOUBLE_EQ(f.Label2(0).left(), 120);
    EXPECT_DOUBLE_EQ(f.Label2(0).top(), 40);
    for (int i = 1; i <= 3; ++i) EXPECT_DOUBLE_EQ(f.Label2(i).top(), 0) << i;

    EXPECT_EQ(f.Line1.lbound(), 1);
    EXPECT_EQ(f.Line1.ubound(), 4);

    const char* markers[] = {"A", "S", "D", "F", "G", "H", "J", "K", "L"};
    EXPECT_EQ(f.lv.lbound(), 2);
    EXPECT_EQ(f.lv.ubound(), 10);
    for (int i = 2; i <= 10; ++i) {
        EXPECT_FALSE(f.lv(i).visible()) << i;
        EXPECT_EQ(f.lv(i).caption(), markers[i - 2]) << i;
        EXPECT_EQ(f.lv(i).backStyle(), 1) << i;
    }

    EXPECT_EQ(f.Shape2.lbound(), 0);
    EXPECT_EQ(f.Shape2.ubound(), 3);
    for (int i = 1; i <= 3; ++i) EXPECT_DOUBLE_EQ(f.Shape2(i).top(), 0) << i;

    EXPECT_EQ(f.Label6.lbound(), 0);
    EXPECT_EQ(f.Label6.ubound(), 1);
    for (int i = 0; i <= 1; ++i) {
        EXPECT_FALSE(f.Label6(i).visible());
        EXPECT_EQ(f.Label6(i).caption(), "Label6");
        EXPECT_EQ(f.Label6(i).tag(), "0");
    }
}

TEST_F(MainWindow, WindowLevelVariablesStartEmpty) {
    Form1& f = app::form1();
    EXPECT_EQ(f.lastHoveredLink, "");
    EXPECT_EQ(f.noRefresh, 0);
    EXPECT_EQ(f.downloadPending, 0);
    EXPECT_EQ(f.hintOpenMode, 0);
    for (int k = 0; k <= 10; ++k) {
        EXPECT_EQ(f.backFlags[k], 0);
        EXPECT_EQ(f.forwardFlags[k], 0);
    }
    EXPECT_TRUE(f.M_Dom().isNull());
    EXPECT_TRUE(f.ORIBERISA().isNull());
}

TEST_F(MainWindow, FrontSlotIsComparedAsText) {
    Form1& f = app::form1();
    const std::pair<const char*, bool> cases[] = {
        {"10", true}, {"2", true}, {"9", true}, {"1", false}, {"0", false}, {"", false}, {"Label9", true},
    };
    for (const auto& c : cases) {
        f.Label9.setCaption(c.first);
        EXPECT_EQ(f.frontIsTab(), c.second) << c.first;
    }
}

TEST_F(MainWindow, FlashMsgShowsTheRefusal) {
    Form1& f = app::form1();
    f.FlashMsg();
    ASSERT_EQ(services.boxes().size(), 1u);
    const ShownBox& b = services.boxes()[0];
    EXPECT_EQ(b.kind, ShownBox::Message);
    EXPECT_EQ(b.prompt, "窗口独立运行中，点击被中断");
    EXPECT_EQ(b.style, ui::vbCritical + ui::vbOKOnly);
    EXPECT_EQ(b.title, "Flash播放器");
}

TEST_F(MainWindow, ReadingASettingPassesItThroughText1) {
    Form1& f = app::form1();
    const QString file = sys::appPath() + "\\txt\\应用.txt";
    f.XIERU(file, "Zelvaro", "启动主页", "http://example.com/");
    EXPECT_EQ(f.OS(file, "Zelvaro", "启动主页"), "http://example.com/");
    EXPECT_EQ(f.Text1.text(), "http://example.com/");
    EXPECT_EQ(f.OS(file, "Zelvaro", "absent"), "");
    EXPECT_EQ(f.Text1.text(), "");
}

TEST_F(MainWindow, YouyiAddsTheOffsetOrFailsTheCallersStatement) {
    Form1& f = app::form1();
    app::writeFgSetting("网页右移", "-130");
    EXPECT_EQ(f.youyi(), "20");
    app::writeFgSetting("网页右移", "");
    double left = 7;
    EXPECT_FALSE(rt::step([&] { left = f.youyi().toDouble() + 40; }));
    EXPECT_EQ(left, 7);
}

TEST_F(MainWindow, PageWindowIsTheOneOfTheBrowserOnTopInThisWindow) {
    Form1& f = app::form1();
    EXPECT_EQ(f.zvllq9(), sys::handleOf(f.WebBrowser1(1).pageWidget()));
    web::WebBrowser& tab = f.WebBrowser1.load(2);
    tab.setVisible(true);
    tab.zOrder(0);
    EXPECT_EQ(f.zvllq9(), sys::handleOf(tab.pageWidget()));
    // Another window with the same title does not count.
    Form1 other;
    other.setCaption(f.caption());
    other.WebBrowser1(1).zOrder(0);
    EXPECT_EQ(f.zvllq9(), sys::handleOf(tab.pageWidget()));
}

TEST_F(MainWindow, HotKeyOfAParkedCommandButtonPressesIt) {
    Form1& f = app::form1();
    f.show();
    f.widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.widget()));
    std::vector<int> pressed;
    f.Command2.onClick = [&](int index) { pressed.push_back(index); };
    f.Command2(14).setCaption("&Z");
    QTest::keyClick(f.widget(), Qt::Key_Z, Qt::AltModifier);
    EXPECT_EQ(pressed, std::vector<int>{14});
}

// --- the menu owner ---------------------------------------------------------------------------------

QStringList captionsOf(const ui::Menu& menu) {
    QStringList out;
    for (const ui::Menu* item : menu.items()) out << item->caption();
    return out;
}

TEST_F(MainWindow, MenuOwnerHoldsTheTopMenusInOrder) {
    Form4& m = app::form4();
    EXPECT_EQ(captionsOf(m.BQYJ), (QStringList{"关闭", "刷新", "全部关闭", "短网址", "ie打开", "回到导航"}));
    EXPECT_EQ(captionsOf(m.BJDH), (QStringList{"连接", "图片", "宽度", "高度", "标题", "换行", "还原连接",
                                                "新建连接", "删除", "初始化", "打开文件"}));
    EXPECT_EQ(captionsOf(m.DZYJ), (QStringList{"粘贴打开", "TOP", "复制", "http://", "标签打开", "在左边"}));
    EXPECT_EQ(captionsOf(m.DZYJ100(2)).size(), 10);
    EXPECT_EQ(m.top20(10).caption(), "top10");
    EXPECT_EQ(captionsOf(m.caidan),
              (QStringList{"收藏", "换颜色", "-", "网页加载", "搜索引擎", "网页缩放", "日常工具", "-", "收藏历史",
                           "浏览历史", "下载历史", "ie浏览器", "ie选项", "-", "重启", "退出", "关于", "设置"}));
    EXPECT_EQ(captionsOf(m.WDYJ),
              (QStringList{"后退", "前进", "复制", "粘贴", "查看图片", "-", "标签打开", "直接打开", "悄悄打开",
                           "网页填空", "-", "网页顶部", "重新加载", "网页底部", "-", "关闭标签", "ie打开", "复制搜索",
                           "-", "标记源码", "网页得分"}));
}

TEST_F(MainWindow, MenuOwnerSubmenus) {
    Form4& m = app::form4();
    EXPECT_EQ(captionsOf(m.caidan100(2)),
              (QStringList{"灰(&1)", "紫(&2)", "黑(&3)", "蓝(&4)", "界面图片(&A)", "界面边距(&S)"}));
    EXPECT_EQ(m.WYJZ100.lbound(), 0);
    EXPECT_TRUE(m.WYJZ100(3).isSeparator());
    EXPECT_EQ(m.WYJZ100(0).caption(), "框架不加载 + 强行简化");
    EXPECT_EQ(m.SSYQ100(9).caption(), "搜索9");
    EXPECT_EQ(m.SSYQ100(10).caption(), "？");
    EXPECT_EQ(captionsOf(m.WYSF), (QStringList{"300%", "200%", "150%", "100%", "90%", "80%", "70%", "？"}));
    EXPECT_TRUE(m.RCGJ100(6).isSeparator());
    EXPECT_EQ(m.RCGJ100(10).caption(), "临时隐藏<OBJECT>");
    EXPECT_EQ(m.TK100(1).caption(), "标题1");
    EXPECT_EQ(m.TK100(10).caption(), "?");
    EXPECT_EQ(m.TK100(1).parent(), &m.DK100(4));
    const QStringList source = captionsOf(m.yuanma100(1));
    EXPECT_EQ(source.size(), 13 + 1 + 4);
    EXPECT_EQ(source.first(), "00<?>");
    EXPECT_EQ(source[13], "-");
    EXPECT_EQ(source.last(), "04>标记参数");
    EXPECT_EQ(m.CS100(11).caption(), "11<标记属性>");
    EXPECT_EQ(m.CS100(1).parent(), &m.html100(4));
    // nothing is checked, disabled or hidden when the menus are made
    for (const ui::Menu* item : m.caidan.items()) {
        EXPECT_FALSE(item->checked());
        EXPECT_TRUE(item->enabled());
        EXPECT_TRUE(item->visible());
        EXPECT_EQ(item->tag(), "");
    }
}

TEST_F(MainWindow, MenuOwnerTimerAndVisibility) {
    Form4& m = app::form4();
    EXPECT_EQ(m.Timer1.interval(), 100);
    EXPECT_FALSE(m.Timer1.enabled());
    EXPECT_EQ(m.Timer1.tag(), "0");
    EXPECT_FALSE(m.visible());
    EXPECT_EQ(&app::form4(), &m);  // one instance
}

TEST_F(MainWindow, ChoosingAMainMenuItemRunsItsArrayHandlerWithTheIndex) {
    Form4& m = app::form4();
    std::vector<int> ran;
    m.LISHI.onClick = [&](int index) { ran.push_back(index); };
    services.queuePopupCaption("下载历史");
    ui::popupMenu(m.caidan);
    EXPECT_EQ(ran, std::vector<int>{3});
}

// --- the window owner -------------------------------------------------------------------------------

struct Probe : ui::Form {
    static int made;
    Probe() { ++made; }
};
int Probe::made = 0;

TEST_F(MainWindow, OwnerMakesAWindowOnFirstUseAndLoadsItHidden) {
    Probe::made = 0;
    QStringList log;
    app::windows().setSetup<Probe>([&](Probe& p) {
        log << "setup";
        p.onLoad = [&log] { log << "load"; };
    });
    EXPECT_EQ(app::windows().existing<Probe>(), nullptr);
    Probe& p = app::window<Probe>();
    Probe& again = app::window<Probe>();
    EXPECT_EQ(&p, &again);
    EXPECT_EQ(Probe::made, 1);
    EXPECT_TRUE(p.loaded());
    EXPECT_FALSE(p.visible());
    EXPECT_EQ(log, (QStringList{"setup", "load"}));
}

TEST_F(MainWindow, AnUnloadedWindowIsMadeAfreshOnItsNextUse) {
    Probe::made = 0;
    int loads = 0;
    app::windows().setSetup<Probe>([&](Probe& p) { p.onLoad = [&loads] { ++loads; }; });
    Probe& first = app::window<Probe>();
    first.show();
    first.unload();
    EXPECT_EQ(app::windows().existing<Probe>(), nullptr);
    Probe& second = app::window<Probe>();
    EXPECT_EQ(Probe::made, 2);
    EXPECT_EQ(loads, 2);
    EXPECT_TRUE(second.loaded());
}

TEST_F(MainWindow, MainWindowIsMadeOnceAndNotLoadedByTheOwner) {
    Form1& a = app::form1();
    Form1& b = app::windows().form1();
    EXPECT_EQ(&a, &b);
    EXPECT_FALSE(a.loaded());
}

}  // namespace
