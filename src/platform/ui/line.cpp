#include "platform/ui/line.h"

#include "platform/ui/twips.h"

#include <QPainter>
#include <QPen>
#include <QWidget>

namespace ui {

class LineWidget : public QWidget {
public:
    LineWidget(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }
    Line* line = nullptr;

protected:
    void paintEvent(QPaintEvent*) override {
        if (!line) return;
        QPainter p(this);
        QPen pen(toQColor(line->borderColor_));
        pen.setWidth(line->borderWidth_);
        p.setPen(pen);
        const QPoint origin = pos();
        p.drawLine(QPoint(toPixels(line->x1_), toPixels(line->y1_)) - origin,
                   QPoint(toPixels(line->x2_), toPixels(line->y2_)) - origin);
    }
};

Line::Line(QWidget* parent) : Control(new LineWidget(parent)) {
    static_cast<LineWidget*>(widget())->line = this;
    setPoints(0, 0, 0, 0);
    makeLightweight();
}

Line::~Line() {
    if (widget()) static_cast<LineWidget*>(widget())->line = nullptr;
}

void Line::setPoints(double x1, double y1, double x2, double y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    const int pad = std::max(1, borderWidth_);
    const int l = std::min(toPixels(x1), toPixels(x2));
    const int t = std::min(toPixels(y1), toPixels(y2));
    const int r = std::max(toPixels(x1), toPixels(x2));
    const int b = std::max(toPixels(y1), toPixels(y2));
    // The line's rectangle is its bounding box; the twips fields follow it.
    setGeometryFields(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1));
    widget()->setGeometry(l, t, r - l + pad, b - t + pad);
    widget()->update();
}

void Line::setBorderColor(Color colour) {
    borderColor_ = colour;
    widget()->update();
}

void Line::setBorderWidth(int pixels) {
    borderWidth_ = std::max(1, pixels);
    setPoints(x1_, y1_, x2_, y2_);
}

void Line::copyStateFrom(const Control& other) {
    Control::copyStateFrom(other);
    if (auto* o = dynamic_cast<const Line*>(&other)) {
        borderColor_ = o->borderColor_;
        borderWidth_ = o->borderWidth_;
        setPoints(o->x1_, o->y1_, o->x2_, o->y2_);
    }
}

}  // namespace ui
