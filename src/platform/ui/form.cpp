#include "platform/ui/form.h"

#include "platform/rt/error.h"
#include "platform/ui/loadpicture.h"
#include "platform/ui/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QIcon>
#include <QMimeData>
#include <QPainter>
#include <QUrl>
#include <QWidget>
#include <QWindowStateChangeEvent>

#include <algorithm>
#include <cmath>

namespace ui {

class FormWidget : public QWidget {
public:
    FormWidget(bool borderless) : QWidget(nullptr, borderless ? Qt::FramelessWindowHint | Qt::Window : Qt::Window) {
        setAcceptDrops(true);
    }
    QPixmap picture;
    Form* form = nullptr;

protected:
    void paintEvent(QPaintEvent*) override {
        if (picture.isNull()) return;
        QPainter p(this);
        p.drawPixmap(0, 0, picture);
    }
    void closeEvent(QCloseEvent* e) override {
        // A close request from the window system unloads the form, unless its handler cancels.
        if (form && !form->unload()) e->ignore();
        else e->accept();
    }
};

Form::Form(bool borderless) : Control(new FormWidget(borderless)), borderless_(borderless) {
    static_cast<FormWidget*>(widget())->form = this;
    setVisible(false);
    bridgeMouse(true);
    move(0, 0, 10605, 7800);
}

Form::~Form() {
    if (auto* w = static_cast<FormWidget*>(widget())) w->form = nullptr;
}

QString Form::caption() const { return widget()->windowTitle(); }
void Form::setCaption(const QString& caption) { widget()->setWindowTitle(caption); }
void Form::setIcon(const QPixmap& icon) { widget()->setWindowIcon(QIcon(iconSized(icon))); }

int Form::windowState() const {
    const Qt::WindowStates s = widget()->windowState();
    if (s & Qt::WindowMinimized) return vbMinimized;
    if (s & Qt::WindowMaximized) return vbMaximized;
    return vbNormal;
}

void Form::setWindowState(int state) {
    Qt::WindowStates s = widget()->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (state == vbMinimized) s |= Qt::WindowMinimized;
    if (state == vbMaximized) s |= Qt::WindowMaximized;
    if (s == widget()->windowState()) return;
    widget()->setWindowState(s);
    if (state == vbNormal && visible()) widget()->show();
    // The state event may come later from the window system; the handler runs now, once.
    if (state != lastState_) {
        lastState_ = state;
        runResize();
    }
}

QPixmap Form::picture() const { return static_cast<FormWidget*>(widget())->picture; }

void Form::setPicture(const QPixmap& picture) {
    static_cast<FormWidget*>(widget())->picture = picture;
    widget()->update();
}

void Form::setBorderStyle(int style) {
    if (borderless_ || (style != 1 && style != 2)) rt::raise(380);  // invalid property value
    borderStyle_ = style;
    QWidget* w = widget();
    const bool shown = w->isVisible();
    if (style == 1) {
        w->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
        w->setFixedSize(w->size());
    } else {
        w->setWindowFlags(Qt::Window);
        w->setMinimumSize(0, 0);
        w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    if (shown) w->show();
}

void Form::move(double left, double top, double width, double height) {
    const bool resized = width != this->width() || height != this->height();
    if (borderStyle_ == 1 && resized)
        widget()->setFixedSize(std::max(0, toPixels(width)), std::max(0, toPixels(height)));
    Control::move(left, top, width, height);
    if (resized) runResize();
}

void Form::setMinimumSize(double width, double height) {
    minWidth_ = std::max(0.0, width);
    minHeight_ = std::max(0.0, height);
    // Whole pixels, rounded up: the native window is never smaller than the minimum in twips.
    widget()->setMinimumSize(static_cast<int>(std::ceil(minWidth_ / kTwipsPerPixel)),
                             static_cast<int>(std::ceil(minHeight_ / kTwipsPerPixel)));
}

void Form::runResize() { dispatch(onResize); }

void Form::load() {
    if (loaded_) return;
    loaded_ = true;
    dispatch(onLoad);
}

void Form::show() {
    load();
    setVisible(true);
}

void Form::hide() { setVisible(false); }

void Form::setVisible(bool visible) {
    if (visible) load();
    Control::setVisible(visible);
    if (visible && !shownOnce_) {
        shownOnce_ = true;
        runResize();
    }
}

void Form::activate() {
    widget()->raise();
    widget()->activateWindow();
}

bool Form::unload() {
    if (!loaded_) {
        Control::setVisible(false);
        return true;
    }
    int cancel = 0;
    dispatch(onUnload, cancel);
    if (cancel != 0) return false;
    Control::setVisible(false);
    loaded_ = false;
    shownOnce_ = false;
    closed_ = true;
    return true;
}

bool Form::widgetEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::Resize: {
        // Our own size changes are already in the twips fields; only a size the user or the window
        // system made is taken over. The widget's size is compared, not the event's: the window
        // system's event may carry an earlier size while the widget already has the new one (and no
        // event follows for that one).
        const QSize now = widget()->size();
        if (now.width() != std::max(0, toPixels(width())) || now.height() != std::max(0, toPixels(height()))) {
            syncGeometryFromWidget();
            runResize();
        }
        return false;
    }
    case QEvent::Move:
        syncGeometryFromWidget();
        return false;
    case QEvent::WindowStateChange: {
        const int state = windowState();
        if (state != lastState_) {
            lastState_ = state;
            runResize();
        }
        return false;
    }
    case QEvent::WindowActivate:
        dispatch(onActivate);
        return false;
    case QEvent::WindowDeactivate:
        dispatch(onDeactivate);
        return false;
    case QEvent::DragEnter: {
        auto* e = static_cast<QDragEnterEvent*>(event);
        if (onFileDrop && e->mimeData()->hasUrls()) {
            e->acceptProposedAction();
            return true;
        }
        return false;
    }
    case QEvent::Drop: {
        auto* e = static_cast<QDropEvent*>(event);
        QStringList files;
        for (const QUrl& url : e->mimeData()->urls())
            if (url.isLocalFile()) files << QDir::toNativeSeparators(url.toLocalFile());
        if (files.isEmpty()) return false;
        e->acceptProposedAction();
        dispatch(onFileDrop, files, buttonBits(e->mouseButtons()), shiftBits(e->keyboardModifiers()),
                 e->posF().x() * kTwipsPerPixel, e->posF().y() * kTwipsPerPixel);
        return true;
    }
    default:
        return false;
    }
}

}  // namespace ui
