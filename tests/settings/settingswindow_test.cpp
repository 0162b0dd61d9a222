// The settings window: what its load shows for the stored settings (exact ticking texts, colours,
// texts, the two lists), the title strip, the page buttons, the save indicator and the hint box.
#include "settings_fixture.h"

#include "forms/documentmode.h"
#include "platform/sys/windows.h"
#include "settings/colourfields.h"
#include "settings/hintbox.h"
#include "settings/settingswindow.h"
#include "settings/titlestrip.h"

#include <QApplication>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

using Txt = forms::Txt;

// A switch, the text that ticks it and a text that comes close without ticking it.
struct SwitchRow {
    Txt file;
    const char* key;
    std::function<ui::CheckBox&(Form5&)> box;
    const char* ticking;
    const char* nearMiss;
};

const SwitchRow kSwitches[] = {
    {Txt::App, "快捷方式", [](Form5& w) -> ui::CheckBox& { return w.Check1(1); }, "有", "有 "},
    {Txt::App, "连接提示", [](Form5& w) -> ui::CheckBox& { return w.Check1(2); }, "1", "1 "},
    {Txt::App, "网页右键", [](Form5& w) -> ui::CheckBox& { return w.Check1(3); }, "False", "false"},
    {Txt::App, "关闭拖拽", [](Form5& w) -> ui::CheckBox& { return w.Check1(4); }, "False", "0"},
    {Txt::App, "退出确认", [](Form5& w) -> ui::CheckBox& { return w.Check1(5); }, "1", "2"},
    {Txt::App, "网址栏框", [](Form5& w) -> ui::CheckBox& { return w.Check1(6); }, "是", "是 "},
    {Txt::App, "禁止拖拽", [](Form5& w) -> ui::CheckBox& { return w.Check16(1); }, "False", "FALSE"},
    {Txt::App, "禁止滚轮", [](Form5& w) -> ui::CheckBox& { return w.Check16(2); }, "False", ""},
    {Txt::App, "禁止选中", [](Form5& w) -> ui::CheckBox& { return w.Check16(3); }, "False", "True"},
    {Txt::App, "禁止左键", [](Form5& w) -> ui::CheckBox& { return w.Check16(4); }, "False", " False"},
    {Txt::App, "默认浏览器", [](Form5& w) -> ui::CheckBox& { return w.Check20; }, "1", "1.0"},
    {Txt::App, "过滤连接", [](Form5& w) -> ui::CheckBox& { return w.Check3; }, "1", "01"},
    {Txt::App, "固定宽度", [](Form5& w) -> ui::CheckBox& { return w.Check22(1); }, "1", "1 "},
    {Txt::App, "双击关闭", [](Form5& w) -> ui::CheckBox& { return w.Check22(2); }, "1", "true"},
    {Txt::App, "弹出小化", [](Form5& w) -> ui::CheckBox& { return w.Check22(3); }, "1", "0"},
    {Txt::App, "Flash按钮", [](Form5& w) -> ui::CheckBox& { return w.Check22(4); }, "1", "１"},
    {Txt::App, "字体加粗", [](Form5& w) -> ui::CheckBox& { return w.Check22(5); }, "True", "true"},
    {Txt::App, "UA", [](Form5& w) -> ui::CheckBox& { return w.Check2; }, "1", "True"},
};

// A text field and the stored text it shows unchanged.
struct TextRow {
    Txt file;
    const char* key;
    std::function<ui::TextBox&(Form5&)> box;
    const char* stored;
};

