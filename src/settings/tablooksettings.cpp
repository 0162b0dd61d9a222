#include "settings/tablooksettings.h"

#include "forms/form1.h"
#include "forms/settings.h"
#include "forms/slots.h"
#include "forms/windowlimits.h"
#include "forms/windowowner.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/rt/text.h"
#include "platform/ui/controls.h"
#include "platform/ui/services.h"
#include "settings/fontlist.h"
#include "settings/form5.h"
#include "settings/hintbox.h"
#include "settings/settingeditors.h"

using rt::guard;
using rt::step;

namespace {

constexpr ui::Color kRed = 255;
constexpr ui::Color kBlue = 16711680;

// The value fields: key, the length an answer may have, and the second check.
struct ValueField {
    forms::Key key;
    int shortest;
    int longest;
    const char* lengthMessage;
    bool noLeadingZero;  // else: a value of at least 2
};

const ValueField* valueField(int Index) {
    using namespace forms::appkey;
    static const ValueField width{宽度, 3, 4, "最少3个数，最多4个数", true};
    static const ValueField height{高度, 3, 3, "必须是3个数", true};
    static const ValueField size{大小, 1, 2, "最少1个数，最多2个数", true};
    static const ValueField titleLength{字数, 1, 2, "最少1个数，最多2个数", false};
    switch (Index) {
    case 1: return &width;
    case 2: return &height;
    case 3: return &size;
    case 5: return &titleLength;
    default: return nullptr;
    }
}

const char* const kFieldHints[] = {"", "数字越大越宽，勾选：固定宽度", "数字越大越高", "数字越大字体越大",
                                   "系统中的字体有些不能显示汉字", "数字越大显示字数越多"};
constexpr settings::Switch kSwitches[] = {
    {{&Form5::Check22, 1}, forms::appkey::固定宽度, "1", "0", "勾选：自动宽度取消"},
    {{&Form5::Check22, 2}, forms::appkey::双击关闭, "1", "0", "勾选：双击标签关闭"},
    {{&Form5::Check22, 3}, forms::appkey::弹出小化, "1", "0", "勾选：弹出Flash窗口，浏览器最小化"},
    {{&Form5::Check22, 4}, forms::appkey::Flash按钮, "1", "0", "勾选：鼠标移动到Flash上时出现按钮"},
    {{&Form5::Check22, 5}, forms::appkey::字体加粗, "True", "False", "勾选：字体加粗"},
};

}  // namespace

settings::SwitchTable TabLookSettings::switches() { return kSwitches; }

TabLookSettings::TabLookSettings(Form5& window) : w(window) {
    w.Text21.onClick = [this](int Index) { Text21_Click(Index); };
    w.Text21.onMouseMove = [this](int Index, int, int, double X, double) { Text21_MouseMove(Index, X); };
    w.Check22.onMouseUp = [this](int Index, int Button, int, double, double) { Check22_MouseUp(Index, Button); };
    w.Check22.onKeyboardToggle = [this](int Index) { Check22_KeyboardToggle(Index); };
    w.Check22.onMouseMove = [this](int Index, int, int, double X, double) { Check22_MouseMove(Index, X); };
}

QString TabLookSettings::refusal(int Index, const QString& answer) {
    const ValueField* field = valueField(Index);
    if (!field) return QString();
    if (!rt::isNumeric(answer)) return QStringLiteral("必须是数字");
    if (field->noLeadingZero) {
        if (rt::left(answer, 1) == QLatin1String("0")) return QStringLiteral("第一个数不能是[ 0 ]");
    } else if (rt::toDouble(answer) < 2) {
        return QStringLiteral("最小是 [ 2 ]");
    }
    const int length = rt::len(answer);
    if (length < field->shortest || length > field->longest) return QString::fromUtf8(field->lengthMessage);
    return QString();
}

void TabLookSettings::Text21_Click(int Index) {
    if (Index == 4) {
        FontList::open(w, QString::fromUtf8(FontList::kTabFont), w.Text21(4));
        return;
    }
    const ValueField* field = valueField(Index);
    if (!field) return;
    QString old;
    step([&] { old = w.Text21(Index).text(); });
    QString answer;
    step([&] { answer = settings::askChange(w.Label3.caption(), old); });
    if (answer.isEmpty()) return;
    const QString message = refusal(Index, answer);
    if (!message.isEmpty()) {
        ui::refuse(message);
        return;
    }
    step([&] { w.Text21(Index).setText(answer); });
    step([&] { forms::write(field->key, answer); });
    switch (Index) {
    case 1: applyWidth(); break;
    case 2: applyHeight(answer); break;
    case 3: applyFontSize(answer); break;
    case 5: applyTitleLength(); break;
    default: break;
    }
    step([&] { w.Command1.press(); });
}

void TabLookSettings::applyWidth() { step([&] { forms::form1().Command39.press(); }); }

