#include "settings/settingswindow.h"

#include "forms/programfiles.h"
#include "forms/form1.h"
#include "forms/settings.h"
#include "forms/windowowner.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/sys/programfolder.h"
#include "platform/ui/controls.h"
#include "settings/form5.h"

using rt::step;

namespace {

// The runtime's "invalid property value": an empty font setting names no font.
constexpr int kInvalidPropertyValue = 380;

void setFont(ui::Control& c, const QString& name) {
    if (name.isEmpty()) rt::raise(kInvalidPropertyValue);
    c.setFontName(name);
}

// A switch ticks only for its exact ticking text; any other text leaves it as made.
void tick(ui::CheckBox& box, const forms::Key& key, const char* ticking) {
    step([&] {
        if (forms::read(key) == QString::fromUtf8(ticking)) box.setValue(1);
    });
}

void backColour(ui::Control& c, const forms::Key& key) {
    step([&] { c.setBackColor(rt::toColor(forms::read(key))); });
}

void text(ui::TextBox& t, const forms::Key& key) {
    step([&] { t.setText(forms::read(key)); });
}

}  // namespace

const char* const SettingsWindow::kModes[9] = {"IE07 默认模式", "IE08 标准模式", "IE08 强制模式",
                                               "IE09 标准模式", "IE09 强制模式", "IE10 标准模式",
                                               "IE10 强制模式", "IE11 标准模式", "IE11 强制模式"};
const char* const SettingsWindow::kModeValues[9] = {"ie7.0",  "ie8.0",  "ie8.9",  "ie9.0", "ie9.9",
                                                    "ie10.0", "ie10.9", "ie11.0", "ie11.9"};
const char* const SettingsWindow::kPresets[13] = {
    "[ 模版 ]",    "Chrome 525.13", "FireFox 2.0", "Opera 9.0", "Safari 2.0", "Internet Explorer 8.0",
    "Internet Explorer 7.0", "Internet Explorer 6.0", "iPad", "iPhone", "Nokia N90", "百度蜘蛛", "谷歌机器人"};

SettingsWindow::SettingsWindow(Form5& window) : w(window) {
    w.onLoad = [this] { Form_Load(); };
    w.Command10.onClick = [this](int Index) { Command10_Click(Index); };
}

void SettingsWindow::Form_Load() {
    loadWindow();
    loadGeneralPage();
    loadLinkFilterPage();
    loadPicturePage();
    loadHotKeysPage();
    loadTabPage();
    loadColourPage();
    loadStylePage();
    loadIdentityPage();
    // Minimisable from the taskbar although the window has no caption bar.
    step([&] { forms::form1().Zelvaro窗口(w.hWnd(), 0, 0); });
}

void SettingsWindow::loadWindow() {
    step([&] { forms::setProgramIcon(w); });
    step([&] { w.setCaption(QStringLiteral("设置")); });
    step([&] { w.move(w.left(), w.top(), 8310, 4575); });
    step([&] { w.setBackColor(16100715); });

    // The title strip.
    step([&] { w.Label6(0).setLeft(120); });
    step([&] { w.Label6(1).setLeft(w.width() - 1880); });
    step([&] { w.Label6(3).setLeft(w.width() - 1000); });
    step([&] { w.Label6(0).setCaption(w.caption()); });
    step([&] { w.Label6(0).setForeColor(0); });
    step([&] { w.Label6(0).setFontName(QStringLiteral("微软雅黑")); });
    step([&] { w.Label6(1).setCaption(QStringLiteral("　︹　")); });
    step([&] { w.Label6(3).setCaption(QStringLiteral("　Ⅹ　")); });
    for (int glyph : {1, 3}) {
        step([&] { w.Label6(glyph).setForeColor(w.Label6(0).foreColor()); });
        step([&] { w.Label6(glyph).setFontName(w.Label6(0).fontName()); });
    }

    // Page 1 in front, its button pressed; every button in front of the panels.
    step([&] { w.Command10(1).setEnabled(false); });
    step([&] { w.Picture1(1).zOrder(0); });
    for (int i = 1; i <= 8; ++i) {
        step([&] { w.Picture1(i).move(120, 500, w.width() - 240, w.height() - 635); });
        step([&] { w.Command10(i).zOrder(0); });
    }

    // The interface font for the save indicator and the fields that show long texts.
    step([&] { setFont(w.Label6(4), forms::read(forms::fgkey::字体)); });
    for (ui::Control* c : std::initializer_list<ui::Control*>{&w.Text3, &w.Combo2, &w.Combo1, &w.Text5})
        step([&] { c->setFontName(w.Label6(4).fontName()); });
    step([&] { w.Text51(1).setFontName(w.Label6(4).fontName()); });

    step([&] { w.List1.move(6000, 600, 2055, 3660); });

    // The hint box's colours.
    step([&] { w.Label3.setForeColor(rt::toColor(forms::read(forms::fgkey::颜色1))); });
    step([&] { w.Picture2.setBackColor(rt::toColor(forms::read(forms::fgkey::背景0))); });
}