const TextRow kTexts[] = {
    {Txt::App, "软件命名", [](Form5& w) -> ui::TextBox& { return w.Text1(0); }, " 我的 <b>浏览器</b> "},
    {Txt::App, "启动主页", [](Form5& w) -> ui::TextBox& { return w.Text1(1); }, "http://example.com/a b"},
    {Txt::App, "Lv20", [](Form5& w) -> ui::TextBox& { return w.Text51(1); }, "ads>popup>"},
    {Txt::Fg, "界面图片", [](Form5& w) -> ui::TextBox& { return w.Text3; }, "/tmp/皮肤 1.jpg"},
    {Txt::App, "Zelvaro设置", [](Form5& w) -> ui::TextBox& { return w.Text9(11); }, "s"},
    {Txt::App, "打字搜索", [](Form5& w) -> ui::TextBox& { return w.Text9(12); }, "D"},
    {Txt::App, "切换右键", [](Form5& w) -> ui::TextBox& { return w.Text9(13); }, "Y"},
    {Txt::App, "收藏历史", [](Form5& w) -> ui::TextBox& { return w.Text9(14); }, "C"},
    {Txt::App, "网页历史", [](Form5& w) -> ui::TextBox& { return w.Text9(15); }, "W"},
    {Txt::App, "下载历史", [](Form5& w) -> ui::TextBox& { return w.Text9(16); }, "X"},
    {Txt::App, "大化窗口", [](Form5& w) -> ui::TextBox& { return w.Text9(17); }, "M"},
    {Txt::App, "小化窗口", [](Form5& w) -> ui::TextBox& { return w.Text9(18); }, "N"},
    {Txt::App, "退出软件", [](Form5& w) -> ui::TextBox& { return w.Text9(19); }, "Q"},
    {Txt::App, "拖入图片", [](Form5& w) -> ui::TextBox& { return w.Text9(21); }, "T"},
    {Txt::App, "宽度", [](Form5& w) -> ui::TextBox& { return w.Text21(1); }, "1.5"},
    {Txt::App, "高度", [](Form5& w) -> ui::TextBox& { return w.Text21(2); }, "315"},
    {Txt::App, "大小", [](Form5& w) -> ui::TextBox& { return w.Text21(3); }, "10"},
    {Txt::App, "字体", [](Form5& w) -> ui::TextBox& { return w.Text21(4); }, "DejaVu Sans"},
    {Txt::App, "字数", [](Form5& w) -> ui::TextBox& { return w.Text21(5); }, "05"},
    {Txt::Fg, "小化", [](Form5& w) -> ui::TextBox& { return w.Text7(13); }, " - "},
    {Txt::Fg, "大化", [](Form5& w) -> ui::TextBox& { return w.Text7(14); }, "□"},
    {Txt::Fg, "关闭", [](Form5& w) -> ui::TextBox& { return w.Text7(15); }, "×"},
    {Txt::Fg, "字体", [](Form5& w) -> ui::TextBox& { return w.Text7(16); }, "Noto Sans"},
    {Txt::App, "呈现伪造", [](Form5& w) -> ui::TextBox& { return w.Text5; }, "Mozilla/5.0 (X11)"},
    {Txt::App, "文字颜色", [](Form5& w) -> ui::TextBox& { return w.Text4(2); }, "255"},
    {Txt::App, "加载颜色", [](Form5& w) -> ui::TextBox& { return w.Text4(3); }, "&HFF00"},
};

// A colour field and the stored colour it shows as its back colour.
struct ColourRow {
    Txt file;
    const char* key;
    std::function<ui::Control&(Form5&)> field;
};

const ColourRow kColours[] = {
    {Txt::App, "字体颜色1", [](Form5& w) -> ui::Control& { return w.Text6; }},
    {Txt::App, "字体颜色2", [](Form5& w) -> ui::Control& { return w.Text8; }},
    {Txt::App, "当前标签", [](Form5& w) -> ui::Control& { return w.Text32; }},
    {Txt::Fg, "背景0", [](Form5& w) -> ui::Control& { return w.Text7(0); }},
    {Txt::Fg, "颜色1", [](Form5& w) -> ui::Control& { return w.Text7(10); }},
    {Txt::Fg, "颜色2", [](Form5& w) -> ui::Control& { return w.Text7(11); }},
    {Txt::Fg, "颜色3", [](Form5& w) -> ui::Control& { return w.Text7(12); }},
    {Txt::Fg, "窗口边框", [](Form5& w) -> ui::Control& { return w.Text7(17); }},
    {Txt::Fg, "按钮边框", [](Form5& w) -> ui::Control& { return w.Text7(18); }},
};

