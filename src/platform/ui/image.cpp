#include "platform/ui/image.h"

#include "platform/ui/twips.h"

#include <QLabel>

namespace ui {

Image::Image(QWidget* parent) : Control(new QLabel(parent)) {
    label_ = static_cast<QLabel*>(widget());
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    bridgeMouse(true);
    makeLightweight();
}

void Image::setPicture(const QPixmap& picture) {
    picture_ = picture;
    if (!stretch_ && !picture.isNull()) {
        // Without stretch the control takes the picture's size.
        Control::move(left(), top(), toTwips(picture.width()), toTwips(picture.height()));
        return;
    }
    show();
}

void Image::setStretch(bool stretch) {
    stretch_ = stretch;
    label_->setScaledContents(stretch);
    setPicture(picture_);
}

void Image::show() { label_->setPixmap(picture_); }

void Image::copyStateFrom(const Control& other) {
    Control::copyStateFrom(other);
    if (auto* o = dynamic_cast<const Image*>(&other)) {
        stretch_ = o->stretch_;
        label_->setScaledContents(stretch_);
        picture_ = o->picture_;
        show();
    }
}

}  // namespace ui
