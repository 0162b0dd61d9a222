#include "forms/form1.h"

#include "forms/jobtable.h"
#include "forms/settingkeys.h"
#include "forms/windowlimits.h"
#include "platform/rt/convert.h"
#include "platform/rt/format.h"
#include "platform/sys/inifile.h"
#include "platform/sys/windows.h"
#include "platform/ui/services.h"

#include <algorithm>

namespace {

const char* const kHotKeyCaptions[] = {"Zelvaro设置", "打字搜索", "切换右键", "收藏历史", "网页历史", "下载历史",
                                       "大化窗口",   "小化窗口", "关闭窗口", "?",        "拖入图片"};
const char* const kFreeSlotMarkers[] = {"A", "S", "D", "F", "G", "H", "J", "K", "L"};

template <class C>
void named(C& control, const char* name) {
    control.setName(QString::fromUtf8(name));
}

}  // namespace

Form1::Form1() : ui::Form(true) {
    setCaption(QStringLiteral("Form1"));
    move(0, 0, 10605, 7800);
    setMinimumSize(forms::kMinWindowWidth, forms::kMinWindowHeight);

    for (int i = 11; i <= 21; ++i) {
        auto& b = Command2.add(i, client());
        b.setCaption(QString::fromUtf8(kHotKeyCaptions[i - 11]));
        b.move(120 + (i - 11) * 300, -500, 255, 255);
        b.setTabStop(false);  // reached through their access keys only
    }

    named(Text7, "Text7");
    Text7.setText(QStringLiteral("Text7"));
    Text7.setVisible(false);
    named(List1, "List1");
    List1.setVisible(false);
    named(Command7, "Command7");
    Command7.setCaption(QStringLiteral("Flash"));
    Command7.move(0, 0, 1095, 375);
    Command7.setTag(QStringLiteral("0"));
    Command7.setVisible(false);
    named(Picture34, "Picture34");
    Picture34.move(0, 0, 2000, 2000);
    Picture34.setVisible(false);

    for (int i = 0; i <= forms::kLastJobTimer; ++i) {
        auto& t = Timer4.add(i, nullptr);
        t.setEnabled(false);
        t.setInterval(forms::jobTimerInterval(i));
    }

    struct Named {
        ui::CommandButton* button;
        const char* name;
        const char* caption;
    };
    const Named container[] = {
        {&Command11, "Command11", "Command11"}, {&Command10, "Command10", "Command10"},
        {&Command9, "Command9", "Command9"},    {&Command8, "Command8", "Command8"},
        {&Command3, "Command3", "导航加载"},    {&Command4, "Command4", "查看图片"},
        {&Command58, "Command58", "八标签"},    {&Command39, "Command39", "按钮大小"},
        {&Command1, "Command1", "网络"},        {&Command12, "Command12", "记录键"},
    };
    for (const auto& c : container) {
        c.button->setName(QString::fromUtf8(c.name));
        c.button->setCaption(QString::fromUtf8(c.caption));
    }
    Command1.setVisible(false);
    Command12.setVisible(false);

    named(WebBrowser22, "WebBrowser22");
    WebBrowser22.move(0, 0, 255, 255);
    named(Label9, "Label9");
    Label9.setCaption(QStringLiteral("Label9"));
    named(Label13, "Label13");
    Label13.setCaption(QStringLiteral("检索"));
    named(Label1, "Label1");
    Label1.setCaption(QStringLiteral("http://www"));
    Label1.setVisible(false);

    named(Command24, "Command24");
    Command24.setCaption(QStringLiteral("Command24"));
    Command24.move(0, -500, 255, 255);
    Command24.setTabStop(false);  // parked above the window: it must never hold the keyboard focus
    named(Text1, "Text1");
    Text1.setText(QStringLiteral("http://"));
    Text1.setVisible(false);

    WebBrowser1.add(1, client()).setTag(QStringLiteral("0"));
    WebBrowser1(1).move(150, 900, 10305, 6600);
    Image1.add(1, client()).setVisible(false);
    // The tab icons show their picture scaled to their size (255 x 255 twips each).
    Image1(1).move(0, 0, 255, 255);
    Image1(1).setStretch(true);

    for (int i = 0; i <= 4; ++i) {
        auto& l = Label2.add(i, client());
        l.setBackStyle(0);
        l.setCaption(i >= 1 && i <= 3 ? QStringLiteral("x") : QStringLiteral("Label2"));
    }
    Label2(0).move(120, 40);
    // The glyph buttons are small squares with their one-character captions centred.
    for (int i = 1; i <= 3; ++i) {
        Label2(i).move(0, 0, kGlyphWidth, 255);
        Label2(i).setAlignment(2);
    }

    for (int i = 1; i <= 4; ++i) Line1.add(i, client());

    for (int i = 2; i <= 10; ++i) {
        auto& l = lv.add(i, client());
        l.setCaption(QString::fromUtf8(kFreeSlotMarkers[i - 2]));
        l.setBackStyle(1);
        // The blanks that begin a tab's caption leave room for its icon (50 twips in, 255 wide) in
        // any font.
        l.setPictureRoom(380);
        l.setVisible(false);
    }

    for (int i = 0; i <= 3; ++i) Shape2.add(i, client());
    for (int i = 1; i <= 3; ++i) Shape2(i).setTop(0);

    for (int i = 0; i <= 1; ++i) {
        auto& l = Label6.add(i, client());
        l.setCaption(QStringLiteral("Label6"));
        l.setTag(QStringLiteral("0"));
        l.setVisible(false);
    }

    // Controls made later lie above those made earlier, in the order of the list above.
    for (int i = 11; i <= 21; ++i) Command2(i).zOrder(0);
    for (ui::Control* c : std::initializer_list<ui::Control*>{&Text7, &List1, &Command7, &Picture34, &Command24, &Text1})
        c->zOrder(0);
    WebBrowser1(1).zOrder(0);
    Image1(1).zOrder(0);
    for (int i = 0; i <= 4; ++i) Label2(i).zOrder(0);
    for (int i = 1; i <= 4; ++i) Line1(i).zOrder(0);
    for (int i = 2; i <= 10; ++i) lv(i).zOrder(0);
    for (int i = 0; i <= 3; ++i) Shape2(i).zOrder(0);
    for (int i = 0; i <= 1; ++i) Label6(i).zOrder(0);
}

