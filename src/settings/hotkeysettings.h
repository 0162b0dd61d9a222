#pragma once
// The page 快键 of the settings window: the Alt hot keys of ten commands of the main window. A click on
// field Text9(i) (i = 11..19, 21) asks for a new value with the prompt "ALT+" and the current value;
// a changed, non-empty answer is shown in the field, stored whole under the key named by the caption
// of Label9(i), and given to the main window's command button at once as the caption "&" + answer,
// so that Alt with the answer's first character runs command i from now on and the old letter no
// longer does. Any text is taken; several commands may hold the same letter, and the one that took it
// last runs on it (see ui::CommandButton).
class Form5;

class HotKeySettings {
public:
    // Sets Text9's click.
    explicit HotKeySettings(Form5& w);
    HotKeySettings(const HotKeySettings&) = delete;
    HotKeySettings& operator=(const HotKeySettings&) = delete;

    void Text9_Click(int Index);

private:
    Form5& w;
};
