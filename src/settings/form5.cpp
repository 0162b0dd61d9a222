#include "settings/form5.h"

#include "platform/sys/windows.h"

#include <algorithm>

namespace {

// The look of the window as made.
constexpr ui::Color kWindowBack = 16100715;
constexpr ui::Color kPanelBack = 0xFCF8F4;     // a pale tint of the window colour
constexpr ui::Color kFieldBack = 0xFFFFFF;     // text fields: white
constexpr ui::Color kFieldText = 0xFF0000;     // ... with blue text
constexpr ui::Color kColourFieldText = 0;      // colour fields: black text
constexpr ui::Color kFrameCaption = 0x0000FF;  // red
constexpr ui::Color kFieldLabel = 0x404040;    // dark grey
constexpr ui::Color kTabFieldLabel = 0x484848;
constexpr ui::Color kTeal = 0x808000;
const char* const kDesignFont = "宋体";
constexpr double kDesignSize = 9;

// The least gap between a field's label and the field.
constexpr double kLabelGap = 60;
// The right edge of the page buttons' column, inside a page panel.
constexpr double kPageButtonsRight = 240 + 1095 - 120;

const char* const kPageCaptions[] = {"常规", "网页", "界面", "快键", "标签", "颜色", "风格", "其他"};

// A read-only field with the look of the text fields.
void field(ui::TextBox& t, double left, double top, double width, double height, bool centred = true) {
    t.move(left, top, width, height);
    t.setBackColor(kFieldBack);
    t.setForeColor(kFieldText);
    t.setLocked(true);
    if (centred) t.setAlignment(ui::vbCenter);
}

void fieldLabel(ui::Label& l, const QString& caption, double left, double top, ui::Color colour = kFieldLabel) {
    l.setAutoSize(true);
    l.setBackStyle(0);
    l.setForeColor(colour);
    l.setCaption(caption);
    l.move(left, top);
}

void check(ui::CheckBox& c, const QString& caption, double left, double top, double width, double height,
           ui::Color colour = 0) {
    c.setCaption(caption);
    c.move(left, top, width, height);
    c.setForeColor(colour);
}

}  // namespace

Form5::Form5() : ui::Form(true) {
    setCaption(QStringLiteral("设置"));
    setBackColor(kWindowBack);
    // Every control takes the design font unless it is given another.
    setFontName(QString::fromUtf8(kDesignFont));
    setFontSize(kDesignSize);
    move(0, 0, 8310, 4575);

    makePanels();
    makeWindowControls();
    makePage1();
    makePage2();
    makePage3();
    makePage4();
    makePage5();
    makePage6();
    makePage7();
    makePage8();
    stack();
}

Form5::~Form5() = default;

int Form5::hWnd() { return sys::handleOf(widget()); }

QWidget* Form5::page(int i) {
    if (!Picture1.exists(i)) makePanels();
    return Picture1(i).container();
}

void Form5::makePanels() {
    for (int i = 1; i <= 8; ++i) {
        if (Picture1.exists(i)) continue;
        ui::PictureBox& p = Picture1.add(i, client());
        p.setBorderStyle(0);
        p.setBackColor(kPanelBack);
        p.move(120, 500, 8310 - 240, 4575 - 635);
    }
}

void Form5::makeWindowControls() {
    for (int i : {0, 1, 3, 4}) {
        ui::Label& l = Label6.add(i, client());
        l.setAutoSize(true);
        l.setBackStyle(0);
    }
    Label6(0).setCaption(QStringLiteral("设置"));
    Label6(0).setFontSize(12);
    Label6(0).move(120, 40);
    Label6(1).setCaption(QStringLiteral("　︹　"));
    Label6(1).setFontSize(14.25);
    Label6(1).move(8310 - 1880, -15);
    Label6(3).setCaption(QStringLiteral("　Ⅹ　"));
    Label6(3).setFontSize(14.25);
    Label6(3).move(8310 - 1000, -15);
    ui::Label& saved = Label6(4);
    saved.setAutoSize(false);
    saved.setCaption(QStringLiteral("修改已保存"));
    saved.setFontSize(12);
    saved.setAlignment(ui::vbCenter);
    saved.setForeColor(0x00C000);
    saved.setBackStyle(1);
    saved.setBackColor(0xC0FFFF);
    saved.move(3120, -10, 1575, 345);

    List1.setName(QStringLiteral("List1"));
    List1.setBackColor(kFieldBack);
    List1.move(6000, 600, 2055, 3660);

    for (int i = 1; i <= 8; ++i) {
        ui::CommandButton& b = Command10.add(i, client());
        b.setCaption(QString::fromUtf8(kPageCaptions[i - 1]));
        b.move(240, 600 + 480 * (i - 1), 1095, 375);
    }

    Picture2.setName(QStringLiteral("Picture2"));
    Picture2.setBorderStyle(0);
    Picture2.move(0, 4800, 1000, 255);  // off the visible area until a hint is shown
    Picture2.setVisible(false);
    Label3.setName(QStringLiteral("Label3"));
    Label3.setAutoSize(true);
    Label3.setBackStyle(0);
    Label3.setFontSize(12);
    Label3.move(40, 20);
    // 255 high, or as high as a line of the hint text needs with this system's fonts.
    Picture2.setHeight(std::max(255.0, Label3.top() + Label3.height()));

    Command1.setName(QStringLiteral("Command1"));
    Command1.setCaption(QStringLiteral("应用"));
    Command1.move(8400, 4080, 735, 375);
    Command1.setTabStop(false);

    Timer1.setName(QStringLiteral("Timer1"));
    Timer1.setInterval(1500);
    Timer1.setEnabled(false);
}

