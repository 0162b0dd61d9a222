#include "settings/settingswindow.h"

#include "forms/settings.h"
#include "platform/rt/error.h"
#include "settings/form5.h"

SettingsWindow::SettingsWindow(Form5& window) : w(window) { w.onLoad = [this] { Form_Load(); }; }

void SettingsWindow::Form_Load() {
    rt::step([&] { w.Check1(3).setValue(forms::read(forms::appkey::网页右键) == QStringLiteral("False") ? 1 : 0); });
}
