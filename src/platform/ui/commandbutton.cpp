#include "platform/ui/commandbutton.h"

#include "platform/ui/accesskey.h"

#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

namespace ui {

CommandButton::CommandButton(QWidget* parent) : Control(new QPushButton(parent)) {
    button_ = static_cast<QPushButton*>(widget());
    button_->setAutoDefault(false);
    bridgeMouse(false, false);
    QObject::connect(button_, &QPushButton::clicked, context(), [this] { press(); });
}

CommandButton::~CommandButton() { delete shortcut_; }

void CommandButton::setCaption(const QString& caption) {
    caption_ = caption;
    // The button shows the caption without the marker; the hot key is our own shortcut (a button's
    // own mnemonic does not fire while the button lies outside the visible area).
    button_->setText(stripAccessKey(caption));
    rebindHotKey();
}

QString CommandButton::hotKey() const {
    const QString letter = accessKeyOf(caption_);
    return letter.isEmpty() ? QString() : QKeySequence::mnemonic(QStringLiteral("&") + letter).toString();
}

void CommandButton::rebindHotKey() {
    delete shortcut_;
    shortcut_ = nullptr;
    const QString letter = accessKeyOf(caption_);
    if (letter.isEmpty()) return;
    const QKeySequence keys = QKeySequence::mnemonic(QStringLiteral("&") + letter);
    if (keys.isEmpty()) return;
    shortcut_ = new QShortcut(keys, button_->window());
    shortcut_->setContext(Qt::WindowShortcut);
    shortcut_->setAutoRepeat(false);
    QObject::connect(shortcut_, &QShortcut::activated, context(), [this] {
        if (visible() && enabled()) press();
    });
}

void CommandButton::press() { dispatch(onClick); }

void CommandButton::copyStateFrom(const Control& other) {
    Control::copyStateFrom(other);
    if (auto* o = dynamic_cast<const CommandButton*>(&other)) setCaption(o->caption_);
}

}  // namespace ui
