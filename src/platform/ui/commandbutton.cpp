#include "platform/ui/commandbutton.h"

#include "platform/ui/accesskey.h"

#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QVariant>

namespace ui {

namespace {
// The property of a hot key that names the button it presses.
const char* const kHolder = "zvCommandButton";
}  // namespace

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
    // A new hot key is the window's last child: the children's order is the order the keys were given.
    shortcut_ = new QShortcut(keys, button_->window());
    shortcut_->setContext(Qt::WindowShortcut);
    shortcut_->setAutoRepeat(false);
    shortcut_->setProperty(kHolder, QVariant::fromValue(reinterpret_cast<quintptr>(this)));
    QObject::connect(shortcut_, &QShortcut::activated, context(), [this] {
        if (visible() && enabled()) press();
    });
    // Two or more holders of the key: the toolkit runs none of them but reports the press to one.
    QObject::connect(shortcut_, &QShortcut::activatedAmbiguously, context(), [this] { pressLastHolder(); });
}

void CommandButton::pressLastHolder() {
    if (!shortcut_ || !shortcut_->parent()) return;
    const QKeySequence keys = shortcut_->key();
    const QList<QShortcut*> all = shortcut_->parent()->findChildren<QShortcut*>(QString(), Qt::FindDirectChildrenOnly);
    for (auto it = all.crbegin(); it != all.crend(); ++it) {
        const QVariant holder = (*it)->property(kHolder);
        if (!holder.isValid() || (*it)->key() != keys) continue;
        // The button deletes its hot key when it goes: a hot key found here has its button.
        auto* button = reinterpret_cast<CommandButton*>(holder.value<quintptr>());
        if (button->visible() && button->enabled()) {
            button->press();
            return;
        }
    }
}

void CommandButton::press() { dispatch(onClick); }

void CommandButton::copyStateFrom(const Control& other) {
    Control::copyStateFrom(other);
    if (auto* o = dynamic_cast<const CommandButton*>(&other)) setCaption(o->caption_);
}

}  // namespace ui
