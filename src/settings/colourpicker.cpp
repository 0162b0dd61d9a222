#include "settings/colourpicker.h"

#include "forms/programfiles.h"
#include "forms/form1.h"
#include "forms/settings.h"
#include "forms/slots.h"
#include "forms/windowowner.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/ui/controls.h"
#include "platform/ui/services.h"
#include "settings/form5.h"
#include "settings/form8.h"

using rt::step;

namespace {

// The steps of one slot's branch, in order, for the colour value v (decimal text).
using Branch = void (*)(Form5& s, Form1& f, const QString& v);

ui::Color n(const QString& v) { return rt::toColor(v); }

// The front tab's label (raises 340 while the home slot, which has no label, is in front).
ui::Label& frontLabel(Form1& f) { return f.lv(forms::frontSlot(f)); }

struct ColourSlot {
    const char* slot;           // the text in the settings window's tag
    const forms::Key* partner;  // a setting whose value this one may not take, or nullptr
    const char* refusal;        // the message of that refusal
    Branch branch;
};

const ColourSlot kSlots[] = {
    {"字体颜色1", &forms::appkey::字体颜色2, "选择失败，字体颜色1和字体颜色2相同",
     [](Form5& s, Form1& f, const QString& v) {
         step([&] { forms::write(forms::appkey::字体颜色1, v); });
         step([&] { s.Text6.setBackColor(n(v)); });
         for (int k = 2; k <= 10; ++k) step([&] { f.lv(k).setForeColor(n(v)); });
         // The front tab keeps its own text colour.
         step([&] { frontLabel(f).setForeColor(n(forms::read(forms::appkey::字体颜色2))); });
     }},
    {"字体颜色2", &forms::appkey::字体颜色1, "选择失败，字体颜色2和字体颜色1相同",
     [](Form5& s, Form1& f, const QString& v) {
         step([&] { forms::write(forms::appkey::字体颜色2, v); });
         step([&] { s.Text8.setBackColor(n(v)); });
         step([&] { frontLabel(f).setForeColor(n(v)); });
     }},
    {"当前标签", &forms::appkey::标签颜色, "选择失败，当前标签和标签颜色相同",
     [](Form5& s, Form1& f, const QString& v) {
         step([&] { forms::write(forms::appkey::当前标签, v); });
         step([&] { s.Text32.setBackColor(n(v)); });
         step([&] { frontLabel(f).setBackColor(n(v)); });
     }},
    // The two colours of the page 颜色 are shown, then stored; nothing else uses them.
    {"颜色2", nullptr, nullptr,
     [](Form5& s, Form1&, const QString& v) {
         step([&] { s.Text4(2).setText(v); });
         step([&] { s.Text4(2).setForeColor(n(v)); });
         step([&] { forms::write(forms::appkey::文字颜色, v); });
     }},
    {"颜色3", nullptr, nullptr,
     [](Form5& s, Form1&, const QString& v) {
         step([&] { s.Text4(3).setText(v); });
         step([&] { s.Text4(3).setForeColor(n(v)); });
         step([&] { forms::write(forms::appkey::加载颜色, v); });
     }},
    {"风格0", nullptr, nullptr,
     [](Form5& s, Form1& f, const QString& v) {
         step([&] { forms::write(forms::fgkey::背景0, v); });
         step([&] { s.Text7(0).setBackColor(n(v)); });
         step([&] { f.setBackColor(n(v)); });
         step([&] { f.Text7.setBackColor(n(v)); });
         step([&] { s.Picture2.setBackColor(n(v)); });
     }},
    {"风格10", nullptr, nullptr,
     [](Form5& s, Form1& f, const QString& v) {
         step([&] { forms::write(forms::fgkey::颜色1, v); });
         step([&] { s.Text7(10).setBackColor(n(v)); });
         for (int k = 0; k <= 3; ++k) step([&] { f.Label2(k).setForeColor(n(v)); });
         step([&] { f.Text7.setForeColor(n(v)); });
         step([&] { f.Label2(4).setForeColor(n(v)); });
         step([&] { s.Label3.setForeColor(n(v)); });
     }},
    // The glyph hover colours: the main window reads them at its next hover.
    {"风格11", nullptr, nullptr,
     [](Form5& s, Form1&, const QString& v) {
         step([&] { forms::write(forms::fgkey::颜色2, v); });
         step([&] { s.Text7(11).setBackColor(n(v)); });
     }},
    {"风格12", nullptr, nullptr,
     [](Form5& s, Form1&, const QString& v) {
         step([&] { forms::write(forms::fgkey::颜色3, v); });
         step([&] { s.Text7(12).setBackColor(n(v)); });
     }},
    {"风格17", nullptr, nullptr,
     [](Form5& s, Form1& f, const QString& v) {
         step([&] { forms::write(forms::fgkey::窗口边框, v); });
         step([&] { s.Text7(17).setBackColor(n(v)); });
         for (int k = 1; k <= 4; ++k) step([&] { f.Line1(k).setBorderColor(n(v)); });
     }},
    {"风格18", nullptr, nullptr,
     [](Form5& s, Form1& f, const QString& v) {
         step([&] { forms::write(forms::fgkey::按钮边框, v); });
         step([&] { s.Text7(18).setBackColor(n(v)); });
         for (int k : {1, 2, 3, 0}) step([&] { f.Shape2(k).setBorderColor(n(v)); });
     }},
};

}  // namespace

ColourPicker::ColourPicker(Form8& window) : w(window) {
    w.onLoad = [this] { Form_Load(); };
    w.Text1.onClick = [this](int Index) { Text1_Click(Index); };
}

void ColourPicker::Form_Load() {
    step([&] { forms::setProgramIcon(w); });
}

void ColourPicker::Text1_Click(int Index) {
    if (Index == 0) return;
    QString v;
    step([&] { v = QString::number(w.Text1(Index).backColor()); });
    step([&] { w.Text1(0).setText(v); });
    step([&] { w.Text1(0).setTag(QStringLiteral("1")); });

    // Only an open settings window names a slot; a closed one is not loaded for it.
    Form5* settings = forms::windows().existing<Form5>();
    if (!settings) return;
    QString slot;
    step([&] { slot = settings->tag(); });
    for (const ColourSlot& s : kSlots) {
        if (slot != QString::fromUtf8(s.slot)) continue;
        // The stored partner is compared as text: an absent one reads "" and never matches.
        if (s.partner && rt::guard([&] { return forms::read(*s.partner) == v; })) {
            ui::refuse(QString::fromUtf8(s.refusal));
            return;
        }
        s.branch(*settings, forms::form1(), v);
        step([&] { settings->Command1.press(); });
        return;
    }
}
