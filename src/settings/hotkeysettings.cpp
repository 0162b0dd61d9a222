#include "settings/hotkeysettings.h"

#include "forms/form1.h"
#include "forms/settings.h"
#include "forms/windowowner.h"
#include "platform/rt/error.h"
#include "platform/ui/controls.h"
#include "settings/form5.h"
#include "settings/settingeditors.h"

using rt::step;

HotKeySettings::HotKeySettings(Form5& window) : w(window) {
    w.Text9.onClick = [this](int Index) { Text9_Click(Index); };
}

void HotKeySettings::Text9_Click(int Index) {
    QString current;
    step([&] { current = w.Text9(Index).text(); });
    QString answer;
    step([&] { answer = settings::askChange(QStringLiteral("ALT+") + current, current); });
    if (answer.isEmpty()) return;
    step([&] { w.Text9(Index).setText(answer); });
    // The key is the label's caption.
    step([&] { forms::write(forms::Txt::App, w.Label9(Index).caption(), w.Text9(Index).text()); });
    step([&] { forms::form1().Command2(Index).setCaption(QStringLiteral("&") + answer); });
    step([&] { w.Command1.press(); });
}
