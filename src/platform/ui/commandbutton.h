#pragma once
#include "platform/ui/control.h"

#include <QString>

class QPushButton;
class QShortcut;

namespace ui {

// A command button. press() runs the click handler at once, inside the caller's statement; an error
// that escapes the handler ends the command and the caller goes on. A caption with "&" before a
// letter gives the button a hot key (Alt + letter) on its window, rebound when the caption changes;
// the hot key presses a visible, enabled button wherever the button is placed.
//
// Several buttons of one window may hold the same hot key. It then presses one of them: the one whose
// caption gave it the key last, among those that are visible and enabled. So a button that has just
// taken a letter runs on it at once, and when it gives the letter up again the button that held the
// letter before runs on it again.
class CommandButton : public Control {
public:
    explicit CommandButton(QWidget* parent);
    ~CommandButton() override;

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    // Value = True presses the button.
    void press();
    void setValue(bool value) {
        if (value) press();
    }
    bool value() const { return false; }
    // The hot key the caption gives, empty when it has none.
    QString hotKey() const;

    void copyStateFrom(const Control& other) override;

private:
    void rebindHotKey();
    void pressLastHolder();
    QPushButton* button_;
    QString caption_;
    QShortcut* shortcut_ = nullptr;
};

}  // namespace ui
