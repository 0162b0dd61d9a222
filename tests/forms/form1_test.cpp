// The main window at creation, its public procedures, the menu owner's tree, and the window owner.
#include "support/waits.h"
#include "forms/settings.h"
#include "support/stored_settings.h"
#include "forms/windowowner.h"
#include "forms/form1.h"
#include "forms/form4.h"
#include "platform/rt/error.h"
#include "platform/sys/programfolder.h"
#include "platform/sys/windows.h"
#include "support/program/program_fixture.h"
#include "support/scripted_services.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <QWidget>

#include <functional>
#include <vector>

namespace {

struct MainWindow : ::testing::Test {
    MainWindow() {
        QDir(folder.path()).mkpath("txt");
        sys::setAppPath(folder.path());
    }
    ~MainWindow() override {
        owner.reset();
        sys::setAppPath(QString());
    }
    QTemporaryDir folder;
    ScriptedServices services;
    ManualClock clock;
    WindowOwner owner;
};

TEST_F(MainWindow, WindowAtCreation) {
    Form1& f = forms::form1();
    EXPECT_EQ(f.caption(), "Form1");
    EXPECT_TRUE(f.borderless());
    EXPECT_DOUBLE_EQ(f.width(), 10605);
    EXPECT_DOUBLE_EQ(f.height(), 7800);
    EXPECT_EQ(f.tag(), "");
    EXPECT_FALSE(f.loaded());
    EXPECT_EQ(f.windowState(), ui::vbNormal);
}

TEST_F(MainWindow, HotKeyButtonsAtCreation) {
    Form1& f = forms::form1();
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
    Form1& f = forms::form1();
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
        if (c.inContainer) {
            EXPECT_FALSE(c.control->widget()->isVisible());  // never seen
        }
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
    Form1& f = forms::form1();
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
    Form1& f = forms::form1();
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

    // the arrays not marked hidden are visible, and no control is disabled
    std::vector<std::pair<QString, ui::Control*>> shown = {{"WebBrowser1(1)", &f.WebBrowser1(1)}};
    for (int i = 0; i <= 4; ++i) shown.push_back({QString("Label2(%1)").arg(i), &f.Label2(i)});
    for (int i = 1; i <= 4; ++i) shown.push_back({QString("Line1(%1)").arg(i), &f.Line1(i)});
    for (int i = 0; i <= 3; ++i) shown.push_back({QString("Shape2(%1)").arg(i), &f.Shape2(i)});
    for (const auto& c : shown) {
        EXPECT_TRUE(c.second->visible()) << c.first.toStdString();
        EXPECT_TRUE(c.second->enabled()) << c.first.toStdString();
    }
    for (int i = 2; i <= 10; ++i) EXPECT_TRUE(f.lv(i).enabled()) << i;
    EXPECT_TRUE(f.Image1(1).enabled());

    EXPECT_EQ(f.Label6.lbound(), 0);
    EXPECT_EQ(f.Label6.ubound(), 1);
    for (int i = 0; i <= 1; ++i) {
        EXPECT_FALSE(f.Label6(i).visible());
        EXPECT_EQ(f.Label6(i).caption(), "Label6");
        EXPECT_EQ(f.Label6(i).tag(), "0");
    }
}

TEST_F(MainWindow, WindowLevelVariablesStartEmpty) {
    Form1& f = forms::form1();
    EXPECT_EQ(f.lastHoveredLink, "");
    EXPECT_EQ(f.noRefresh, 0);
    EXPECT_EQ(f.downloadPending, 0);
    EXPECT_EQ(f.hintOpenMode, 0);
    for (int k = 0; k <= 10; ++k) {
        EXPECT_EQ(f.backFlags[k], 0);
        EXPECT_EQ(f.forwardFlags[k], 0);
    }
    EXPECT_TRUE(f.M_Dom.document().isNull());
    EXPECT_TRUE(f.ORIBERISA.document().isNull());
}

TEST_F(MainWindow, FrontSlotIsComparedAsText) {
    Form1& f = forms::form1();
    const std::pair<const char*, bool> cases[] = {
        {"10", true}, {"2", true}, {"9", true}, {"1", false}, {"0", false}, {"", false}, {"Label9", true},
    };
    for (const auto& c : cases) {
        f.Label9.setCaption(c.first);
        EXPECT_EQ(f.frontIsTab(), c.second) << c.first;
    }
}

struct StartedMainWindow : ProgramFixture {};

TEST_F(StartedMainWindow, RightAfterStartTheHomeSlotIsInFrontAndNoTabIsOpen) {
    ASSERT_TRUE(start(QString(), false));
    Form1& f = f1();
    EXPECT_EQ(f.Label9.caption(), "1");
    EXPECT_FALSE(f.frontIsTab());
    EXPECT_EQ(f.WebBrowser1.ubound(), 1);
    EXPECT_EQ(f.Image1.ubound(), 1);
    const char* markers[] = {"A", "S", "D", "F", "G", "H", "J", "K", "L"};
    for (int i = 2; i <= 10; ++i) {
        EXPECT_FALSE(f.lv(i).visible()) << i;
        EXPECT_EQ(f.lv(i).caption(), markers[i - 2]) << i;
    }
    EXPECT_EQ(f.Command7.tag(), "0");  // no slot popped out
    EXPECT_FALSE(f.Command7.visible());
    EXPECT_FALSE(f4().visible());
}

TEST_F(MainWindow, FlashMsgShowsTheRefusal) {
    Form1& f = forms::form1();
    f.FlashMsg();
    ASSERT_EQ(services.boxes().size(), 1u);
    const ShownBox& b = services.boxes()[0];
    EXPECT_EQ(b.kind, ShownBox::Message);
    EXPECT_EQ(b.prompt, "窗口独立运行中，点击被中断");
    EXPECT_EQ(b.style, ui::vbCritical + ui::vbOKOnly);
    EXPECT_EQ(b.title, "Flash播放器");
}

TEST_F(MainWindow, ReadingASettingPassesItThroughText1) {
    Form1& f = forms::form1();
    const QString file = sys::appPath() + "\\txt\\应用.txt";
    sys::writeProfileString(file, "Zelvaro", "启动主页", "http://example.com/");
    EXPECT_EQ(f.OS(file, "Zelvaro", "启动主页"), "http://example.com/");
    EXPECT_EQ(f.Text1.text(), "http://example.com/");
    EXPECT_EQ(f.OS(file, "Zelvaro", "absent"), "");
    EXPECT_EQ(f.Text1.text(), "");
}

TEST_F(MainWindow, GettersReadTheirKeyThroughOS) {
    Form1& f = forms::form1();
    const QString yuyan = forms::txtPath(forms::Txt::Yuyan);
    struct Case {
        QString file;
        const char* key;
        std::function<QString()> get;
    };
    const Case cases[] = {
        {yuyan, "表格头", [&] { return f.ge1(); }},
        {yuyan, "表格尾", [&] { return f.ge2(); }},
        {yuyan, "背景色1", [&] { return f.bg1(); }},
        {yuyan, "背景色2", [&] { return f.bg2(); }},
        {forms::txtPath(forms::Txt::App), "当前标签", [&] { return f.j(); }},
        {forms::txtPath(forms::Txt::Fg), "网页右移", [&] { return f.youyi(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        sys::writeProfileString(c.file, "Zelvaro", c.key, "30");
        f.Text1.setText("before");
        const QString expected = QString(c.key) == "网页右移" ? "180" : "30";
        EXPECT_EQ(c.get(), expected);
        EXPECT_EQ(f.Text1.text(), "30");  // the value read passed through Text1
    }
}

TEST_F(MainWindow, NamedEventHandlersKeepTheirErrorsToThemselves) {
    // lv_Click and Label13_Click are event handlers: an error inside one ends it, and the statement
    // that called it goes on.
    Form1& f = forms::form1();
    QStringList ran;
    f.lv.onClick = [&](int Index) {
        ran << QString("lv %1").arg(Index);
        rt::raise(rt::TypeMismatch);
    };
    f.Label13.onClick = [&] {
        ran << "search";
        rt::raise(rt::TypeMismatch);
    };
    EXPECT_TRUE(rt::step([&] {
        f.lv_Click(3);
        ran << "after lv";
        f.Label13_Click();
        ran << "after search";
    }));
    EXPECT_EQ(ran, (QStringList{"lv 3", "after lv", "search", "after search"}));
}

TEST_F(MainWindow, YouyiAddsTheOffsetOrFailsTheCallersStatement) {
    Form1& f = forms::form1();
    storeFgSetting("网页右移", "-130");
    EXPECT_EQ(f.youyi(), "20");
    storeFgSetting("网页右移", "");
    double left = 7;
    EXPECT_FALSE(rt::step([&] { left = f.youyi().toDouble() + 40; }));
    EXPECT_EQ(left, 7);
}

TEST_F(MainWindow, PageWindowIsTheOneOfTheBrowserOnTopInThisWindow) {
    Form1& f = forms::form1();
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

TEST_F(MainWindow, ThePageWindowIsNeverThatOfTheHiddenSecondBrowser) {
    // WebBrowser22 lies in the container, not on the window: even with the container on top, the
    // page window found is that of the slot browser.
    Form1& f = forms::form1();
    f.Picture34.zOrder(0);
    EXPECT_EQ(f.zvllq9(), sys::handleOf(f.WebBrowser1(1).pageWidget()));
    EXPECT_NE(f.zvllq9(), sys::handleOf(f.WebBrowser22.pageWidget()));
}

TEST_F(MainWindow, HotKeyOfAParkedCommandButtonPressesIt) {
    Form1& f = forms::form1();
    f.show();
    f.widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.widget(), waits::limit()));
    std::vector<int> pressed;
    f.Command2.onClick = [&](int index) { pressed.push_back(index); };
    f.Command2(14).setCaption("&Z");
    QTest::keyClick(f.widget(), Qt::Key_Z, Qt::AltModifier);
    EXPECT_EQ(pressed, std::vector<int>{14});
}

// --- the menu owner ---------------------------------------------------------------------------------

// One line per item, indented by its depth: name, index in brackets, caption.
void outline(const ui::Menu& menu, int depth, QString& out) {
    for (const ui::Menu* item : menu.items()) {
        out += QString(depth * 2, ' ') + item->name();
        if (item->array()) out += QString("(%1)").arg(item->index());
        out += " " + item->caption() + "\n";
        outline(*item, depth + 1, out);
    }
}

QString numbered(const QString& indent, const QString& array, const QString& prefix, int first, int last) {
    QString out;
    for (int i = first; i <= last; ++i) {
        const QString n = QString::number(i);
        out += indent + array + "(" + n + ") " + prefix + n + "\n";
    }
    return out;
}

TEST_F(MainWindow, MenuOwnerHoldsTheWholeTreeInDisplayOrder) {
    Form4& m = forms::form4();
    const QString expected[] = {
        "BQYJ100(1) 关闭\nBQYJ100(2) 刷新\nBQYJ100(3) 全部关闭\nBQYJ100(4) 短网址\nBQYJ100(5) ie打开\n"
        "BQYJ100(6) 回到导航\n",

        "BJDH100(1) 连接\nBJDH100(2) 图片\nBJDH100(3) 宽度\nBJDH100(4) 高度\nBJDH100(5) 标题\nBJDH100(6) 换行\n"
        "BJDH100(7) 还原连接\nBJDH100(8) 新建连接\nBJDH100(9) 删除\nBJDH100(10) 初始化\nBJDH100(11) 打开文件\n",

        "DZYJ100(1) 粘贴打开\nDZYJ100(2) TOP\n" + numbered("  ", "top20", "top", 1, 10) +
            "DZYJ100(3) 复制\nDZYJ100(4) http://\nDZYJ100(5) 标签打开\nDZYJ100(6) 在左边\n",

        "caidan100(1) 收藏\ncaidan100(2) 换颜色\n"
        "  peise(1) 灰(&1)\n  peise(2) 紫(&2)\n  peise(3) 黑(&3)\n  peise(4) 蓝(&4)\n  peise(5) 界面图片(&A)\n"
        "  peise(6) 界面边距(&S)\n"
        "aaa -\n"
        "WYJZ 网页加载\n"
        "  WYJZ100(0) 框架不加载 + 强行简化\n  WYJZ100(1) 脚本被删除\n  WYJZ100(2) 框架被删除\n  WYJZ100(3) -\n"
        "  WYJZ100(4) 图片不显示(重启生效)\n  WYJZ100(5) 控件不加载(重启生效)\n  WYJZ100(6) 脚本不运行(重启生效)\n"
        "SSYQ 搜索引擎\n" + numbered("  ", "SSYQ100", "搜索", 1, 9) + "  SSYQ100(10) ？\n"
        "WYSF 网页缩放\n"
        "  WYSF100(1) 300%\n  WYSF100(2) 200%\n  WYSF100(3) 150%\n  WYSF100(4) 100%\n  WYSF100(5) 90%\n"
        "  WYSF100(6) 80%\n  WYSF100(7) 70%\n  WYSF100(8) ？\n"
        "RCGJ 日常工具\n"
        "  RCGJ100(1) 计算器\n  RCGJ100(2) 查找\n  RCGJ100(3) 保存网页\n  RCGJ100(4) 界面左边\n  RCGJ100(5) 界面右边\n"
        "  RCGJ100(6) -\n  RCGJ100(7) 临时隐藏<A>\n  RCGJ100(8) 临时隐藏<IMG>\n  RCGJ100(9) 临时隐藏<IFRAME>\n"
        "  RCGJ100(10) 临时隐藏<OBJECT>\n"
        "bbb -\n"
        "LISHI(1) 收藏历史\nLISHI(2) 浏览历史\nLISHI(3) 下载历史\nLISHI(4) ie浏览器\nLISHI(5) ie选项\n"
        "ccc -\n"
        "GB(1) 重启\nGB(2) 退出\nGB(3) 关于\nGB(4) 设置\n",

        "WDYJ100(1) 后退\nWDYJ100(2) 前进\nWDYJ100(3) 复制\nWDYJ100(4) 粘贴\nWDYJ100(5) 查看图片\n"
        "ddd -\n"
        "DK100(1) 标签打开\nDK100(2) 直接打开\nDK100(3) 悄悄打开\nDK100(4) 网页填空\n" +
            numbered("  ", "TK100", "标题", 1, 9) + "  TK100(10) ?\n"
        "eee -\n"
        "SX100(1) 网页顶部\nSX100(2) 重新加载\nSX100(3) 网页底部\n"
        "fff -\n"
        "GIS100(1) 关闭标签\nGIS100(2) ie打开\nGIS100(3) 复制搜索\n"
        "ggg -\n"
        "yuanma100(1) 标记源码\n"
        "  BJYM100(0) 00<?>\n  BJYM100(1) 01<A>\n  BJYM100(2) 02<form>\n  BJYM100(3) 03<img>\n"
        "  BJYM100(4) 04<input>\n  BJYM100(5) 05<iframe>\n  BJYM100(6) 06<link>\n  BJYM100(7) 07<object>\n"
        "  BJYM100(8) 08<style>\n  BJYM100(9) 09<script>\n  BJYM100(10) 10<table>\n  BJYM100(11) 11<标记名>\n"
        "  BJYM100(12) 12<隐藏标记>\n"
        "  hhh -\n"
        "  html100(1) 01>HTML\n  html100(2) 02>HEAD\n  html100(3) 03>BODY\n  html100(4) 04>标记参数\n"
        "    CS100(1) 01<href>\n    CS100(2) 02<src>\n    CS100(3) 03<id>\n    CS100(4) 04<name>\n"
        "    CS100(5) 05<title>\n    CS100(6) 06<value>\n    CS100(7) 07<type>\n    CS100(8) 08<style>\n"
        "    CS100(9) 09<class>\n    CS100(10) 10<onclick>\n    CS100(11) 11<标记属性>\n"
        "yuanma100(2) 网页得分\n",
    };
    const std::pair<ui::Menu*, const char*> tops[] = {
        {&m.BQYJ, "标签右键"}, {&m.BJDH, "编辑导航"}, {&m.DZYJ, "地址右键"}, {&m.caidan, "菜单"}, {&m.WDYJ, "文档右键"},
    };
    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE(tops[k].first->name().toStdString());
        EXPECT_EQ(tops[k].first->caption(), QString::fromUtf8(tops[k].second));
        EXPECT_EQ(tops[k].first->array(), nullptr);
        QString got;
        outline(*tops[k].first, 0, got);
        EXPECT_EQ(got.toStdString(), expected[k].toStdString());
    }
    // the full-width question mark closes the engine and zoom lists, the ASCII one the form-fill list
    EXPECT_EQ(m.SSYQ100(10).caption(), QString(QChar(0xFF1F)));
    EXPECT_EQ(m.WYSF100(8).caption(), QString(QChar(0xFF1F)));
    EXPECT_EQ(m.TK100(10).caption(), "?");
    EXPECT_TRUE(m.WYJZ100(3).isSeparator());
    EXPECT_TRUE(m.RCGJ100(6).isSeparator());
}

void expectDesignState(const ui::Menu& menu) {
    for (const ui::Menu* item : menu.items()) {
        SCOPED_TRACE(QString("%1(%2)").arg(item->name()).arg(item->index()).toStdString());
        EXPECT_FALSE(item->checked());
        EXPECT_TRUE(item->enabled());
        EXPECT_TRUE(item->visible());
        EXPECT_EQ(item->tag(), "");
        expectDesignState(*item);
    }
}

TEST_F(MainWindow, NoMenuItemIsCheckedDisabledHiddenOrTaggedWhenMade) {
    Form4& m = forms::form4();
    for (const ui::Menu* top : {&m.BQYJ, &m.BJDH, &m.DZYJ, &m.caidan, &m.WDYJ}) expectDesignState(*top);
}

TEST_F(MainWindow, MenuOwnerTimerAndVisibility) {
    Form4& m = forms::form4();
    EXPECT_EQ(m.Timer1.interval(), 100);
    EXPECT_FALSE(m.Timer1.enabled());
    EXPECT_EQ(m.Timer1.tag(), "0");
    EXPECT_FALSE(m.visible());
    EXPECT_EQ(&forms::form4(), &m);  // one instance
}

TEST_F(MainWindow, ChoosingAMainMenuItemRunsItsArrayHandlerWithTheIndex) {
    Form4& m = forms::form4();
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

// The handlers of a Probe window, made with each one.
struct ProbeHandlers {
    static QStringList log;
    static int alive;
    explicit ProbeHandlers(Probe& p) {
        ++alive;
        log << "setup";
        p.onLoad = [] { log << "load"; };
    }
    ~ProbeHandlers() { --alive; }
};
QStringList ProbeHandlers::log;
int ProbeHandlers::alive = 0;

TEST_F(MainWindow, OwnerMakesAWindowOnFirstUseAndLoadsItHidden) {
    Probe::made = 0;
    ProbeHandlers::log.clear();
    forms::windows().addHandlers<Probe, ProbeHandlers>();
    EXPECT_EQ(forms::windows().existing<Probe>(), nullptr);
    Probe& p = forms::window<Probe>();
    Probe& again = forms::window<Probe>();
    EXPECT_EQ(&p, &again);
    EXPECT_EQ(Probe::made, 1);
    EXPECT_TRUE(p.loaded());
    EXPECT_FALSE(p.visible());
    EXPECT_EQ(ProbeHandlers::log, (QStringList{"setup", "load"}));
}

TEST_F(MainWindow, AnUnloadedWindowIsMadeAfreshWithHandlersOfItsOwn) {
    Probe::made = 0;
    ProbeHandlers::log.clear();
    ProbeHandlers::alive = 0;
    forms::windows().addHandlers<Probe, ProbeHandlers>();
    Probe& first = forms::window<Probe>();
    first.show();
    first.unload();
    EXPECT_EQ(forms::windows().existing<Probe>(), nullptr);
    Probe& second = forms::window<Probe>();
    EXPECT_EQ(Probe::made, 2);
    EXPECT_EQ(ProbeHandlers::log, (QStringList{"setup", "load", "setup", "load"}));
    EXPECT_TRUE(second.loaded());
    // The old window and its handlers go once the current event is over; the new ones stay.
    EXPECT_EQ(ProbeHandlers::alive, 2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(ProbeHandlers::alive, 1);
    forms::windows().reset();
    EXPECT_EQ(ProbeHandlers::alive, 0);
}

TEST_F(MainWindow, HandlersRegisteredAfterTheWindowWasMadeStillComeToIt) {
    // A window touched before its handlers were registered gets them at the registration, its load
    // handler included, and only once.
    Probe::made = 0;
    ProbeHandlers::log.clear();
    ProbeHandlers::alive = 0;
    Probe& early = forms::window<Probe>();
    ASSERT_TRUE(early.loaded());
    forms::windows().addHandlers<Probe, ProbeHandlers>();
    EXPECT_EQ(ProbeHandlers::log, (QStringList{"setup", "load"}));
    EXPECT_EQ(&forms::window<Probe>(), &early);
    EXPECT_EQ(ProbeHandlers::log, (QStringList{"setup", "load"}));
    EXPECT_EQ(ProbeHandlers::alive, 1);
    forms::windows().reset();
    EXPECT_EQ(ProbeHandlers::alive, 0);
}

TEST_F(MainWindow, MainWindowAndMenuOwnerAreNeverMadeAgain) {
    // Subsystems hold references to both: an unload that went through must not make a second one.
    Form1& f = forms::form1();
    Form4& m = forms::form4();
    f.show();
    ASSERT_TRUE(f.unload());  // no unload handler here to cancel it
    ASSERT_TRUE(m.unload());
    EXPECT_EQ(&forms::form1(), &f);
    EXPECT_EQ(&forms::form4(), &m);
    EXPECT_FALSE(m.visible());
    f.Label9.setCaption("7");  // still a live window
    EXPECT_EQ(forms::form1().Label9.caption(), "7");
}

TEST_F(MainWindow, MainWindowIsMadeOnceAndNotLoadedByTheOwner) {
    Form1& a = forms::form1();
    Form1& b = forms::windows().form1();
    EXPECT_EQ(&a, &b);
    EXPECT_FALSE(a.loaded());
}

}  // namespace
