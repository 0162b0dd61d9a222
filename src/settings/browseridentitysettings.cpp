#include "settings/browseridentitysettings.h"

#include "forms/documentmode.h"
#include "forms/settings.h"
#include "platform/rt/error.h"
#include "platform/ui/controls.h"
#include "settings/form5.h"
#include "settings/hintbox.h"
#include "settings/settingeditors.h"
#include "settings/settingswindow.h"

#include <QRegularExpression>

using rt::step;

const char* const BrowserIdentitySettings::kPresetStrings[13] = {
    "Mozilla/5.0 (Windows NT 10.0) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/42.0.2311.135 Safari/537.36 "
    "Edge/12.10240",
    "Mozilla/5.0 (Windows NT 6.1) AppleWebKit/525.13 (KHTML, like Gecko) Chrome/42.0.2311.135 Safari/525.13",
    "Mozilla/5.0 (Windows NT 6.1) Gecko/20070309 Firefox/2.0.0.3",
    "Opera/9.20  (Windows NT 6.1) Opera/9.20",
    "Mozilla/5.0 (Macintosh; PPC Mac OS X) AppleWebKit/419 (KHTML, like Gecko) Safari/419.3",
    "Mozilla/4.0 (Windows NT 5.1; MSIE 8.0)",
    "Mozilla/4.0 (Windows NT 5.1; MSIE 7.0)",
    "Mozilla/4.0 (Windows NT 5.1; MSIE 6.0)",
    "Mozilla/5.0(iPad; U; CPU iPhone OS 3_2 like Mac OS X; en-us) AppleWebKit/531.21.10 (KHTML, like Gecko) "
    "Version/4.0.4 Mobile/7B314 Safari/531.21.10",
    "Mozilla/5.0 (iPhone; U; CPU like Mac OS X; en) AppleWebKit/420+ (KHTML, like Gecko) Version/3.0 "
    "Mobile/1A543a Safari/419.3",
    "NokiaN90-1/3.0545.5.1 Series60/2.8 Profile/MIDP-2.0 Configuration/CLDC-1.1",
    "Baiduspider+(+http://www.baidu.com/search/spider.htm)",
    "Mozilla/5.0 (compatible; Googlebot/2.1; +http://www.google.com/bot.html)",
};

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
    step([&] { settings::storeSwitch(w.Check2, {forms::appkey::UA, "1", "0"}); });
    step([&] { w.Command1.press(); });
}

void BrowserIdentitySettings::Check2_MouseMove(double X) {
    HintBox::show(w, w.Check2, X, QStringLiteral("勾选：伪装网页，刷新和不是新窗口的无效(双击文本框保存)"));
}

void BrowserIdentitySettings::Combo1_Click() {
    for (int i = 0; i < 13; ++i) {
        step([&] {
            if (w.Combo1.text() == QString::fromUtf8(SettingsWindow::kPresets[i]))
                w.Text5.setText(QString::fromUtf8(kPresetStrings[i]));
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
    for (int i = 0; i < 9; ++i) {
        if (w.Combo2.text() != QString::fromUtf8(SettingsWindow::kModes[i])) continue;
        const QString mode = QString::fromUtf8(SettingsWindow::kModeValues[i]);
        // The setting first, then the registry value.
        step([&] { forms::write(forms::appkey::IE, mode); });
        step([&] {
            for (const forms::DocumentMode& m : forms::kDocumentModes)
                if (mode == QLatin1String(m.setting)) forms::writeDocumentMode(m.number);
        });
    }
    step([&] { w.Command1.press(); });
}
