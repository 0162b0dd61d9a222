#include "platform/ui/control.h"

#include "platform/rt/error.h"
#include "platform/ui/twips.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QMouseEvent>
#include <QObject>
#include <QPalette>
#include <QSet>
#include <QWidget>

namespace ui {

// The event filter of one control: passes every event to the control, and turns mouse events into
// the control's mouse handlers.
class MouseBridge : public QObject {
public:
    explicit MouseBridge(Control* control) : control_(control) {}

    bool mouse = false;
    bool consume = false;
    bool clickOnRelease = true;
    bool mouseUp = true;
    QPointer<QObject> inner;

    // The control this bridge serves; nullptr once the control is gone.
    Control* control_;
    int busy = 0;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!control_) return false;
        ++busy;
        const bool swallow = filter(watched, event);
        --busy;
        if (!control_ && busy == 0) deleteLater();  // the control went away inside its event
        return swallow;
    }

private:
    bool filter(QObject* watched, QEvent* event) {
        if (watched != control_->widget() && (!inner || watched != inner)) return false;
        if (watched == control_->widget() && control_->widgetEvent(event)) return true;
        if (!control_ || !mouse) return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* e = static_cast<QMouseEvent*>(event);
            pressed_ = e->button();
            afterDouble_ = false;
            dispatch(control_->onMouseDown, buttonBits(e->button()), shiftBits(e->modifiers()), x(e), y(e));
            return consume;
        }
        case QEvent::MouseButtonRelease: {
            auto* e = static_cast<QMouseEvent*>(event);
            QPointer<QWidget> w = static_cast<QWidget*>(watched);
            const bool inside = w && w->rect().contains(e->pos());
            const bool click = clickOnRelease && !afterDouble_ && e->button() == Qt::LeftButton &&
                               pressed_ == Qt::LeftButton && inside;
            pressed_ = Qt::NoButton;
            afterDouble_ = false;
            // The control may be gone after a handler ran: look at nothing of it afterwards.
            Handler<void()> onClick = control_->onClick;
            if (mouseUp)
                dispatch(control_->onMouseUp, buttonBits(e->button()), shiftBits(e->modifiers()), x(e), y(e));
            if (click && control_) dispatch(onClick);
            return consume;
        }
        case QEvent::MouseButtonDblClick: {
            auto* e = static_cast<QMouseEvent*>(event);
            pressed_ = e->button();
            afterDouble_ = true;
            if (e->button() == Qt::LeftButton) dispatch(control_->onDblClick);
            return consume;
        }
        case QEvent::MouseMove: {
            auto* e = static_cast<QMouseEvent*>(event);
            dispatch(control_->onMouseMove, buttonBits(e->buttons()), shiftBits(e->modifiers()), x(e), y(e));
            return consume;
        }
        default:
            return false;
        }
    }

    static double x(QMouseEvent* e) { return e->localPos().x() * kTwipsPerPixel; }
    static double y(QMouseEvent* e) { return e->localPos().y() * kTwipsPerPixel; }

    Qt::MouseButton pressed_ = Qt::NoButton;
    bool afterDouble_ = false;
};

Control::Control(QWidget* widget) : widget_(widget), guard_(widget) {
    if (widget) {
        left_ = toTwips(widget->x());
        top_ = toTwips(widget->y());
        width_ = toTwips(widget->width());
        height_ = toTwips(widget->height());
        bridge_ = new MouseBridge(this);
        // A control is visible unless told otherwise; a top-level widget waits for an explicit show.
        if (widget->parentWidget()) {
            // Shown while it has no size of its own, the widget would first be fitted to its contents
            // (which measures its text); it keeps the size recorded above until the control moves it.
            widget->resize(widget->size());
            widget->setVisible(true);
        }
    }
}

Control::~Control() {
    // First: no event or signal reaches this control from here on. A bridge that is handling an event
    // of this control right now goes away when that event is over.
    if (bridge_) {
        bridge_->control_ = nullptr;
        if (QWidget* w = widget()) QObject::disconnect(w, nullptr, bridge_, nullptr);
        if (bridge_->busy == 0) delete bridge_;
    }
    if (QWidget* w = widget()) {
        // Deferred: the widget may be the one whose event is being handled right now.
        w->hide();
        w->deleteLater();
    }
}

QObject* Control::context() const { return bridge_; }

void Control::watchEvents() {
    if (widget() && bridge_) {
        widget()->removeEventFilter(bridge_);
        widget()->installEventFilter(bridge_);
    }
}

