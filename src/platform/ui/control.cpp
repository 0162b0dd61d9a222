#include "platform/ui/control.h"

#include "platform/ui/twips.h"

#include <QPointer>
#include <QWidget>

namespace ui {

Control::Control(QWidget* widget) : widget_(widget) {
    if (widget_) {
        left_ = toTwips(widget_->x());
        top_ = toTwips(widget_->y());
        width_ = toTwips(widget_->width());
        height_ = toTwips(widget_->height());
    }
}

Control::~Control() {
    // A widget owned by a parent may already be gone when the parent was destroyed first.
    if (widget_ && !widget_->parent()) delete widget_;
}

void Control::move(double left, double top, double width, double height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (widget_) {
        widget_->setGeometry(toPixels(left), toPixels(top), std::max(0, toPixels(width)),
                             std::max(0, toPixels(height)));
    }
    geometryChanged();
}

void Control::setVisible(bool visible) {
    visible_ = visible;
    if (widget_) widget_->setVisible(visible);
}

bool Control::enabled() const { return widget_ ? widget_->isEnabled() : true; }

void Control::setEnabled(bool enabled) {
    if (widget_) widget_->setEnabled(enabled);
}

QString Control::toolTipText() const { return widget_ ? widget_->toolTip() : QString(); }

void Control::setToolTipText(const QString& text) {
    if (widget_) widget_->setToolTip(text);
}

void Control::setFocus() {
    if (widget_) widget_->setFocus(Qt::OtherFocusReason);
}

void Control::zOrder(int position) {
    if (!widget_) return;
    if (position == 0)
        widget_->raise();
    else
        widget_->lower();
}

}  // namespace ui
