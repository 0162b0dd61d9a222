#include "platform/ui/shape.h"

#include "platform/ui/twips.h"

#include <QPainter>
#include <QPen>
#include <QWidget>

namespace ui {

class ShapeWidget : public QWidget {
public:
    ShapeWidget(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }
    Shape* shape = nullptr;

protected:
    void paintEvent(QPaintEvent*) override {
        if (!shape) return;
        QPainter p(this);
        QRect r = rect().adjusted(0, 0, -1, -1);
        if (shape->opaque_) p.fillRect(rect(), toQColor(shape->backColor()));
        p.setBrush(shape->fillStyle_ == 0 ? QBrush(toQColor(shape->fillColor_)) : QBrush(Qt::NoBrush));
        if (shape->borderStyle_ == 0) {
            p.setPen(Qt::NoPen);
        } else {
            QPen pen(toQColor(shape->borderColor_));
            pen.setWidth(shape->borderWidth_);
            p.setPen(pen);
        }
        switch (shape->shape_) {
        case 2: case 3: p.drawEllipse(r); break;
        case 4: case 5: p.drawRoundedRect(r, 6, 6); break;
        default: p.drawRect(r);
        }
    }
};

Shape::Shape(QWidget* parent) : Control(new ShapeWidget(parent)) {
    static_cast<ShapeWidget*>(widget())->shape = this;
    opaque_ = false;
    makeLightweight();
}

Shape::~Shape() {
    if (widget()) static_cast<ShapeWidget*>(widget())->shape = nullptr;
}

void Shape::setShape(int shape) {
    shape_ = shape;
    widget()->update();
}
void Shape::setBorderColor(Color colour) {
    borderColor_ = colour;
    widget()->update();
}
void Shape::setBorderWidth(int pixels) {
    borderWidth_ = std::max(1, pixels);
    widget()->update();
}
void Shape::setBorderStyle(int style) {
    borderStyle_ = style;
    widget()->update();
}
void Shape::setBackStyle(int style) {
    opaque_ = style != 0;
    widget()->update();
}
void Shape::setFillStyle(int style) {
    fillStyle_ = style;
    widget()->update();
}
void Shape::setFillColor(Color colour) {
    fillColor_ = colour;
    widget()->update();
}

void Shape::copyStateFrom(const Control& other) {
    Control::copyStateFrom(other);
    if (auto* o = dynamic_cast<const Shape*>(&other)) {
        shape_ = o->shape_;
        borderColor_ = o->borderColor_;
        borderWidth_ = o->borderWidth_;
        borderStyle_ = o->borderStyle_;
        fillStyle_ = o->fillStyle_;
        fillColor_ = o->fillColor_;
        widget()->update();
    }
}

}  // namespace ui
