#include "settings/browseridentitysettings.h"

#include "forms/documentmode.h"
#include "forms/settings.h"
#include "platform/rt/error.h"
#include "platform/ui/controls.h"
#include "settings/form5.h"
#include "settings/settingeditors.h"

#include <QRegularExpression>

using rt::step;

namespace {

constexpr settings::Switch kSwitches[] = {
    {{&Form5::Check2}, forms::appkey::UA, "1", "0", "勾选：伪装网页，刷新和不是新窗口的无效(双击文本框保存)"},
};

}  // namespace

settings::SwitchTable BrowserIdentitySettings::switches() { return kSwitches; }

BrowserIdentitySettings::BrowserIdentitySettings(Form5& window) : w(window) {
    w.Check2.onMouseUp = [this](int Button, int, double, double) { Check2_MouseUp(Button); };
    w.Check2.onKeyboardToggle = [this] { storeSwitch(); };
    w.Check2.onMouseMove = [this](int, int, double X, double) { Check2_MouseMove(X); };
    w.Combo1.onClick = [this] { Combo1_Click(); };
    w.Text5.onDblClick = [this] { Text5_DblClick(); };
    w.Combo2.onClick = [this] { Combo2_Click(); };
}

QString BrowserIdentitySettings::storedUserAgent(const QString& text) {
    static const QRegularExpression lineBreak(QStringLiteral("\\r\\n|\\r|\\n"));
    return QString(text).replace(lineBreak, QStringLiteral(" "));
}

void BrowserIdentitySettings::Check2_MouseUp(int Button) {
    if (settings::commits(Button)) storeSwitch();
}

void BrowserIdentitySettings::storeSwitch() {
    step([&] { settings::storeSwitch(w, switches().row(&Form5::Check2)); });
    step([&] { w.Command1.press(); });
}

void BrowserIdentitySettings::Check2_MouseMove(double X) { settings::showHint(w, switches().row(&Form5::Check2), X); }

void BrowserIdentitySettings::Combo1_Click() {
    for (const Preset& p : kPresets) {
        step([&] {
            if (w.Combo1.text() == QString::fromUtf8(p.caption)) w.Text5.setText(QString::fromUtf8(p.string));
        });
    }
}

void BrowserIdentitySettings::Text5_DblClick() {
    QString agent;
    if (step([&] { agent = storedUserAgent(w.Text5.text()); })) {
        step([&] {
            if (agent != w.Text5.text()) w.Text5.setText(agent);
        });
        step([&] { forms::write(forms::appkey::呈现伪造, agent); });
    }
    step([&] { w.Text1(1).setFocus(); });
    step([&] { w.Command1.press(); });
}

void BrowserIdentitySettings::Combo2_Click() {
    for (const forms::DocumentMode& m : forms::kDocumentModes) {
        if (!m.offered || w.Combo2.text() != QString::fromUtf8(m.caption)) continue;
        // The setting first, then the registry value.
        step([&] { forms::write(forms::appkey::IE, QString::fromUtf8(m.setting)); });
        step([&] { forms::writeDocumentMode(m.number); });
    }
    step([&] { w.Command1.press(); });
}