void Control::watchAlso(QWidget* inner) {
    if (!inner || !bridge_) return;
    bridge_->inner = inner;
    inner->setMouseTracking(true);
    inner->setAttribute(Qt::WA_NoMousePropagation, true);
    inner->installEventFilter(bridge_);
}

void Control::bridgeMouse(bool consume, bool clickOnRelease, bool mouseUp) {
    if (!widget() || !bridge_) return;
    bridge_->mouse = true;
    bridge_->consume = consume;
    bridge_->clickOnRelease = clickOnRelease;
    bridge_->mouseUp = mouseUp;
    widget()->setMouseTracking(true);
    // A mouse event goes to the control under the pointer only: one the widget leaves unhandled (a
    // move over a check box, say) does not go on to the container's handlers.
    widget()->setAttribute(Qt::WA_NoMousePropagation, true);
    watchEvents();
}

void Control::setGeometryFields(double left, double top, double width, double height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void Control::move(double left, double top, double width, double height) {
    // No control takes a negative size ("invalid property value"): it keeps the one it has.
    if (width < 0 || height < 0) rt::raise(rt::InvalidPropertyValue);
    setGeometryFields(left, top, width, height);
    if (widget()) {
        widget()->setGeometry(toPixels(left), toPixels(top), std::max(0, toPixels(width)),
                             std::max(0, toPixels(height)));
    }
    geometryChanged();
}

void Control::syncGeometryFromWidget() {
    if (!widget()) return;
    const QRect r = widget()->geometry();
    if (toPixels(left_) != r.x()) left_ = toTwips(r.x());
    if (toPixels(top_) != r.y()) top_ = toTwips(r.y());
    if (std::max(0, toPixels(width_)) != r.width()) width_ = toTwips(r.width());
    if (std::max(0, toPixels(height_)) != r.height()) height_ = toTwips(r.height());
}

void Control::setVisible(bool visible) {
    visible_ = visible;
    if (widget()) widget()->setVisible(visible);
}

bool Control::enabled() const { return widget() ? widget()->isEnabled() : true; }

void Control::setEnabled(bool enabled) {
    if (widget()) widget()->setEnabled(enabled);
}

QString Control::toolTipText() const { return widget() ? widget()->toolTip() : QString(); }

void Control::setToolTipText(const QString& text) {
    if (widget()) widget()->setToolTip(text);
}

void Control::setFocus() {
    needWidget();
    if (widget()) widget()->setFocus(Qt::OtherFocusReason);
}

void Control::adoptWidget(QWidget* real) {
    QWidget* standIn = widget();
    if (!standIn || !real || real == standIn) return;
    real->setGeometry(standIn->geometry());  // also keeps it from being fitted to its contents when shown
    real->setFocusPolicy(standIn->focusPolicy());
    real->setToolTip(standIn->toolTip());
    if (standIn->testAttribute(Qt::WA_SetFont)) real->setFont(standIn->font());
    real->setEnabled(!standIn->testAttribute(Qt::WA_ForceDisabled));
    real->stackUnder(standIn);
    QWidget* before = standIn->previousInFocusChain();
    if (before && before != standIn && before->window() == real->window() && before->focusPolicy() != Qt::NoFocus &&
        real->focusPolicy() != Qt::NoFocus)
        QWidget::setTabOrder(before, real);
    const bool shown = !standIn->isHidden();
    if (bridge_) {
        standIn->removeEventFilter(bridge_);
        real->installEventFilter(bridge_);
    }
    widget_ = real;
    guard_ = real;
    applyColors();
    if (mousePointer_ != 0) setMousePointer(mousePointer_);
    real->setVisible(shown);
    standIn->hide();
    standIn->deleteLater();
}

void Control::refresh() {
    if (widget()) widget()->repaint();
}

bool Control::tabStop() const { return widget() && widget()->focusPolicy() != Qt::NoFocus; }

void Control::setTabStop(bool on) {
    if (widget()) widget()->setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
}

namespace {

// The widgets of the lightweight controls, each until it is destroyed. (A set, not a widget property:
// stacking a control looks at each of its siblings, and a property lookup costs a search by name.)
QSet<const QObject*>& lightweights() {
    static auto* widgets = new QSet<const QObject*>;  // kept to the very end: widgets may outlive statics
    return *widgets;
}

bool isLightweight(const QObject* o) { return lightweights().contains(o); }

// Puts a lightweight widget on top of the lightweight layer: just under the lowest sibling that is
// not lightweight.
void topOfLightweightLayer(QWidget* w) {
    w->raise();
    if (!w->parentWidget()) return;
    for (QObject* sibling : w->parentWidget()->children()) {  // bottom to top
        auto* other = qobject_cast<QWidget*>(sibling);
        if (other && other != w && !other->isWindow() && !isLightweight(other)) {
            w->stackUnder(other);
            return;
        }
    }
}

}  // namespace

void Control::makeLightweight() {
    if (!widget()) return;
    if (!lightweights().contains(widget())) {
        lightweights().insert(widget());
        QObject::connect(widget(), &QObject::destroyed, [](QObject* gone) { lightweights().remove(gone); });
    }
    topOfLightweightLayer(widget());
}

void Control::zOrder(int position) {
    if (!widget()) return;
    if (position != 0)
        widget()->lower();
    else if (isLightweight(widget()))
        topOfLightweightLayer(widget());
    else
        widget()->raise();
}

void Control::setForeColor(Color colour) {
    foreColor_ = colour;
    foreSet_ = true;
    applyColors();
}

void Control::setBackColor(Color colour) {
    backColor_ = colour;
    backSet_ = true;
    applyColors();
}

void Control::applyColors() {
    if (!widget()) return;
    QPalette pal = widget()->palette();
    if (foreSet_) {
        const QColor c = toQColor(foreColor_);
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            pal.setColor(QPalette::Active, role, c);
            pal.setColor(QPalette::Inactive, role, c);
        }
    }
    if (backSet_) {
        const QColor c = toQColor(backColor_);
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) pal.setColor(role, c);
    }
    widget()->setPalette(pal);
    widget()->setAutoFillBackground(opaque_ && backSet_);
    widget()->update();
}

