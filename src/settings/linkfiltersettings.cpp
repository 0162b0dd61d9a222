#include "settings/linkfiltersettings.h"

#include "forms/settings.h"
#include "platform/rt/error.h"
#include "platform/ui/controls.h"
#include "settings/form5.h"
#include "settings/hintbox.h"
#include "settings/settingeditors.h"

#include <QRegularExpression>

using rt::step;

namespace {

constexpr settings::Switch kSwitches[] = {
    {{&Form5::Check3}, forms::appkey::过滤连接, "1", "0", "勾选：点击连接包含其中字符的< 点击被中断 >"},
};

}  // namespace

settings::SwitchTable LinkFilterSettings::switches() { return kSwitches; }

LinkFilterSettings::LinkFilterSettings(Form5& window) : w(window) {
    w.Check3.onMouseUp = [this](int Button, int, double, double) { Check3_MouseUp(Button); };
    w.Check3.onKeyboardToggle = [this] { storeSwitch(); };
    w.Check3.onMouseMove = [this](int, int, double X, double) { Check3_MouseMove(X); };
    w.Text51.onDblClick = [this](int Index) { Text51_DblClick(Index); };
    w.Text51.onMouseMove = [this](int Index, int, int, double X, double) { Text51_MouseMove(Index, X); };
}

QString LinkFilterSettings::storedList(const QString& text) {
    static const QRegularExpression lineBreaks(QStringLiteral("[\\r\\n]+"));
    const QStringList lines = text.split(lineBreaks, Qt::SkipEmptyParts);
    QString list;
    for (const QString& line : lines) {
        const bool separated = list.isEmpty() || list.endsWith(QLatin1Char('>')) || line.startsWith(QLatin1Char('>'));
        if (!separated) list += QLatin1Char('>');
        list += line;
    }
    return list;
}

void LinkFilterSettings::Check3_MouseUp(int Button) {
    if (settings::commits(Button)) storeSwitch();
}

void LinkFilterSettings::storeSwitch() {
    step([&] { settings::storeSwitch(w, switches().row(&Form5::Check3)); });
    step([&] { w.Command1.press(); });
}

void LinkFilterSettings::Text51_DblClick(int Index) {
    QString list;
    if (step([&] { list = storedList(w.Text51(Index).text()); })) {
        step([&] {
            if (list != w.Text51(Index).text()) w.Text51(Index).setText(list);
        });
        step([&] { forms::write(forms::appkey::Lv20, list); });
    }
    step([&] { w.Text1(1).setFocus(); });
    step([&] { w.Command1.press(); });
}

void LinkFilterSettings::Check3_MouseMove(double X) { settings::showHint(w, switches().row(&Form5::Check3), X); }

void LinkFilterSettings::Text51_MouseMove(int Index, double X) {
    HintBox::show(w, w.Text51(Index), X, QStringLiteral("添加：字符> (最后一个不加'>')，双击：保存内容"));
}