// Stores a value as it must stand in the file to read back exactly: blanks around it are kept by
// quotes (the store drops unquoted ones).
void store(Txt file, const char* key, const QString& value) {
    const bool blanks = value != value.trimmed();
    storeText(file, QString::fromUtf8(key), blanks ? '"' + value + '"' : value);
}

}  // namespace

// Every field of the eight pages after a load: switches tick for their exact text only; texts are
// shown unchanged; colours are converted ("&H" included) and a value that does not convert leaves the
// field's colour as made.
TEST_F(SettingsTest, LoadShowsEveryStoredSettingAsItsFieldReadsIt) {
    Form5 made;  // the window as made, before any load
    for (const SwitchRow& r : kSwitches) store(r.file, r.key, QString::fromUtf8(r.ticking));
    for (const TextRow& r : kTexts) store(r.file, r.key, QString::fromUtf8(r.stored));
    int n = 0;
    for (const ColourRow& r : kColours) store(r.file, r.key, QString::number(1000 + n++));
    store(Txt::Fg, "背景0", "&H8000000F");

    Form5& w = open();
    for (const SwitchRow& r : kSwitches) EXPECT_EQ(r.box(w).value(), 1) << r.key;
    for (const TextRow& r : kTexts) EXPECT_EQ(r.box(w).text(), QString::fromUtf8(r.stored)) << r.key;
    n = 0;
    for (const ColourRow& r : kColours) {
        const ui::Color expected = QString::fromUtf8(r.key) == "背景0" ? ui::Color(rt::toColor("&H8000000F")) : 1000 + n;
        EXPECT_EQ(r.field(w).backColor(), expected) << r.key;
        ++n;
    }
    // The colour page draws each text in the colour it names; the width is red with a fixed width.
    EXPECT_EQ(w.Text4(2).foreColor(), 255);
    EXPECT_EQ(w.Text4(3).foreColor(), 0xFF00);
    EXPECT_EQ(w.Text21(1).foreColor(), 255);
    // The hint box takes the interface colours.
    EXPECT_EQ(w.Label3.foreColor(), 1004);  // 颜色1
    EXPECT_EQ(w.Picture2.backColor(), ui::Color(rt::toColor("&H8000000F")));

    close(w);
    for (const SwitchRow& r : kSwitches) store(r.file, r.key, QString::fromUtf8(r.nearMiss));
    for (const ColourRow& r : kColours) store(r.file, r.key, QStringLiteral("12 34"));
    store(Txt::App, "文字颜色", "red");
    store(Txt::App, "加载颜色", "");
    fg("颜色1", "");
    fg("背景0", "blue");

    Form5& again = open();
    for (const SwitchRow& r : kSwitches) EXPECT_EQ(r.box(again).value(), 0) << r.key << " '" << r.nearMiss << "'";
    for (const ColourRow& r : kColours) EXPECT_EQ(r.field(again).backColor(), r.field(made).backColor()) << r.key;
    EXPECT_EQ(again.Text4(2).text(), "red");
    EXPECT_EQ(again.Text4(2).foreColor(), 0);
    EXPECT_EQ(again.Text4(3).text(), "");
    EXPECT_EQ(again.Text4(3).foreColor(), 0);
    EXPECT_EQ(again.Text21(1).foreColor(), made.Text21(1).foreColor());
    EXPECT_EQ(again.Label3.foreColor(), made.Label3.foreColor());
    EXPECT_EQ(again.Picture2.backColor(), made.Picture2.backColor());
}

