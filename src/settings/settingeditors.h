#pragma once
// What the page handlers of the settings window share: the input box that asks for a new value, the
// refusal of one, and the switches that store one of two texts.
//
// Asking: an input box titled "修改" with the caller's prompt and the current value as its answer, at
// one 2.6th of the screen width and half the screen height. An empty answer (Cancel gives one) or an
// unchanged one (compared exactly, letter case counting) changes nothing: askChange returns "" then.
//
// A switch stores when the user commits it: a left-button release over it (also one released beside
// it, after pressing it) or a change made with the keyboard. It writes its ticked text when ticked and
// its unticked text otherwise (a grey box counts as unticked). Other buttons, and ticks set by code,
// store nothing.
#include "forms/settingkeys.h"

#include <QString>

namespace ui {
class CheckBox;
}

namespace settings {

QString askChange(const QString& prompt, const QString& current);

struct SwitchTexts {
    forms::Key key;
    const char* ticked;
    const char* unticked;
};

// Writes the switch's text for its tick now.
void storeSwitch(const ui::CheckBox& box, const SwitchTexts& texts);

// Whether a mouse release with these buttons commits a switch: the left button alone.
bool commits(int Button);

}  // namespace settings
