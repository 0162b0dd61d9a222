#pragma once
#include "platform/ui/control.h"

#include <QString>

class QCheckBox;

namespace ui {

// A check box: value 0 unticked, 1 ticked, 2 grey. A change of the value (from the user or code)
// raises click; the mouse-up event comes after the tick has turned over. A change the user makes
// without the mouse (the space bar, the caption's access key) raises keyboard-toggle after click.
class CheckBox : public Control {
public:
    explicit CheckBox(QWidget* parent);
    ~CheckBox() override;

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    int value() const;
    void setValue(int value);

    Handler<void()> onKeyboardToggle{"CheckBox.onKeyboardToggle"};

    void copyStateFrom(const Control& other) override;

private:
    QCheckBox* box_;
    QString caption_;
    bool fromCode_ = false;
};

}  // namespace ui