// The start-page options: the chosen one selected and disabled, the other left enabled.
TEST_F(SettingsTest, StartPageOptionFollowsTheExactText) {
    struct Case {
        const char* stored;
        bool blank;
    };
    const Case cases[] = {{"about:blank", true}, {"导航.html", false}, {"http://a.cn", false},
                          {"", false},           {"About:Blank", false}, {"about:blank ", false}};
    for (const Case& c : cases) {
        store(Txt::App, "启动主页", QString::fromUtf8(c.stored));
        Form5& w = open();
        ui::OptionButton& chosen = c.blank ? w.Option1 : w.Option2;
        ui::OptionButton& other = c.blank ? w.Option2 : w.Option1;
        EXPECT_TRUE(chosen.value()) << c.stored;
        EXPECT_FALSE(chosen.enabled()) << c.stored;
        EXPECT_FALSE(other.value()) << c.stored;
        EXPECT_TRUE(other.enabled()) << c.stored;
        close(w);
    }
}

// The document modes: nine items; the stored value's item is shown; "12001" adds "新版本".
TEST_F(SettingsTest, DocumentModeListShowsTheStoredMode) {
    struct Case {
        const char* stored;
        int count;
        const char* shown;
    };
    const Case cases[] = {
        {"ie7.0", 9, "IE07 默认模式"},  {"ie8.0", 9, "IE08 标准模式"},  {"ie8.9", 9, "IE08 强制模式"},
        {"ie9.0", 9, "IE09 标准模式"},  {"ie9.9", 9, "IE09 强制模式"},  {"ie10.0", 9, "IE10 标准模式"},
        {"ie10.9", 9, "IE10 强制模式"}, {"ie11.0", 9, "IE11 标准模式"}, {"ie11.9", 9, "IE11 强制模式"},
        {"12001", 10, "新版本"},        {"", 9, ""},                    {"IE11.0", 9, ""},
        {"12001 ", 9, ""},              {"ie7", 9, ""},
    };
    for (const Case& c : cases) {
        store(Txt::App, "IE", QString::fromUtf8(c.stored));
        Form5& w = open();
        EXPECT_EQ(w.Combo2.listCount(), c.count) << c.stored;
        EXPECT_EQ(w.Combo2.text(), QString::fromUtf8(c.shown)) << c.stored;
        for (int i = 0; i < 9; ++i) EXPECT_EQ(w.Combo2.list(i), QString::fromUtf8(forms::kDocumentModes[i].caption));
        close(w);
    }
}

TEST_F(SettingsTest, PresetListShowsTheTemplateAndTheStoredUserAgentStays) {
    app("呈现伪造", "Agent/1.0");
    Form5& w = open();
    ASSERT_EQ(w.Combo1.listCount(), 13);
    const char* const presets[] = {"[ 模版 ]", "Chrome 525.13", "FireFox 2.0", "Opera 9.0", "Safari 2.0",
                                   "Internet Explorer 8.0", "Internet Explorer 7.0", "Internet Explorer 6.0",
                                   "iPad", "iPhone", "Nokia N90", "百度蜘蛛", "谷歌机器人"};
    for (int i = 0; i < 13; ++i) EXPECT_EQ(w.Combo1.list(i), QString::fromUtf8(presets[i]));
    EXPECT_EQ(w.Combo1.text(), "[ 模版 ]");
    EXPECT_EQ(w.Text5.text(), "Agent/1.0");
    EXPECT_FALSE(indicatorShown(w));
}

// The interface font goes to the save indicator and the fields of long texts; an empty one leaves the
// design font.
TEST_F(SettingsTest, InterfaceFontReachesTheLongTextFields) {
    fg("字体", "Noto Sans");
    Form5& w = open();
    for (ui::Control* c : std::initializer_list<ui::Control*>{&w.Label6(4), &w.Text3, &w.Combo2, &w.Combo1, &w.Text5,
                                                             &w.Text51(1)})
        EXPECT_EQ(c->fontName(), "Noto Sans") << c->name().toStdString();
    EXPECT_EQ(w.Text1(1).fontName(), "宋体");
    EXPECT_EQ(w.Label6(0).fontName(), "微软雅黑");
    EXPECT_EQ(w.Label6(1).fontName(), "微软雅黑");
    EXPECT_EQ(w.Label6(3).fontName(), "微软雅黑");
    close(w);

    fg("字体", "");
    Form5& again = open();
    EXPECT_EQ(again.Label6(4).fontName(), "宋体");
    EXPECT_EQ(again.Text3.fontName(), "宋体");
}