void SettingsWindow::loadGeneralPage() {
    using namespace forms::appkey;
    text(w.Text1(1), 启动主页);
    // The chosen start-page option is selected and disabled; the other stays as it was.
    if (rt::guard([&] { return w.Text1(1).text() == QLatin1String("about:blank"); })) {
        step([&] { w.Option1.setValue(true); });
        step([&] { w.Option1.setEnabled(false); });
    } else {
        step([&] { w.Option2.setValue(true); });
        step([&] { w.Option2.setEnabled(false); });
    }
    text(w.Text1(0), 软件命名);
    tick(w.Check1(1), 快捷方式, "有");
    tick(w.Check1(2), 连接提示, "1");
    tick(w.Check1(3), 网页右键, "False");
    tick(w.Check1(4), 关闭拖拽, "False");
    tick(w.Check1(5), 退出确认, "1");
    tick(w.Check1(6), 网址栏框, "是");
    tick(w.Check16(1), 禁止拖拽, "False");
    tick(w.Check16(2), 禁止滚轮, "False");
    tick(w.Check16(3), 禁止选中, "False");
    tick(w.Check16(4), 禁止左键, "False");
    tick(w.Check20, 默认浏览器, "1");
}

void SettingsWindow::loadLinkFilterPage() {
    step([&] { w.Text51(1).setText(forms::read(forms::appkey::Lv20)); });
    tick(w.Check3, forms::appkey::过滤连接, "1");
}

void SettingsWindow::loadPicturePage() { step([&] { w.Text3.setText(forms::read(forms::fgkey::界面图片)); }); }

void SettingsWindow::loadHotKeysPage() {
    using namespace forms::appkey;
    const struct {
        int index;
        forms::Key key;
    } fields[] = {{11, Zelvaro设置}, {12, 打字搜索}, {13, 切换右键}, {14, 收藏历史}, {15, 网页历史},
                  {16, 下载历史},    {17, 大化窗口}, {18, 小化窗口}, {19, 退出软件}, {21, 拖入图片}};
    for (const auto& f : fields) text(w.Text9(f.index), f.key);
}

void SettingsWindow::loadTabPage() {
    using namespace forms::appkey;
    backColour(w.Text6, 字体颜色1);
    backColour(w.Text8, 字体颜色2);
    backColour(w.Text32, 当前标签);
    text(w.Text21(1), 宽度);
    text(w.Text21(2), 高度);
    text(w.Text21(3), 大小);
    text(w.Text21(4), 字体);
    text(w.Text21(5), 字数);
    tick(w.Check22(1), 固定宽度, "1");
    tick(w.Check22(2), 双击关闭, "1");
    tick(w.Check22(3), 弹出小化, "1");
    tick(w.Check22(4), Flash按钮, "1");
    tick(w.Check22(5), 字体加粗, "True");
    // The width counts only with a fixed width: its text is red then.
    step([&] {
        if (forms::read(固定宽度) == QLatin1String("1")) w.Text21(1).setForeColor(255);
    });
}

void SettingsWindow::loadColourPage() {
    // Each text first, then its text colour from that text.
    text(w.Text4(2), forms::appkey::文字颜色);
    step([&] { w.Text4(2).setForeColor(rt::toColor(w.Text4(2).text())); });
    text(w.Text4(3), forms::appkey::加载颜色);
    step([&] { w.Text4(3).setForeColor(rt::toColor(w.Text4(3).text())); });
}

void SettingsWindow::loadStylePage() {
    using namespace forms::fgkey;
    backColour(w.Text7(0), 背景0);
    backColour(w.Text7(10), 颜色1);
    backColour(w.Text7(11), 颜色2);
    backColour(w.Text7(12), 颜色3);
    backColour(w.Text7(17), 窗口边框);
    backColour(w.Text7(18), 按钮边框);
    text(w.Text7(13), 小化);
    text(w.Text7(14), 大化);
    text(w.Text7(15), 关闭);
    text(w.Text7(16), 字体);
}

void SettingsWindow::loadIdentityPage() {
    for (const char* mode : kModes) step([&] { w.Combo2.addItem(QString::fromUtf8(mode)); });
    step([&] {
        const QString mode = forms::read(forms::appkey::IE);
        if (mode == QLatin1String("12001")) {
            w.Combo2.addItem(QStringLiteral("新版本"));
            w.Combo2.setListIndex(9);
            return;
        }
        for (int i = 0; i < 9; ++i)
            if (mode == QLatin1String(kModeValues[i])) w.Combo2.setListIndex(i);
    });
    // The choice handler of Combo2 may have shown the save indicator: it is hidden as made.
    step([&] { w.Label6(4).setVisible(false); });
    tick(w.Check2, forms::appkey::UA, "1");
    step([&] { w.Combo1.addItem(QString::fromUtf8(kPresets[0])); });
    step([&] { w.Combo1.setText(QString::fromUtf8(kPresets[0])); });
    for (int i = 1; i < 13; ++i) step([&] { w.Combo1.addItem(QString::fromUtf8(kPresets[i])); });
    step([&] { w.Text5.setText(forms::read(forms::appkey::呈现伪造)); });
}

void SettingsWindow::Command10_Click(int Index) {
    step([&] { w.Picture1(Index).zOrder(0); });
    for (int j = 1; j <= 8; ++j) {
        step([&] { w.Command10(j).zOrder(0); });
        step([&] { w.Command10(j).setEnabled(true); });
    }
    step([&] { w.Command10(Index).setEnabled(false); });
    step([&] { w.Text1(1).setFocus(); });
}
