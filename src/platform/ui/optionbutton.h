#pragma once
#include "platform/ui/control.h"

#include <QString>

class QRadioButton;

namespace ui {

// An option button: one of the option buttons of the same container is selected. Selecting it
// (from the user or code) raises click; the mouse-up event comes after the selection changed. A
// selection the user makes without the mouse (the space bar, an arrow key moving among the options,
// the caption's access key) raises keyboard-toggle after click.
class OptionButton : public Control {
public:
    explicit OptionButton(QWidget* parent);
    ~OptionButton() override;

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    bool value() const;
    void setValue(bool value);

    Handler<void()> onKeyboardToggle{"OptionButton.onKeyboardToggle"};

    void copyStateFrom(const Control& other) override;

private:
    QRadioButton* button_;
    QString caption_;
    bool fromCode_ = false;
};

}  // namespace ui
