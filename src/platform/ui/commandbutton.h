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
    QPushButton* button_;
    QString caption_;
    QShortcut* shortcut_ = nullptr;
};

}  // namespace ui
