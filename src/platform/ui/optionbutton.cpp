#include "platform/ui/optionbutton.h"

#include "platform/rt/error.h"
#include "platform/ui/accesskey.h"
#include "platform/ui/afterreleasebutton.h"

#include <QRadioButton>

namespace ui {

namespace {
using RadioWidget = AfterReleaseButton<QRadioButton>;
}  // namespace

OptionButton::OptionButton(QWidget* parent) : Control(new RadioWidget(parent)) {
    button_ = static_cast<QRadioButton*>(widget());
    QObject::connect(button_, &QRadioButton::toggled, context(), [this](bool on) {
        if (!on || fromCode_) return;
        dispatch(onClick);
        if (!static_cast<RadioWidget*>(button_)->releasing) dispatch(onKeyboardToggle);
    });
    wireMouseUp(static_cast<RadioWidget*>(button_), this);
    bridgeMouse(false, false, false);
}

OptionButton::~OptionButton() { static_cast<RadioWidget*>(button_)->afterRelease = nullptr; }

void OptionButton::setCaption(const QString& caption) {
    caption_ = caption;
    button_->setText(stripAccessKey(caption));
}

bool OptionButton::value() const { return button_->isChecked(); }

void OptionButton::setValue(bool value) {
    if (value == button_->isChecked()) return;
    fromCode_ = true;
    if (!value) button_->setAutoExclusive(false);
    button_->setChecked(value);
    if (!value) button_->setAutoExclusive(true);
    fromCode_ = false;
    if (value) dispatch(onClick);
}

void OptionButton::copyStateFrom(const Control& other) {
    Control::copyStateFrom(other);
    if (auto* o = dynamic_cast<const OptionButton*>(&other)) setCaption(o->caption_);
}

}  // namespace ui