TEST_F(SettingsTest, LoadPlacesTheTitleStripThePagesAndTheFontList) {
    services.setScreen(QRect(0, 0, 28800, 16200));
    Form5& w = open();
    EXPECT_EQ(w.caption(), "设置");
    EXPECT_EQ(w.width(), 8310);
    EXPECT_EQ(w.height(), 4575);
    EXPECT_EQ(w.left(), 9600);
    EXPECT_EQ(w.top(), 5400);
    EXPECT_EQ(w.backColor(), 16100715);
    EXPECT_EQ(w.Label6(0).caption(), "设置");
    EXPECT_EQ(w.Label6(0).left(), 120);
    EXPECT_EQ(w.Label6(1).caption(), "　︹　");
    EXPECT_EQ(w.Label6(1).left(), 8310 - 1880);
    EXPECT_EQ(w.Label6(3).caption(), "　Ⅹ　");
    EXPECT_EQ(w.Label6(3).left(), 8310 - 1000);
    EXPECT_FALSE(indicatorShown(w));
    EXPECT_FALSE(w.Picture2.visible());
    for (int i = 1; i <= 8; ++i) {
        EXPECT_EQ(w.Picture1(i).left(), 120);
        EXPECT_EQ(w.Picture1(i).top(), 500);
        EXPECT_EQ(w.Picture1(i).width(), 8310 - 240);
        EXPECT_EQ(w.Picture1(i).height(), 4575 - 635);
        EXPECT_EQ(w.Command10(i).enabled(), i != 1) << i;
        EXPECT_GT(stackIndex(w.Command10(i)), stackIndex(w.Picture1(i))) << i;
        if (i != 1) {
            EXPECT_GT(stackIndex(w.Picture1(1)), stackIndex(w.Picture1(i))) << i;
        }
    }
    EXPECT_EQ(w.List1.left(), 6000);
    EXPECT_EQ(w.List1.top(), 600);
    EXPECT_EQ(w.List1.width(), 2055);
    EXPECT_EQ(w.List1.height(), 3660);
    EXPECT_LT(stackIndex(w.List1), stackIndex(w.Picture1(8)));
    EXPECT_EQ(w.tag(), "");
}

// A page button brings its page in front, disables only itself, keeps every button in front of the
// pages and puts the focus into the start-page field.
TEST_F(SettingsTest, PageButtonsSwitchThePages) {
    Form5& w = open();
    for (int page : {5, 8, 1, 1}) {
        w.Command10.onClick(page);
        for (int i = 1; i <= 8; ++i) {
            EXPECT_EQ(w.Command10(i).enabled(), i != page) << page << " " << i;
            for (int j = 1; j <= 8; ++j) EXPECT_GT(stackIndex(w.Command10(i)), stackIndex(w.Picture1(j)));
            if (i != page) {
                EXPECT_GT(stackIndex(w.Picture1(page)), stackIndex(w.Picture1(i))) << page;
            }
        }
        EXPECT_EQ(w.widget()->focusWidget(), w.Text1(1).widget()) << page;
    }
}

// Two saves a second apart keep the indicator until 1.5 seconds after the second.
TEST_F(SettingsTest, SaveIndicatorShowsForOneAndAHalfSecondsAfterTheLastSave) {
    Form5& w = open();
    EXPECT_FALSE(indicatorShown(w));
    w.Command1.press();
    EXPECT_TRUE(indicatorShown(w));
    clock.advance(1000);
    w.Command1.press();
    clock.advance(1499);
    EXPECT_TRUE(indicatorShown(w));
    clock.advance(1);
    EXPECT_FALSE(indicatorShown(w));
    EXPECT_FALSE(w.Timer1.enabled());
    clock.advance(5000);
    EXPECT_FALSE(indicatorShown(w));
    w.Command1.press();
    clock.advance(1500);
    EXPECT_FALSE(indicatorShown(w));
}

