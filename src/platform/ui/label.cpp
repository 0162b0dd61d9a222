#include "platform/ui/label.h"

#include "platform/ui/accesskey.h"
#include "platform/ui/twips.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

namespace ui {

Label::Label(QWidget* parent) : Control(new QLabel(parent)) {
    label_ = static_cast<QLabel*>(widget());
    label_->setTextFormat(Qt::PlainText);  // a caption is text, never markup
    label_->setAlignment(qtAlignment(alignment_, Qt::AlignTop));
    bridgeMouse(true);
    makeLightweight();
}

void Label::setCaption(const QString& caption) {
    caption_ = caption;
    label_->setText(caption);
    applyPictureRoom();
    fit();
}

void Label::setAlignment(int alignment) {
    alignment_ = alignment;
    label_->setAlignment(qtAlignment(alignment, Qt::AlignTop));
    applyPictureRoom();
}

void Label::setPictureRoom(double room) {
    pictureRoom_ = std::max(0.0, room);
    applyPictureRoom();
    fit();
}

int Label::leadingBlankPixels() const {
    int blanks = 0;
    while (blanks < caption_.size() && caption_[blanks] == QLatin1Char(' ')) ++blanks;
    return QFontMetrics(label_->font()).horizontalAdvance(caption_.left(blanks));
}

void Label::applyPictureRoom() {
    const bool keepsRoom = pictureRoom_ > 0 && alignment_ == vbLeftJustify && caption_.startsWith(QLatin1Char(' ')) &&
                           caption_.trimmed().size() > 0;
    // A left margin of the contents (QLabel's indent would move the text down as well).
    label_->setContentsMargins(keepsRoom ? std::max(0, toPixels(pictureRoom_) - leadingBlankPixels()) : 0, 0, 0, 0);
}

double Label::captionTextLeft() const {
    if (caption_.trimmed().isEmpty()) return 0;
    const int frame = borderStyle_ ? label_->frameWidth() : 0;
    // A label with a border indents by half an "x", as QLabel does.
    const int indent = frame > 0 ? QFontMetrics(label_->font()).horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    return toTwips(label_->contentsMargins().left() + frame + indent + leadingBlankPixels());
}

void Label::setAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    fit();
}

void Label::setBackStyle(int style) {
    opaque_ = style != 0;
    applyColors();
}

void Label::setBorderStyle(int style) {
    borderStyle_ = style;
    label_->setFrameStyle(style ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    label_->setLineWidth(1);
    fit();
}

void Label::setWordWrap(bool wrap) {
    wordWrap_ = wrap;
    label_->setWordWrap(wrap);
    fit();
}

void Label::fit() {
    if (!autoSize_) return;
    const QFontMetrics fm(label_->font());
    const QStringList lines = caption_.split(QLatin1Char('\n'));
    int w = 0;
    for (const QString& line : lines) w = std::max(w, fm.horizontalAdvance(line));
    const int frame = borderStyle_ ? 2 * label_->frameWidth() : 0;
    const int room = label_->contentsMargins().left();
    const int h = fm.height() * std::max(1, static_cast<int>(lines.size()));
    move(left(), top(), toTwips(w + frame + room), toTwips(h + frame));
}

void Label::copyStateFrom(const Control& other) {
    Control::copyStateFrom(other);
    if (auto* o = dynamic_cast<const Label*>(&other)) {
        setAlignment(o->alignment_);
        setBorderStyle(o->borderStyle_);
        setWordWrap(o->wordWrap_);
        autoSize_ = o->autoSize_;
        pictureRoom_ = o->pictureRoom_;
        setCaption(o->caption_);
        move(o->left(), o->top(), autoSize_ ? width() : o->width(), autoSize_ ? height() : o->height());
    }
}

}  // namespace ui
