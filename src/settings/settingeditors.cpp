#include "settings/settingeditors.h"

#include "forms/settings.h"
#include "platform/rt/error.h"
#include "platform/ui/checkbox.h"
#include "platform/ui/events.h"
#include "platform/ui/services.h"
#include "settings/form5.h"
#include "settings/hintbox.h"

namespace settings {

QString askChange(const QString& prompt, const QString& current) {
    const QString answer = ui::askInInputBox(prompt, QStringLiteral("修改"), current);
    if (answer.isEmpty() || answer == current) return QString();
    return answer;
}

ui::CheckBox& SwitchControl::in(Form5& w) const { return box_ ? w.*box_ : (w.*array_)(index_); }

const Switch* SwitchTable::find(ui::CheckBoxArray Form5::*array, int index) const {
    for (const Switch& s : *this)
        if (s.control.is(array, index)) return &s;
    return nullptr;
}

const Switch* SwitchTable::find(ui::CheckBox Form5::*box) const {
    for (const Switch& s : *this)
        if (s.control.is(box)) return &s;
    return nullptr;
}

const Switch& SwitchTable::row(ui::CheckBoxArray Form5::*array, int index) const {
    if (const Switch* s = find(array, index)) return *s;
    rt::raise(rt::SubscriptOutOfRange);
}

const Switch& SwitchTable::row(ui::CheckBox Form5::*box) const {
    if (const Switch* s = find(box)) return *s;
    rt::raise(rt::SubscriptOutOfRange);
}

void loadSwitch(Form5& w, const Switch& s) {
    if (forms::read(s.key) == QString::fromUtf8(s.ticked)) s.control.in(w).setValue(1);
}

void storeSwitch(Form5& w, const Switch& s) {
    forms::write(s.key, QString::fromUtf8(s.control.in(w).value() == 1 ? s.ticked : s.unticked));
}

void showHint(Form5& w, const Switch& s, double X) { HintBox::show(w, s.control.in(w), X, QString::fromUtf8(s.hint)); }

bool commits(int Button) { return Button == ui::vbLeftButton; }

}  // namespace settings