TEST_F(SettingsTest, GlyphsShowTheirHoverLookFiftyTwipsBelowTheirTop) {
    Form5& w = open();
    auto hovered = [&](int g) {
        return w.Label6(g).backStyle() == 1 && w.Label6(g).backColor() == TitleStrip::kHoverBack &&
               w.Label6(g).foreColor() == 0;
    };
    auto resting = [&](int g) { return w.Label6(g).backStyle() == 0 && w.Label6(g).foreColor() == 0; };
    w.Label6.onMouseMove(3, 0, 0, 10, 60);
    EXPECT_TRUE(hovered(3));
    EXPECT_TRUE(resting(1));
    w.Label6.onMouseMove(3, 0, 0, 10, 30);
    EXPECT_TRUE(resting(3));
    w.Label6.onMouseMove(1, 1, 0, 10, 50);
    EXPECT_TRUE(hovered(1));
    w.Label6.onMouseMove(3, 0, 0, 10, 49.9);
    EXPECT_TRUE(hovered(1));  // a move above the line rests only the glyph under the pointer
    EXPECT_TRUE(resting(3));
    w.Label6.onMouseMove(3, 0, 0, 10, 50);
    EXPECT_TRUE(resting(1));
    w.onMouseMove(0, 0, 3000, 2000);
    EXPECT_TRUE(resting(3));
}

// Only the background and the title label drag the window, and only with the left button alone.
TEST_F(SettingsTest, DraggedByTheBackgroundAndTheTitleOnly) {
    Form5& w = open();
    auto& moves = sys::systemMoveRequests();
    moves.clear();
    w.Label6.onMouseMove(1, 0, 0, 10, 60);
    w.onMouseMove(1, 0, 3000, 200);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0].window, w.hWnd());
    EXPECT_EQ(moves[0].hitTest, 2);
    EXPECT_EQ(w.Label6(1).backStyle(), 1);  // a drag leaves the glyphs as they are
    w.onMouseMove(3, 0, 3000, 200);
    w.onMouseMove(2, 0, 3000, 200);
    EXPECT_EQ(moves.size(), 1u);
    EXPECT_EQ(w.Label6(1).backStyle(), 0);
    w.Label6.onMouseMove(0, 1, 0, 10, 10);
    EXPECT_EQ(moves.size(), 2u);
    w.Label6.onMouseMove(0, 0, 0, 10, 10);
    w.Label6.onMouseMove(1, 1, 0, 10, 60);
    w.Label6.onMouseMove(3, 1, 0, 10, 60);
    w.Label6.onMouseMove(4, 1, 0, 10, 10);
    EXPECT_EQ(moves.size(), 2u);
}

TEST_F(SettingsTest, MinimiseGlyphMinimisesAndCloseUnloadsSoTheNextOpeningReadsAgain) {
    app("软件命名", "甲");
    Form5& w = open();
    w.Label6.onMouseMove(1, 0, 0, 10, 60);
    w.Label6.onClick(1);
    EXPECT_EQ(w.windowState(), ui::vbMinimized);
    EXPECT_EQ(w.Label6(1).backStyle(), 0);
    w.Label6.onClick(4);
    w.Label6.onClick(0);
    EXPECT_NE(forms::windows().existing<Form5>(), nullptr);

    f1().Command2(11).press();
    EXPECT_EQ(w.windowState(), ui::vbNormal);
    w.Label6.onClick(3);
    EXPECT_EQ(forms::windows().existing<Form5>(), nullptr);

    app("软件命名", "乙");
    Form5& again = open();
    EXPECT_EQ(again.Text1(0).text(), "乙");
    EXPECT_TRUE(again.visible());
}