void TabLookSettings::applyHeight(const QString& answer) {
    Form1& f = forms::form1();
    // The sizes as the main window's layout takes them: a height no label can take (a negative one)
    // is refused, so every statement that uses it is skipped; the rest is cut to what fits.
    auto h = [&] { return forms::tabHeightThatFits(rt::toDouble(answer)); };
    auto left = [&] { return forms::leftOffsetThatFits(rt::toDouble(f.youyi()), f.scaleWidth()); };
    auto widthCut = [&] {
        return forms::rightMarginThatFits(rt::toDouble(forms::read(forms::fgkey::网页左减)), left(), f.scaleWidth());
    };
    auto heightCut = [&] {
        return forms::bottomMarginThatFits(rt::toDouble(forms::read(forms::fgkey::网页长度)), f.scaleHeight());
    };
    // The page area under the tabs and the address box.
    auto pageArea = [&](web::WebBrowser& browser) {
        browser.move(left() - 10, h() + f.Text7.height() + 170, f.scaleWidth() - widthCut() - 270,
                     f.scaleHeight() - f.lv(2).height() - f.Text7.height() - heightCut() - 320);
    };

    // The glyphs and their frames, then every tab label.
    for (int k = 1; k <= 3; ++k) {
        step([&] { f.Label2(k).setHeight(h()); });
        step([&] { f.Shape2(k).setHeight(h()); });
    }
    for (int k = 2; k <= 10; ++k) step([&] { f.lv(k).setHeight(h()); });
    // The address box, its label and its frame.
    step([&] { f.Text7.move(left() + 40, h() + 80, f.scaleWidth() - widthCut() - 370, 270); });
    step([&] { f.Label2(4).move(f.Text7.left(), f.Text7.top(), f.Text7.width(), f.Text7.height()); });
    step([&] { f.Shape2(0).move(f.Shape2(0).left(), f.lv(2).height() + 50, f.Shape2(0).width(), f.Text7.height() + 60); });
    // The pages of the visible tabs, then the home page.
    int last = 1;
    step([&] { last = f.WebBrowser1.ubound(); });
    for (int k = 2; k <= last; ++k) {
        if (guard([&] { return f.lv(k).visible(); })) step([&] { pageArea(f.WebBrowser1(k)); });
    }
    step([&] { pageArea(f.WebBrowser1(1)); });
    // The skin picture lines up with the moved home page again.
    step([&] { f.Command2(20).press(); });
}

void TabLookSettings::applyFontSize(const QString& answer) {
    Form1& f = forms::form1();
    for (int k = 2; k <= 10; ++k) step([&] { f.lv(k).setFontSize(rt::toDouble(answer)); });
}

void TabLookSettings::applyTitleLength() {
    Form1& f = forms::form1();
    for (int k = 2; k <= 10; ++k) {
        if (!guard([&] { return f.lv(k).visible(); })) continue;
        // One blank before the title, whichever tab is in front.
        step([&] {
            const QString title = f.WebBrowser1(k).document().title();
            f.lv(k).setCaption(QStringLiteral(" ") + forms::backgroundCaption(title, forms::read(forms::appkey::字数)));
        });
    }
}

void TabLookSettings::Text21_MouseMove(int Index, double X) {
    if (Index < 1 || Index > 5) return;
    HintBox::show(w, w.Text21(Index), X, QString::fromUtf8(kFieldHints[Index]));
}

void TabLookSettings::Check22_MouseMove(int Index, double X) {
    if (const settings::Switch* s = switches().find(&Form5::Check22, Index)) settings::showHint(w, *s, X);
}

void TabLookSettings::Check22_MouseUp(int Index, int Button) {
    if (settings::commits(Button)) storeSwitch(Index);
}

void TabLookSettings::Check22_KeyboardToggle(int Index) { storeSwitch(Index); }

void TabLookSettings::storeSwitch(int Index) {
    Form1& f = forms::form1();
    bool ticked = false;
    step([&] { ticked = w.Check22(Index).value() == 1; });
    step([&] { settings::storeSwitch(w, switches().row(&Form5::Check22, Index)); });
    switch (Index) {
    case 1:
        step([&] { w.Text21(1).setForeColor(ticked ? kRed : kBlue); });
        step([&] { f.Command39.press(); });
        break;
    case 3:
        // While a Flash player is popped out.
        if (ticked && guard([&] { return rt::toDouble(f.Command7.tag()) > 1; }))
            step([&] { f.setWindowState(ui::vbMinimized); });
        break;
    case 4:
        if (!ticked) step([&] { f.Command7.setVisible(false); });
        break;
    case 5:
        for (int k = 2; k <= 10; ++k) step([&] { f.lv(k).setFontBold(ticked); });
        break;
    default:
        break;
    }
    step([&] { w.Command1.press(); });
}
