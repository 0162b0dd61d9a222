#include "settings/colourschemes.h"

#include "forms/form1.h"
#include "forms/form4.h"
#include "forms/settings.h"
#include "forms/slots.h"
#include "forms/windowowner.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "settings/form5.h"
#include "settings/form8.h"

using rt::guard;
using rt::step;

namespace {

// Sets the controls of the main window that show one key, to the colour value v.
using Controls = void (*)(Form1& f, const QString& v);

ui::Color n(const QString& v) { return rt::toColor(v); }

// The front tab's label (raises 340 while the home slot, which has no label, is in front).
ui::Label& frontLabel(Form1& f) { return f.lv(forms::frontSlot(f)); }

// The front browser: the front tab's, or the home browser while the home slot is in front.
web::WebBrowser& frontBrowser(Form1& f) {
    return f.frontIsTab() ? f.WebBrowser1(forms::frontSlot(f)) : f.WebBrowser1(1);
}

struct SchemeRow {
    forms::Key key;
    const char* values[ColourSchemes::kSchemes];  // 灰, 紫, 黑, 蓝
    Controls controls;                            // nullptr: the key is read where it is used
};

// The ten keys of a scheme, in the order they are written. 灰 names the system's button-face colour
// for the window background, stored in its hexadecimal form.
const SchemeRow kScheme[] = {
    {forms::fgkey::窗口边框, {"12632256", "12607381", "2171945", "15130800"},
     [](Form1& f, const QString& v) {
         for (int k = 1; k <= 4; ++k) step([&] { f.Line1(k).setBorderColor(n(v)); });
     }},
    {forms::fgkey::按钮边框, {"12632256", "12607381", "2171945", "15130800"},
     [](Form1& f, const QString& v) {
         for (int k : {1, 2, 3, 0}) step([&] { f.Shape2(k).setBorderColor(n(v)); });
     }},
    {forms::fgkey::背景0, {"&H8000000F", "16481475", "5000268", "16100715"},
     [](Form1& f, const QString& v) {
         step([&] { f.setBackColor(n(v)); });
         step([&] { f.Text7.setBackColor(n(v)); });
     }},
    {forms::fgkey::颜色1, {"16711680", "0", "3329330", "16777215"},
     [](Form1& f, const QString& v) {
         for (int k = 0; k <= 3; ++k) step([&] { f.Label2(k).setForeColor(n(v)); });
         step([&] { f.Text7.setForeColor(n(v)); });
         step([&] { f.Label2(4).setForeColor(n(v)); });
     }},
    // The glyph hover colours: read at the next hover.
    {forms::fgkey::颜色2, {"255", "0", "0", "16777215"}, nullptr},
    {forms::fgkey::颜色3, {"12632256", "13237437", "65280", "16748574"}, nullptr},
    {forms::appkey::字体颜色1, {"6914176", "16777215", "12632256", "14474460"},
     [](Form1& f, const QString& v) {
         for (int k = 2; k <= 10; ++k) step([&] { f.lv(k).setForeColor(n(v)); });
     }},
    {forms::appkey::字体颜色2, {"16711680", "0", "0", "16777215"},
     [](Form1& f, const QString& v) { step([&] { frontLabel(f).setForeColor(n(v)); }); }},
    {forms::appkey::当前标签, {"12632256", "13237437", "3329330", "16748574"},
     [](Form1& f, const QString& v) { step([&] { frontLabel(f).setBackColor(n(v)); }); }},
    // The scheme's name: the main menu marks its item.
    {forms::fgkey::界面颜色, {"灰", "紫", "黑", "蓝"}, nullptr},
};

}  // namespace

ColourSchemes::ColourSchemes(Form1& form, Form4& owner) : f(form), m(owner) {
    m.peise.onClick = [this](int Index) { peise_Click(Index); };
}

void ColourSchemes::peise_Click(int Index) {
    const bool scheme = Index >= 1 && Index <= kSchemes;
    if (scheme) step([&] { frontBrowser(f).setWidth(frontBrowser(f).width() + 30); });
    interfaceFont();
    if (scheme) {
        applyScheme(Index);
    } else if (Index == kSkinPictureItem) {
        // Loads the settings window hidden when it is not loaded; showing it is command 11's.
        step([&] { forms::window<Form5>().Command2.press(); });
        return;
    } else if (Index == kMarginsItem) {
        toggleMargins();
        return;
    }
    closeSettingsWindows();
    markScheme(Index);
    step([&] { frontBrowser(f).setWidth(frontBrowser(f).width() - 30); });
}

void ColourSchemes::interfaceFont() {
    const QString font = QStringLiteral("微软雅黑");
    step([&] { forms::write(forms::fgkey::字体, font); });
    for (int k = 0; k <= 3; ++k) step([&] { f.Label2(k).setFontName(font); });
    step([&] { f.Text7.setFontName(font); });
    step([&] { f.Label2(4).setFontName(font); });
    for (int k = 1; k <= 3; ++k) {
        step([&] {
            const ui::Label& glyph = f.Label2(k);
            f.Shape2(k).move(glyph.left(), glyph.top(), glyph.width(), glyph.height());
        });
    }
}

void ColourSchemes::applyScheme(int Index) {
    for (const SchemeRow& row : kScheme) {
        const QString v = QString::fromUtf8(row.values[Index - 1]);
        step([&] { forms::write(row.key, v); });
        if (row.controls) row.controls(f, v);
    }
}

// Closed, not hidden: their fields and the picker's slot are forgotten, and the settings window
// shows the scheme's values when it is opened again.
void ColourSchemes::closeSettingsWindows() {
    step([&] {
        if (Form5* w = forms::windows().existing<Form5>()) w->unload();
    });
    step([&] {
        if (Form8* p = forms::windows().existing<Form8>()) p->unload();
    });
}

void ColourSchemes::markScheme(int Index) {
    for (int i = 1; i <= kSchemes; ++i) {
        step([&] { m.peise(i).setEnabled(true); });
        step([&] { m.peise(i).setChecked(false); });
    }
    step([&] { m.peise(Index).setEnabled(false); });
    step([&] { m.peise(Index).setChecked(true); });
}

void ColourSchemes::toggleMargins() {
    using namespace forms::fgkey;
    if (guard([&] { return forms::read(界面边距) == QStringLiteral("无"); })) {
        step([&] { forms::write(网页右移, QStringLiteral("0")); });
        step([&] { forms::write(网页左减, QStringLiteral("0")); });
        step([&] { forms::write(网页长度, QStringLiteral("0")); });
        step([&] { forms::write(界面边距, QStringLiteral("有")); });
        step([&] { m.peise(kMarginsItem).setChecked(true); });
        step([&] { f.setWidth(f.width() - 10); });
    } else {
        step([&] { forms::write(网页右移, QStringLiteral("-130")); });
        step([&] { forms::write(网页左减, QStringLiteral("-240")); });
        step([&] { forms::write(网页长度, QStringLiteral("-130")); });
        step([&] { forms::write(界面边距, QStringLiteral("无")); });
        step([&] { m.peise(kMarginsItem).setChecked(false); });
        step([&] { f.setWidth(f.width() + 10); });
    }
    // The skin picture again, and the home page's background lined up with the home browser's new place.
    step([&] { f.Command2(20).press(); });
}