// The hint box's place for each field: a top from the field, its frame or a neighbour, plus an offset;
// a left at the pointer plus an offset.
TEST_F(SettingsTest, HintBoxPlacesFollowTheTable) {
    Form5& w = open();
    struct Row {
        std::function<ui::Control&(Form5&)> field;
        double top;   // with the window as made
        double left;  // for X = 100
    };
    const Row rows[] = {
        {[](Form5& w) -> ui::Control& { return w.Check1(1); }, 840 + 1090, 1950},
        {[](Form5& w) -> ui::Control& { return w.Check1(5); }, 840 + 1090, 1950},
        {[](Form5& w) -> ui::Control& { return w.Check1(6); }, 840 + 1450, 1950},
        {[](Form5& w) -> ui::Control& { return w.Check1(3); }, 840 + 1810, 1950},
        {[](Form5& w) -> ui::Control& { return w.Check1(4); }, 840 + 2170, 1950},
        {[](Form5& w) -> ui::Control& { return w.Check16(1); }, 840 + 1090, 4600},
        {[](Form5& w) -> ui::Control& { return w.Check16(4); }, 840 + 2170, 4600},
        {[](Form5& w) -> ui::Control& { return w.Check20; }, 3360 + 255 + 500, 1850},
        {[](Form5& w) -> ui::Control& { return w.Text1(0); }, 2970 + 270 + 500, 2220},
        {[](Form5& w) -> ui::Control& { return w.Text1(1); }, 150 + 480 + 500, 2480},
        {[](Form5& w) -> ui::Control& { return w.Check3; }, 3240 + 850, 1700},
        {[](Form5& w) -> ui::Control& { return w.Text51(1); }, 3015 + 630, 1700},
        {[](Form5& w) -> ui::Control& { return w.Command2; }, 840 + 1600, 700},
        {[](Form5& w) -> ui::Control& { return w.Check22(3); }, 960 + 755, 4100},
        {[](Form5& w) -> ui::Control& { return w.Text21(5); }, 1680 + 770, 2700},
        {[](Form5& w) -> ui::Control& { return w.Text32; }, 1200 + 880, 2800},
        {[](Form5& w) -> ui::Control& { return w.Text7(18); }, 240 + 3350, 2650},
        {[](Form5& w) -> ui::Control& { return w.Text7(13); }, 1440 + 800, 2650},
        {[](Form5& w) -> ui::Control& { return w.Check2; }, 1250 + 2270, 1250},
    };
    for (const Row& r : rows) {
        const HintBox::Place p = HintBox::placeFor(w, r.field(w), 100);
        EXPECT_EQ(p.top, r.top) << r.field(w).name().toStdString() << r.field(w).index();
        EXPECT_EQ(p.left, r.left) << r.field(w).name().toStdString() << r.field(w).index();
    }
}

// Wherever the pointer is over a field, the field's hint box lies inside the window: a box that its
// place would put past the window's right (or bottom) edge is moved left (or up) by as much as it
// would stick out, and no further. (The long hints of the pages 常规 and 界面 ran past the edge and were cut off.)
TEST_F(SettingsTest, HintBoxStaysInsideTheWindow) {
    Form5& w = open();
    struct Field {
        ui::Control* control;
        std::function<void(double X)> move;
    };
    std::vector<Field> fields;
    const auto array = [&](auto& controls, std::initializer_list<int> indexes) {
        for (int i : indexes)
            fields.push_back({&controls(i), [&controls, i](double X) { controls.onMouseMove(i, 0, 0, X, 10); }});
    };
    const auto single = [&](auto& control) {
        fields.push_back({&control, [&control](double X) { control.onMouseMove(0, 0, X, 10); }});
    };
    array(w.Check1, {1, 2, 3, 4, 5, 6});
    array(w.Check16, {1, 2, 3, 4});
    single(w.Check20);
    array(w.Text1, {0, 1});
    single(w.Check3);
    array(w.Text51, {1});
    single(w.Command2);
    array(w.Check22, {1, 2, 3, 4, 5});
    array(w.Text21, {1, 2, 3, 4, 5});
    single(w.Text6);
    single(w.Text8);
    single(w.Text32);
    array(w.Text7, {0, 10, 11, 12, 13, 14, 15, 16, 17, 18});
    single(w.Check2);
    int moved = 0;
    for (const Field& f : fields) {
        for (const double X : {0.0, f.control->width() / 2, f.control->width()}) {
            SCOPED_TRACE(f.control->name().toStdString() + "(" + std::to_string(f.control->index()) + ") X " +
                         std::to_string(X));
            w.Picture1.onMouseMove(1, 0, 0, 10, 10);
            f.move(X);
            ASSERT_TRUE(w.Picture2.visible());
            const HintBox::Place place = HintBox::placeFor(w, *f.control, X);
            const double width = w.Picture2.width();
            EXPECT_EQ(width, w.Label3.width() + 70);
            EXPECT_EQ(w.Picture2.left(), std::max(0.0, std::min(place.left, w.scaleWidth() - width)));
            EXPECT_LE(w.Picture2.left() + width, w.scaleWidth());
            EXPECT_EQ(w.Picture2.top(), std::max(0.0, std::min(place.top, w.scaleHeight() - w.Picture2.height())));
            EXPECT_LE(w.Picture2.top() + w.Picture2.height(), w.scaleHeight());
            if (w.Picture2.left() != place.left) ++moved;
        }
    }
    EXPECT_GT(moved, 0);  // the pointer at the right end of the wide fields
}

