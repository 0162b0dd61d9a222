#include "settings/settingswindow.h"

#include "forms/documentmode.h"
#include "forms/programfiles.h"
#include "forms/form1.h"
#include "forms/settings.h"
#include "forms/windowowner.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/ui/controls.h"
#include "settings/browseridentitysettings.h"
#include "settings/form5.h"
#include "settings/generalsettings.h"
#include "settings/linkfiltersettings.h"
#include "settings/settingeditors.h"
#include "settings/tablooksettings.h"

#include <iterator>

using rt::step;

namespace {

// The runtime's "invalid property value": an empty font setting names no font.
constexpr int kInvalidPropertyValue = 380;

void setFont(ui::Control& c, const QString& name) {
    if (name.isEmpty()) rt::raise(kInvalidPropertyValue);
    c.setFontName(name);
}

// The switches of a page, each on its own.
void tick(Form5& w, const settings::SwitchTable& switches) {
    for (const settings::Switch& s : switches) step([&] { settings::loadSwitch(w, s); });
}

void backColour(ui::Control& c, const forms::Key& key) {
    step([&] { c.setBackColor(rt::toColor(forms::read(key))); });
}

void text(ui::TextBox& t, const forms::Key& key) {
    step([&] { t.setText(forms::read(key)); });
}

}  // namespace

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
    tick(w, GeneralSettings::switches());
}

void SettingsWindow::loadLinkFilterPage() {
    step([&] { w.Text51(1).setText(forms::read(forms::appkey::Lv20)); });
    tick(w, LinkFilterSettings::switches());
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
    tick(w, TabLookSettings::switches());
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
    for (const forms::DocumentMode& m : forms::kDocumentModes)
        if (m.offered) step([&] { w.Combo2.addItem(QString::fromUtf8(m.caption)); });
    // The stored mode is selected; one not offered is listed for the time it is stored.
    step([&] {
        const QString mode = forms::read(forms::appkey::IE);
        int item = 0;
        for (const forms::DocumentMode& m : forms::kDocumentModes) {
            const bool stored = mode == QLatin1String(m.setting);
            if (!m.offered) {
                if (!stored) continue;
                w.Combo2.addItem(QString::fromUtf8(m.caption));
            }
            if (stored) w.Combo2.setListIndex(item);
            ++item;
        }
    });
    // The choice handler of Combo2 may have shown the save indicator: it is hidden as made.
    step([&] { w.Label6(4).setVisible(false); });
    tick(w, BrowserIdentitySettings::switches());
    // The first preset's caption shows; the others follow it in the list.
    const auto& presets = BrowserIdentitySettings::kPresets;
    step([&] { w.Combo1.addItem(QString::fromUtf8(presets[0].caption)); });
    step([&] { w.Combo1.setText(QString::fromUtf8(presets[0].caption)); });
    for (std::size_t i = 1; i < std::size(presets); ++i)
        step([&] { w.Combo1.addItem(QString::fromUtf8(presets[i].caption)); });
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
