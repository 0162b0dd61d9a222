#include "platform/ui/textbox.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>

namespace ui {

namespace {
QWidget* makeTextWidget(QWidget* parent, bool multiLine, bool whenNeeded) {
    if (whenNeeded) {
        // The stand-in of a box made when needed: nothing of a text box but its focus policy.
        auto* standIn = new QWidget(parent);
        standIn->setFocusPolicy(Qt::StrongFocus);
        return standIn;
    }
    if (multiLine) {
        auto* edit = new QPlainTextEdit(parent);
        edit->setTabChangesFocus(true);
        return edit;
    }
    return new QLineEdit(parent);
}

QString toCrLf(QString text) { return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n")); }
QString fromCrLf(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}
}  // namespace

TextBox::TextBox(QWidget* parent) : TextBox(parent, false) {}

TextBox::TextBox(QWidget* parent, WhenNeeded) : TextBox(parent, false, true) {}

TextBox::TextBox(QWidget* parent, bool multiLine, bool whenNeeded)
    : Control(makeTextWidget(parent, multiLine, whenNeeded)) {
    if (multiLine) {
        plain_ = static_cast<QPlainTextEdit*>(widget());
        QObject::connect(plain_, &QPlainTextEdit::textChanged, context(), [this] { dispatch(onChange); });
        watchAlso(plain_->viewport());
    } else if (!whenNeeded) {
        line_ = static_cast<QLineEdit*>(widget());
        QObject::connect(line_, &QLineEdit::textChanged, context(), [this] { dispatch(onChange); });
    }
    bridgeMouse(false);
    if (whenNeeded) setVisible(false);
}

QLineEdit* TextBox::line() const {
    if (!line_ && !plain_) const_cast<TextBox*>(this)->makeLine();
    return line_;
}

void TextBox::makeLine() {
    QWidget* standIn = widget();
    if (!standIn) return;
    auto* edit = new QLineEdit(standIn->parentWidget());
    edit->setAlignment(qtAlignment(alignment_, Qt::AlignVCenter));
    edit->setReadOnly(locked_);
    edit->setMaxLength(maxLength_ > 0 ? maxLength_ : 32767);
    edit->setFrame(borderStyle_ != 0);
    line_ = edit;
    QObject::connect(line_, &QLineEdit::textChanged, context(), [this] { dispatch(onChange); });
    adoptWidget(edit);
}

void TextBox::needWidget() { flush(); }

QString TextBox::text() const {
    if (held_) return *held_;
    if (plain_) return toCrLf(plain_->toPlainText());
    return line_ ? line_->text() : QString();
}

void TextBox::flush() const {
    if (plain_) return;
    QLineEdit* edit = line();
    if (!held_ || !edit) return;
    const QString text = *held_;
    held_.reset();
    const QSignalBlocker quiet(edit);  // the change event went out when the text was set
    edit->setText(text);
    edit->setCursorPosition(0);
}

void TextBox::setVisible(bool visible) {
    if (visible) flush();
    Control::setVisible(visible);
}

void TextBox::setText(const QString& text) {
    if (!plain_ && !visible()) {
        // What the widget would keep: at most its maximum length.
        const QString kept = text.left(maxLength_ > 0 ? maxLength_ : 32767);
        const bool changed = this->text() != kept;
        held_ = kept;
        if (changed) dispatch(onChange);
        return;
    }
    flush();
    if (QLineEdit* edit = line()) {
        if (edit->text() != text) edit->setText(text);
        edit->setCursorPosition(0);
        return;
    }
    const QString plain = fromCrLf(text);
    if (plain_->toPlainText() != plain) plain_->setPlainText(plain);
}

int TextBox::selStart() const {
    flush();
    if (QLineEdit* edit = line()) return edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    return plain_->textCursor().selectionStart();
}

void TextBox::setSelStart(int start) {
    flush();
    const int len = text().size();
    start = std::max(0, std::min(start, len));
    if (QLineEdit* edit = line()) {
        edit->setCursorPosition(start);
        return;
    }
    QTextCursor c = plain_->textCursor();
    c.setPosition(std::min(start, plain_->document()->characterCount() - 1));
    plain_->setTextCursor(c);
}

int TextBox::selLength() const {
    flush();
    if (QLineEdit* edit = line()) return edit->selectedText().size();
    const QTextCursor c = plain_->textCursor();
    return c.selectionEnd() - c.selectionStart();
}

void TextBox::setSelLength(int length) {
    flush();
    const int start = selStart();
    length = std::max(0, length);
    if (QLineEdit* edit = line()) {
        edit->setSelection(start, std::min(length, edit->text().size() - start));
        return;
    }
    QTextCursor c = plain_->textCursor();
    const int end = std::min(start + length, plain_->document()->characterCount() - 1);
    c.setPosition(start);
    c.setPosition(end, QTextCursor::KeepAnchor);
    plain_->setTextCursor(c);
}

QString TextBox::selText() const {
    flush();
    if (QLineEdit* edit = line()) return edit->selectedText();
    return toCrLf(plain_->textCursor().selectedText().replace(QChar(0x2029), QLatin1Char('\n')));
}

void TextBox::setSelText(const QString& text) {
    flush();
    if (QLineEdit* edit = line()) {
        edit->insert(text);
        return;
    }
    plain_->textCursor().insertText(fromCrLf(text));
}

void TextBox::setAlignment(int alignment) {
    alignment_ = alignment;
    if (line_) line_->setAlignment(qtAlignment(alignment, Qt::AlignVCenter));
}

void TextBox::setLocked(bool locked) {
    locked_ = locked;
    if (line_)
        line_->setReadOnly(locked);
    else if (plain_)
        plain_->setReadOnly(locked);
}

void TextBox::setMaxLength(int length) {
    if (line_) flush();
    if (held_) {
        // A box not made yet cuts the text it holds as its widget would.
        const QString kept = held_->left(length > 0 ? length : 32767);
        const bool changed = kept != *held_;
        held_ = kept;
        if (changed) dispatch(onChange);
    }
    maxLength_ = std::max(0, length);
    if (line_) line_->setMaxLength(maxLength_ > 0 ? maxLength_ : 32767);
}

void TextBox::setBorderStyle(int style) {
    borderStyle_ = style;
    if (line_)
        line_->setFrame(style != 0);
    else if (plain_)
        plain_->setFrameStyle(style ? (QFrame::StyledPanel | QFrame::Sunken) : QFrame::NoFrame);
}

void TextBox::setEnabled(bool enabled) {
    if (!enabled && rightPress_) noContextMenu_ = true;
    Control::setEnabled(enabled);
}

bool TextBox::widgetEvent(QEvent* event) {
    if ((event->type() == QEvent::Show || event->type() == QEvent::FocusIn) && line_) flush();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        rightPress_ = static_cast<QMouseEvent*>(event)->button() == Qt::RightButton;
        noContextMenu_ = false;
        return false;
    case QEvent::MouseButtonRelease:
        rightPress_ = false;
        return false;
    case QEvent::MouseButtonDblClick: {
        // The box's own double-click (it selects the word) comes first and the handler after it, so
        // a selection the handler makes is the one that stays.
        auto* e = static_cast<QMouseEvent*>(event);
        if (!line_ || e->button() != Qt::LeftButton) return false;
        struct LineEdit : QLineEdit {
            using QLineEdit::mouseDoubleClickEvent;
        };
        (line_->*&LineEdit::mouseDoubleClickEvent)(e);
        dispatch(onDblClick);
        return true;
    }
    case QEvent::ContextMenu: {
        const bool swallow = noContextMenu_;
        noContextMenu_ = false;
        rightPress_ = false;
        return swallow;
    }
    case QEvent::KeyPress: {
        auto* e = static_cast<QKeyEvent*>(event);
        int code = keyCodeOf(e->key());
        if (code) dispatch(onKeyDown, code, shiftBits(e->modifiers()));
        int ascii = 0;
        switch (e->key()) {
        case Qt::Key_Return: case Qt::Key_Enter: ascii = 13; break;
        case Qt::Key_Backspace: ascii = 8; break;
        case Qt::Key_Escape: ascii = 27; break;
        default:
            if (e->text().size() == 1) ascii = e->text().at(0).unicode();
        }
        if (ascii && onKeyPress) {
            const int typed = ascii;
            dispatch(onKeyPress, ascii);
            if (ascii == 0) return true;  // swallowed
            if (ascii != typed) {
                if (ascii >= 32 && !locked_) setSelText(QString(QChar(ascii)));
                return true;
            }
        }
        // A one-line box has nothing to do with Enter; keep it from reaching default buttons.
        return false;
    }
    case QEvent::KeyRelease: {
        auto* e = static_cast<QKeyEvent*>(event);
        int code = keyCodeOf(e->key());
        if (code && !e->isAutoRepeat()) dispatch(onKeyUp, code, shiftBits(e->modifiers()));
        return false;
    }
    case QEvent::FocusIn: {
        auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) dispatch(onGotFocus);
        return false;
    }
    case QEvent::FocusOut: {
        auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) dispatch(onLostFocus);
        return false;
    }
    default:
        return false;
    }
}

void TextBox::copyStateFrom(const Control& other) {
    Control::copyStateFrom(other);
    if (auto* o = dynamic_cast<const TextBox*>(&other)) {
        setAlignment(o->alignment_);
        setLocked(o->locked_);
        setMaxLength(o->maxLength_);
        setBorderStyle(o->borderStyle_);
        setText(o->text());
    }
}

}  // namespace ui