// A colour field of the tab page shows its hint; moves over a page, a frame or the font list put the
// box away; a move over a start-page option only sends it behind.
TEST_F(SettingsTest, HintBoxIsShownBesideAFieldAndPutAwayByTheMovesAround) {
    Form5& w = open();
    w.Text6.onMouseMove(0, 0, 300, 100);
    EXPECT_EQ(w.Label3.caption(), "不是当前字体颜色");
    EXPECT_EQ(w.Picture2.top(), 240 + 880);
    EXPECT_EQ(w.Picture2.left(), 300 + 2700);
    EXPECT_EQ(w.Picture2.width(), w.Label3.width() + 70);
    EXPECT_GE(w.Picture2.height(), 255);
    EXPECT_GE(w.Picture2.height(), w.Label3.top() + w.Label3.height());
    EXPECT_TRUE(w.Picture2.visible());
    EXPECT_GT(stackIndex(w.Picture2), stackIndex(w.Command10(8)));
    const double narrow = w.Picture2.width();
    w.Text8.onMouseMove(0, 0, 0, 100);
    EXPECT_EQ(w.Label3.caption(), "当前字体颜色");
    EXPECT_LT(w.Picture2.width(), narrow);
    w.Text32.onMouseMove(0, 0, 50, 100);
    EXPECT_EQ(w.Label3.caption(), "当前背景颜色");
    EXPECT_EQ(w.Picture2.top(), 1200 + 880);

    w.Option1.onMouseMove(0, 0, 10, 10);
    EXPECT_TRUE(w.Picture2.visible());
    EXPECT_LT(stackIndex(w.Picture2), stackIndex(w.Picture1(1)));
    w.Text6.onMouseMove(0, 0, 300, 100);
    w.Option2.onMouseMove(0, 0, 10, 10);
    EXPECT_TRUE(w.Picture2.visible());

    const std::function<void()> putAway[] = {
        [&] { w.Picture1.onMouseMove(5, 0, 0, 10, 10); },
        [&] { w.Frame1.onMouseMove(3, 0, 0, 10, 10); },
        [&] { w.List1.onMouseMove(0, 0, 10, 10); },
    };
    for (const auto& move : putAway) {
        w.Text6.onMouseMove(0, 0, 300, 100);
        ASSERT_TRUE(w.Picture2.visible());
        move();
        EXPECT_FALSE(w.Picture2.visible());
        EXPECT_LT(stackIndex(w.Picture2), stackIndex(w.Picture1(1)));
    }
}

// Command 13 ticks the right-click switch of the settings window, loaded but not shown.
TEST_F(SettingsTest, PageMenuSwitchTicksTheSwitchOfAHiddenWindow) {
    ASSERT_TRUE(start());
    setSetting("网页右键", "True");
    f1().Command2(13).press();
    Form5* w = forms::windows().existing<Form5>();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Check1(3).value(), 1);
    EXPECT_FALSE(w->visible());
    EXPECT_EQ(w->Text1(1).text(), setting("启动主页"));
}