Form1::~Form1() = default;

void Form1::FlashMsg() {
    ui::services().msgBox(QStringLiteral("窗口独立运行中，点击被中断"), ui::vbOKOnly + ui::vbCritical,
                          QStringLiteral("Flash播放器"));
}

void Form1::SETYIDONG(int J1, int J2) { sys::setParentWindow(J1, J2); }

void Form1::Zelvaro窗口(int J1, int, int) { sys::makeMinimizable(J1); }

void Form1::SENDV(int h9, int xingwei, int dongzuo, int kong) { sys::sendWindowMessage(h9, xingwei, dongzuo, kong); }

void Form1::CAO(int C1, int C2, int C3, int C4, int C5, int C6, int C7) {
    sys::setWindowPos(C1, C2, C3, C4, C5, C6, C7);
}

QString Form1::OS(const QString& txt, const QString& jiedian, const QString& jianzhi) {
    Text1.setText(sys::getProfileString(txt, jiedian, jianzhi));
    return Text1.text();
}

int Form1::zvllq9() { return sys::findPageWindow(widget()); }

// The getters read through OS, so their values pass through Text1 like every other read.
QString Form1::read(const forms::Key& key) { return OS(forms::txtPath(key.file), forms::kSection, key.text()); }
QString Form1::ge1() { return read(forms::yuyankey::表格头); }
QString Form1::ge2() { return read(forms::yuyankey::表格尾); }
QString Form1::bg1() { return read(forms::yuyankey::背景色1); }
QString Form1::bg2() { return read(forms::yuyankey::背景色2); }
QString Form1::j() { return read(forms::appkey::当前标签); }
QString Form1::youyi() {
    // Strict: an empty or non-numeric value raises type mismatch into the caller's statement.
    return rt::str(rt::toDouble(read(forms::fgkey::网页右移)) + 150.0);
}

// lv_Click and Label13_Click are event handlers called by name: an error inside them ends them and
// does not reach the caller.
void Form1::lv_Click(int Index) { ui::dispatch(lv.onClick, Index); }

void Form1::Label13_Click() {
    // The search for the words in Label13's tag is the label's click handler (set by the search).
    ui::dispatch(Label13.onClick);
}

int Form1::hWnd() { return sys::handleOf(widget()); }

void Form1::fitGlyph(int k) {
    ui::Label& glyph = Label2(k);
    const double height = glyph.height();
    // Measured as an auto-sized label measures its caption.
    glyph.setAutoSize(true);
    glyph.setAutoSize(false);
    glyph.move(glyph.left(), glyph.top(), std::max(glyph.width(), kGlyphWidth), height);
}

bool Form1::frontIsTab() const { return Label9.caption().compare(QStringLiteral("1")) > 0; }
