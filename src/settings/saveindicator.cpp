#include "settings/saveindicator.h"

#include "platform/rt/error.h"
#include "settings/form5.h"

using rt::step;

SaveIndicator::SaveIndicator(Form5& window) : w(window) {
    w.Command1.onClick = [this] { Command1_Click(); };
    w.Timer1.onTimer = [this] { Timer1_Timer(); };
}

void SaveIndicator::Command1_Click() {
    // Hidden and shown again, so that it shows at once even while it is already shown.
    step([&] { w.Label6(4).setVisible(false); });
    step([&] { w.Label6(4).setVisible(true); });
    // Disabled and enabled again: a fresh 1500 ms.
    step([&] { w.Timer1.setEnabled(false); });
    step([&] { w.Timer1.setEnabled(true); });
}

void SaveIndicator::Timer1_Timer() {
    step([&] { w.Label6(4).setVisible(false); });
    step([&] { w.Timer1.setEnabled(false); });
}
