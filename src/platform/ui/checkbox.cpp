#include "platform/ui/checkbox.h"

#include "platform/rt/error.h"
#include "platform/ui/accesskey.h"
#include "platform/ui/afterreleasebutton.h"

#include <QCheckBox>

namespace ui {

namespace {
using CheckWidget = AfterReleaseButton<QCheckBox>;
}  // namespace

CheckBox::CheckBox(QWidget* parent) : Control(new CheckWidget(parent)) {
    box_ = static_cast<QCheckBox*>(widget());
    QObject::connect(box_, &QCheckBox::stateChanged, context(), [this](int) {
        if (fromCode_) return;
        dispatch(onClick);
        if (!static_cast<CheckWidget*>(box_)->releasing) dispatch(onKeyboardToggle);
    });
    wireMouseUp(static_cast<CheckWidget*>(box_), this);
    bridgeMouse(false, false, false);
}

// The widget outlives the control by a moment (deleted later): it must not call back.
CheckBox::~CheckBox() { static_cast<CheckWidget*>(box_)->afterRelease = nullptr; }

void CheckBox::setCaption(const QString& caption) {
    caption_ = caption;
    box_->setText(stripAccessKey(caption));
}

int CheckBox::value() const {
    switch (box_->checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
    }
}

void CheckBox::setValue(int value) {
    if (value < 0 || value > 2) rt::raise(380);  // invalid property value
    if (value == this->value()) return;
    fromCode_ = true;
    if (value == 2) box_->setTristate(true);
    box_->setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
    fromCode_ = false;
    dispatch(onClick);
}

void CheckBox::copyStateFrom(const Control& other) {
    Control::copyStateFrom(other);
    if (auto* o = dynamic_cast<const CheckBox*>(&other)) setCaption(o->caption_);
}

}  // namespace ui
