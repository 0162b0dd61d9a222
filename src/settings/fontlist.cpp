#include "settings/fontlist.h"

#include "forms/form1.h"
#include "forms/settings.h"
#include "forms/windowowner.h"
#include "platform/rt/error.h"
#include "platform/ui/controls.h"
#include "platform/ui/services.h"
#include "settings/form5.h"

using rt::step;

FontList::FontList(Form5& window) : w(window) {
    w.List1.onDblClick = [this] { List1_DblClick(); };
}

void FontList::open(Form5& w, const QString& tag, const ui::TextBox& field) {
    step([&] { w.setTag(tag); });
    // Filled once: the names of the system, in its order, without the vertical-writing ones ("@").
    step([&] {
        if (w.List1.listCount() > 0) return;
        for (const QString& name : ui::services().fontFamilies())
            if (!name.contains(QLatin1Char('@'))) w.List1.addItem(name);
    });
    step([&] {
        const QString current = field.text();
        for (int i = 0; i < w.List1.listCount(); ++i) {
            if (w.List1.list(i) == current) {
                w.List1.setListIndex(i);
                return;
            }
        }
    });
    step([&] { w.List1.zOrder(0); });
}

void FontList::List1_DblClick() {
    if (w.List1.listIndex() < 0) return;
    if (w.tag() == QString::fromUtf8(kTabFont)) {
        commitTabFont();
    } else if (w.tag() == QString::fromUtf8(kInterfaceFont)) {
        commitInterfaceFont();
    } else {
        return;
    }
    step([&] { w.Command1.press(); });
}

void FontList::commitTabFont() {
    Form1& f = forms::form1();
    step([&] { w.Text21(4).setText(w.List1.text()); });
    step([&] { forms::write(forms::appkey::字体, w.List1.text()); });
    for (int k = 2; k <= 10; ++k) step([&] { f.lv(k).setFontName(w.List1.text()); });
}

void FontList::commitInterfaceFont() {
    Form1& f = forms::form1();
    step([&] { w.Text7(16).setText(w.List1.text()); });
    step([&] { forms::write(forms::fgkey::字体, w.List1.text()); });
    step([&] { f.Label2(0).setFontName(w.List1.text()); });
    for (int k = 1; k <= 3; ++k) step([&] { f.Label2(k).setFontName(f.Label2(0).fontName()); });
    step([&] { f.Label2(1).setHeight(f.lv(2).height()); });
    for (int k = 2; k <= 3; ++k) step([&] { f.Label2(k).setHeight(f.Label2(1).height()); });
    for (int k = 1; k <= 3; ++k) {
        step([&] {
            const ui::Label& glyph = f.Label2(k);
            f.Shape2(k).move(glyph.left(), glyph.top(), glyph.width(), glyph.height());
        });
    }
    step([&] { f.Text7.setFontName(f.Label2(0).fontName()); });
    step([&] { f.Label2(4).setFontName(f.Label2(0).fontName()); });
    // A change of width lays the main window out again: the glyphs and the address box find their places.
    step([&] { f.setWidth(f.width() + 10); });
}
