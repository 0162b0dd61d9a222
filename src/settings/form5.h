#pragma once
// The settings window "设置": a borderless window with its own title strip (title, minimise and close
// glyphs, the save indicator), a column of eight page buttons and eight stacked page panels holding a
// field or a switch for every setting the window shows, the floating hint box, and the font list.
//
// Pages (button caption, panel): 1 常规 general, 2 网页 link filter, 3 界面 skin picture, 4 快键 hot
// keys, 5 标签 tabs, 6 颜色 colours, 7 风格 style, 8 其他 document mode and browser identity. The page in
// front is the shown page; the button of the shown page is the only disabled one, and the buttons
// always lie in front of the panels. The font list lies on the window itself, behind the panels, until
// a font field brings it forward.
//
// The window's tag names the target of the colour picker and of the font list: the colour slot of the
// colour field clicked last ("字体颜色1", "风格0", ...) or "标签字体" / "风格字体". It is empty after the
// load.
//
// Everything here is the window as made (places in twips, captions, the look: 宋体, white fields with
// blue text, red frame captions, grey field labels); the load (SettingsWindow) fills the fields from
// the settings files once, and the page handlers write a setting the moment it is changed and then
// press Command1, which shows "修改已保存" for 1.5 seconds.
#include "platform/ui/checkboxarray.h"
#include "platform/ui/controlarray.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/timer.h"

class Form5 : public ui::Form {
public:
    Form5();
    ~Form5() override;

    // --- on the window ----------------------------------------------------------------------------
    ui::ControlArray<ui::Label> Label6{QStringLiteral("Label6")};  // 0 title, 1 minimise, 3 close, 4 "修改已保存"
    ui::ListBox List1{client()};                                      // the font list
    ui::ControlArray<ui::PictureBox> Picture1{QStringLiteral("Picture1")};         // 1..8 page panels
    ui::ControlArray<ui::CommandButton> Command10{QStringLiteral("Command10")};    // 1..8 page buttons
    ui::PictureBox Picture2{client()};                                // the hint box
    ui::Label Label3{Picture2.container()};                           // the hint text, sized to it
    ui::CommandButton Command1{client()};                             // "应用": shows the save indicator
    ui::Timer Timer1;                                                 // 1500 ms: hides the save indicator

    // --- page 1 常规 -------------------------------------------------------------------------------
    ui::OptionButton Option1{page(1)};                                // 空白: start page about:blank
    ui::OptionButton Option2{page(1)};                                // 主页: start page as typed
    ui::ControlArray<ui::TextBox> Text1{QStringLiteral("Text1")};    // 0 软件命名, 1 启动主页
    ui::ControlArray<ui::Label> Label1{QStringLiteral("Label1")};    // 0 "命名"
    ui::ControlArray<ui::Frame> Frame1{QStringLiteral("Frame1")};    // 0 界面应用, 3 网页应用
    ui::CheckBoxArray Check1{QStringLiteral("Check1")};                  // 1..6 in Frame1(0)
    ui::CheckBoxArray Check16{QStringLiteral("Check16")};                // 1..4 in Frame1(3)
    ui::CheckBox Check20{page(1)};                                    // 默认浏览器

    // --- page 2 网页 -------------------------------------------------------------------------------
    ui::ControlArray<ui::MultiLineTextBox> Text51{QStringLiteral("Text51")};  // 1 the link filter list Lv20
    ui::CheckBox Check3{page(2)};                                             // 过滤连接

    // --- page 3 界面 -------------------------------------------------------------------------------
    ui::CommandButton Command2{page(3)};     // 更换: choose the skin picture
    ui::MultiLineTextBox Text3{page(3)};     // the skin picture's path, "空" for none

    // --- page 4 快键 -------------------------------------------------------------------------------
    ui::ControlArray<ui::Label> Label9{QStringLiteral("Label9")};    // 11..19, 21: the key names
    ui::ControlArray<ui::TextBox> Text9{QStringLiteral("Text9")};    // 11..19, 21: the hot-key letters

    // --- page 5 标签 -------------------------------------------------------------------------------
    ui::ControlArray<ui::Label> Label31{QStringLiteral("Label31")};  // captions of the fields below
    ui::TextBox Text6{page(5)};    // colour field 字体颜色1
    ui::TextBox Text8{page(5)};    // colour field 字体颜色2
    ui::TextBox Text32{page(5)};   // colour field 当前标签
    ui::ControlArray<ui::TextBox> Text21{QStringLiteral("Text21")};    // 1 宽度 2 高度 3 大小 4 字体 5 字数
    ui::CheckBoxArray Check22{QStringLiteral("Check22")};                // 1 固定宽度 .. 5 字体加粗

    // --- page 6 颜色 -------------------------------------------------------------------------------
    ui::ControlArray<ui::Label> Label4{QStringLiteral("Label4")};    // 2 文字, 3 加载
    ui::ControlArray<ui::TextBox> Text4{QStringLiteral("Text4")};    // 2 文字颜色, 3 加载颜色 (text in its colour)

    // --- page 7 风格 -------------------------------------------------------------------------------
    ui::ControlArray<ui::Label> Label7{QStringLiteral("Label7")};    // captions of the fields below
    ui::ControlArray<ui::TextBox> Text7{QStringLiteral("Text7")};    // 0, 10..12, 17, 18 colours; 13..16 texts

    // --- page 8 其他 -------------------------------------------------------------------------------
    ui::Label Label5{page(8)};       // 重启生效
    ui::ComboBox Combo2{page(8)};    // the document modes
    ui::Label Label2{page(8)};       // 系统及浏览器版本(UserAgent)
    ui::CheckBox Check2{page(8)};    // 开启: the User-Agent override
    ui::ComboBox Combo1{page(8)};    // the User-Agent presets
    ui::MultiLineTextBox Text5{page(8)};  // the User-Agent text

    // The window handle.
    int hWnd();

    // The panel of page i (1..8) as a parent for its controls.
    QWidget* page(int i);

private:
    void makePanels();
    void makeWindowControls();
    void makePage1();
    void makePage2();
    void makePage3();
    void makePage4();
    void makePage5();
    void makePage6();
    void makePage7();
    void makePage8();
    void stack();
};