void Form5::makePage1() {
    Option1.setName(QStringLiteral("Option1"));
    Option1.setCaption(QStringLiteral("空白"));
    Option1.move(1440, 120, 735, 255);
    Option2.setName(QStringLiteral("Option2"));
    Option2.setCaption(QStringLiteral("主页"));
    Option2.move(1440, 360, 735, 255);

    field(Text1.add(1, page(1)), 2180, 150, 5600, 480, false);
    Text1(1).setFontSize(18);

    ui::Frame& general = Frame1.add(0, page(1));
    general.setCaption(QStringLiteral("界面应用"));
    general.move(1440, 840, 2535, 1815);
    general.setForeColor(kFrameCaption);
    const char* const generalSwitches[] = {"快捷方式", "连接提示", "网页右键", "关闭拖拽", "退出确认", "网址栏框"};
    for (int i = 1; i <= 6; ++i) {
        const double left = i <= 4 ? 120 : 1320;
        const double top = 360 + 360 * ((i <= 4 ? i : i - 4) - 1);
        check(Check1.add(i, general.container()), QString::fromUtf8(generalSwitches[i - 1]), left, top, 1095, 255);
    }

    ui::Frame& pages = Frame1.add(3, page(1));
    pages.setCaption(QStringLiteral("网页应用"));
    pages.move(4080, 840, 1335, 1815);
    pages.setForeColor(kFrameCaption);
    const char* const pageSwitches[] = {"禁止拖拽", "禁止滚轮", "禁止选中", "禁止左键"};
    for (int i = 1; i <= 4; ++i)
        check(Check16.add(i, pages.container()), QString::fromUtf8(pageSwitches[i - 1]), 120, 360 * i, 1095, 255);

    fieldLabel(Label1.add(0, page(1)), QStringLiteral("命名"), 1440, 3000);
    field(Text1.add(0, page(1)), 1920, 2970, 1215, 270);

    Check20.setName(QStringLiteral("Check20"));
    check(Check20, QStringLiteral("默认浏览器"), 1440, 3360, 1695, 255, kTeal);
}

void Form5::makePage2() {
    ui::MultiLineTextBox& list = Text51.add(1, page(2));
    list.move(1440, 120, 6495, 3015);
    list.setBackColor(kFieldBack);
    list.setForeColor(kFieldText);
    list.setFontSize(10.5);
    Check3.setName(QStringLiteral("Check3"));
    check(Check3, QStringLiteral("过滤连接"), 1440, 3240, 1095, 255);
}

void Form5::makePage3() {
    Command2.setName(QStringLiteral("Command2"));
    Command2.setCaption(QStringLiteral("更换( 图片可以拖到窗口 )"));
    Command2.move(1440, 240, 4815, 495);
    Text3.setName(QStringLiteral("Text3"));
    field(Text3, 1440, 840, 4815, 1095, false);
    Text3.setFontSize(12);
}

void Form5::makePage4() {
    struct HotKeyField {
        int index;
        const char* key;
        double left, top;
    };
    const HotKeyField fields[] = {
        {11, "Zelvaro设置", 2280, 240}, {12, "打字搜索", 2280, 600}, {13, "切换右键", 2280, 960},
        {21, "拖入图片", 2280, 1440},  {14, "收藏历史", 3960, 240}, {15, "网页历史", 3960, 600},
        {16, "下载历史", 3960, 960},   {17, "大化窗口", 5640, 240}, {18, "小化窗口", 5640, 600},
        {19, "退出软件", 5640, 960},
    };
    for (const HotKeyField& h : fields) {
        // 840 to the left of the field. A key name too long for that place ends just before its field,
        // drawn smaller when it would still reach under the page buttons.
        ui::Label& label = Label9.add(h.index, page(4));
        fieldLabel(label, QString::fromUtf8(h.key), h.left - 840, h.top);
        while (h.left - kLabelGap - label.width() < kPageButtonsRight + kLabelGap && label.fontSize() > 6)
            label.setFontSize(label.fontSize() - 0.5);
        if (label.width() > 840 - kLabelGap) label.setLeft(h.left - kLabelGap - label.width());
        field(Text9.add(h.index, page(4)), h.left, h.top, 615, 270);
    }
}

