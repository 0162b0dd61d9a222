#include "platform/ui/label.h"

#include "platform/ui/accesskey.h"
#include "platform/ui/twips.h"

#include <QFontMetrics>
#include <QLabel>

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
    fit();
}

void Label::setAlignment(int alignment) {
    alignment_ = alignment;
    label_->setAlignment(qtAlignment(alignment, Qt::AlignTop));
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
    const int h = fm.height() * std::max(1, static_cast<int>(lines.size()));
    move(left(), top(), toTwips(w + frame), toTwips(h + frame));
}

void Label::copyStateFrom(const Control& other) {
    Control::copyStateFrom(other);
    if (auto* o = dynamic_cast<const Label*>(&other)) {
        setAlignment(o->alignment_);
        setBorderStyle(o->borderStyle_);
        setWordWrap(o->wordWrap_);
        autoSize_ = o->autoSize_;
        setCaption(o->caption_);
        move(o->left(), o->top(), autoSize_ ? width() : o->width(), autoSize_ ? height() : o->height());
    }
}

}  // namespace ui