QString Control::fontName() const { return widget() ? widget()->font().family() : QString(); }
double Control::fontSize() const { return widget() ? widget()->font().pointSizeF() : 0; }
bool Control::fontBold() const { return widget() && widget()->font().bold(); }
bool Control::fontItalic() const { return widget() && widget()->font().italic(); }
bool Control::fontUnderline() const { return widget() && widget()->font().underline(); }

namespace {
template <class F>
void changeFont(QWidget* w, F&& change) {
    if (!w) return;
    QFont f = w->font();
    change(f);
    w->setFont(f);
}
}  // namespace

void Control::setFontName(const QString& name) {
    changeFont(widget(), [&](QFont& f) { f.setFamily(name); });
    fontChanged();
}
void Control::setFontSize(double points) {
    if (points > 0) changeFont(widget(), [&](QFont& f) { f.setPointSizeF(points); });
    fontChanged();
}
void Control::setFontBold(bool bold) {
    changeFont(widget(), [&](QFont& f) { f.setBold(bold); });
    fontChanged();
}
void Control::setFontItalic(bool italic) {
    changeFont(widget(), [&](QFont& f) { f.setItalic(italic); });
    fontChanged();
}
void Control::setFontUnderline(bool underline) {
    changeFont(widget(), [&](QFont& f) { f.setUnderline(underline); });
    fontChanged();
}

void Control::setMousePointer(int pointer) {
    mousePointer_ = pointer;
    if (!widget()) return;
    Qt::CursorShape shape;
    switch (pointer) {
    case 1: shape = Qt::ArrowCursor; break;
    case 2: shape = Qt::CrossCursor; break;
    case 3: shape = Qt::IBeamCursor; break;
    case 5: case 15: shape = Qt::SizeAllCursor; break;
    case 6: shape = Qt::SizeBDiagCursor; break;
    case 7: shape = Qt::SizeVerCursor; break;
    case 8: shape = Qt::SizeFDiagCursor; break;
    case 9: shape = Qt::SizeHorCursor; break;
    case 10: shape = Qt::UpArrowCursor; break;
    case 11: shape = Qt::WaitCursor; break;
    case 12: shape = Qt::ForbiddenCursor; break;
    case 13: shape = Qt::BusyCursor; break;
    case 14: shape = Qt::WhatsThisCursor; break;
    default:
        widget()->unsetCursor();
        return;
    }
    widget()->setCursor(shape);
}

void Control::copyStateFrom(const Control& other) {
    tag_ = other.tag_;
    if (widget() && other.widget()) {
        widget()->setFont(other.widget()->font());
        widget()->setToolTip(other.widget()->toolTip());
        widget()->setEnabled(other.widget()->isEnabled());
        fontChanged();
    }
    foreColor_ = other.foreColor_;
    backColor_ = other.backColor_;
    foreSet_ = other.foreSet_;
    backSet_ = other.backSet_;
    opaque_ = other.opaque_;
    applyColors();
    setMousePointer(other.mousePointer_);
    move(other.left_, other.top_, other.width_, other.height_);
}

}  // namespace ui