void Form5::makePage5() {
    struct ColourField {
        ui::TextBox* box;
        const char* name;
        int label;
        const char* caption;
        double top;
    };
    const ColourField colours[] = {
        {&Text6, "Text6", 9, "字体颜色1", 240},
        {&Text8, "Text8", 10, "字体颜色2", 720},
        {&Text32, "Text32", 2, "当前标签", 1200},
    };
    for (const ColourField& c : colours) {
        fieldLabel(Label31.add(c.label, page(5)), QString::fromUtf8(c.caption), 1320, c.top + 120, kTabFieldLabel);
        c.box->setName(QString::fromUtf8(c.name));
        field(*c.box, 2280, c.top, 1095, 375);
        c.box->setForeColor(kColourFieldText);
    }
    struct SizeField {
        int index;
        int label;
        const char* caption;
    };
    const SizeField sizes[] = {{1, 7, "宽度"}, {2, 0, "高度"}, {3, 5, "大小"}, {4, 6, "字体"}, {5, 8, "字数"}};
    for (const SizeField& s : sizes) {
        const double top = 240 + 360 * (s.index - 1);
        fieldLabel(Label31.add(s.label, page(5)), QString::fromUtf8(s.caption), 3480, top, kTabFieldLabel);
        field(Text21.add(s.index, page(5)), 3960, top, 1095, 270);
    }
    const char* const switches[] = {"固定宽度", "双击关闭", "弹出小化", "Flash按钮", "字体加粗"};
    for (int i = 1; i <= 5; ++i)
        check(Check22.add(i, page(5)), QString::fromUtf8(switches[i - 1]), 5280, 240 + 360 * (i - 1),
              i == 4 ? 1215 : 1095, 255, kTeal);
}

void Form5::makePage6() {
    const char* const captions[] = {"文字", "加载"};
    for (int i = 2; i <= 3; ++i) {
        const double top = 240 + 360 * (i - 2);
        fieldLabel(Label4.add(i, page(6)), QString::fromUtf8(captions[i - 2]), 1440, top);
        ui::TextBox& t = Text4.add(i, page(6));
        field(t, 1920, top, 1095, 270);
        t.setForeColor(kColourFieldText);
    }
}

void Form5::makePage7() {
    struct StyleField {
        int index;
        const char* caption;
        double top;
    };
    const StyleField colours[] = {{0, "背景0", 240},   {10, "颜色1", 720},  {11, "颜色2", 1200},
                                  {12, "颜色3", 1680}, {17, "边框1", 2160}, {18, "边框2", 2640}};
    for (const StyleField& c : colours) {
        fieldLabel(Label7.add(c.index, page(7)), QString::fromUtf8(c.caption), 2040 - 600, c.top + 120);
        field(Text7.add(c.index, page(7)), 2040, c.top, 975, 375);
    }
    const StyleField texts[] = {{13, "小化", 360}, {14, "大化", 720}, {15, "关闭", 1080}, {16, "字体", 1440}};
    for (const StyleField& t : texts) {
        fieldLabel(Label7.add(t.index, page(7)), QString::fromUtf8(t.caption), 3720 - 480, t.top);
        field(Text7.add(t.index, page(7)), 3720, t.top, 855, 270);
    }
}

void Form5::makePage8() {
    Label5.setName(QStringLiteral("Label5"));
    fieldLabel(Label5, QStringLiteral("重启生效"), 1440, 240);
    Combo2.setName(QStringLiteral("Combo2"));
    Combo2.setStyle(2);
    Combo2.setFontSize(10.5);
    Combo2.move(1440, 480, 3735, 330);
    Label2.setName(QStringLiteral("Label2"));
    fieldLabel(Label2, QStringLiteral("系统及浏览器版本(UserAgent)"), 1440, 960);
    Check2.setName(QStringLiteral("Check2"));
    check(Check2, QStringLiteral("开启"), 1440, 1250, 735, 255);
    Combo1.setName(QStringLiteral("Combo1"));
    Combo1.setStyle(2);
    Combo1.setFontSize(10.5);
    Combo1.move(2270, 1200, 2910, 330);
    Text5.setName(QStringLiteral("Text5"));
    Text5.move(1440, 1680, 3735, 1335);
    Text5.setBackColor(kFieldBack);
    Text5.setForeColor(kFieldText);
    Text5.setFontSize(10.5);
}

// The stacking of the window: the font list at the bottom, the panels above it with page 1 in front,
// the page buttons above the panels, the hint box above everything.
void Form5::stack() {
    List1.zOrder(1);
    for (int i = 8; i >= 1; --i) Picture1(i).zOrder(0);
    for (int i = 1; i <= 8; ++i) Command10(i).zOrder(0);
    Picture2.zOrder(0);
}
