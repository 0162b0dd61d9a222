#include "platform/ui/picturebox.h"

#include <QFrame>
#include <QPainter>

namespace ui {

namespace {

class PictureWidget : public QFrame {
public:
    using QFrame::QFrame;
    QPixmap picture;

protected:
    void paintEvent(QPaintEvent* e) override {
        QFrame::paintEvent(e);
        if (picture.isNull()) return;
        QPainter p(this);
        p.drawPixmap(contentsRect().topLeft(), picture);
    }
};

}  // namespace

PictureBox::PictureBox(QWidget* parent) : Control(new PictureWidget(parent)) {
    setBorderStyle(1);
    bridgeMouse(true);
}

QPixmap PictureBox::picture() const { return static_cast<PictureWidget*>(widget())->picture; }

void PictureBox::setPicture(const QPixmap& picture) {
    static_cast<PictureWidget*>(widget())->picture = picture;
    widget()->update();
}

void PictureBox::setBorderStyle(int style) {
    borderStyle_ = style;
    static_cast<QFrame*>(widget())->setFrameStyle(style ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame);
}

void PictureBox::copyStateFrom(const Control& other) {
    Control::copyStateFrom(other);
    if (auto* o = dynamic_cast<const PictureBox*>(&other)) {
        setBorderStyle(o->borderStyle_);
        setPicture(o->picture());
    }
}

}  // namespace ui
