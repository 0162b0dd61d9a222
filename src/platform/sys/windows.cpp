#include "platform/sys/windows.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <map>

namespace sys {

const char* const kPageWindowClass = "Internet Explorer_Server";

namespace {

struct Entry {
    QPointer<QWidget> widget;
    QString className;
};

std::map<int, Entry>& table() {
    static std::map<int, Entry> t;
    return t;
}

int& nextHandle() {
    static int next = 100;
    return next;
}

int find(QWidget* widget) {
    for (auto it = table().begin(); it != table().end();) {
        if (!it->second.widget) {
            it = table().erase(it);  // the widget went away
            continue;
        }
        if (it->second.widget == widget) return it->first;
        ++it;
    }
    return 0;
}

// Depth first, children lying on top first (Qt keeps children in stacking order, bottom first).
int findIn(QWidget* parent, const QString& className) {
    const QObjectList& children = parent->children();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        auto* w = qobject_cast<QWidget*>(*it);
        if (!w || w->isWindow()) continue;
        const int h = find(w);
        if (h && table()[h].className == className) return h;
        if (const int inner = findIn(w, className)) return inner;
    }
    return 0;
}

void keepShown(QWidget* w, bool wasShown) {
    if (wasShown) w->show();
}

// The pointer as the program's windows get it, and the move of a window by the pointer.
//
// It watches the mouse events of the native windows (before any widget sees them): whether the left
// button is held, and for its last press the top-level window, the point in that window and the point
// on the screen. Those two points come from one event of the window system, so their difference is
// where the window really lay, whatever the toolkit believed then (after a window was hidden and shown
// again, its belief can be off by the whole way to the screen's corner).
//
// A drag keeps the pressed point of the window under the pointer: the window's new corner is the
// pointer's place on the screen less the pressed point in the window, so the window moves by exactly
// what the pointer moved since the press. The pointer's moves during a drag are the drag's only; the
// release ends it and goes on to the window like any release, so every layer under it (widgets, pages)
// sees the button go up, and the next click acts. A move without the left button held (the release
// went elsewhere) ends the drag as well.
class PointerDrag : public QObject {
public:
    static PointerDrag& instance() {
        static PointerDrag* drag = [] {
            auto* d = new PointerDrag;
            if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(d);
            return d;
        }();
        return *drag;
    }

    // Starts moving the top-level window of `w`; false when the left button is not held after a press
    // in that window, or a drag is going on.
    bool start(QWidget* w) {
        QWidget* top = w ? w->window() : nullptr;
        if (!top || dragged_ || !leftHeld_ || !pressWindow_ || pressWindow_ != top->windowHandle()) return false;
        dragged_ = top;
        return true;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseMove)
            return false;
        if (!watched->isWindowType()) return false;
        auto* window = static_cast<QWindow*>(watched);
        auto* e = static_cast<QMouseEvent*>(event);
        leftHeld_ = e->buttons().testFlag(Qt::LeftButton);
        if (type == QEvent::MouseButtonPress && e->button() == Qt::LeftButton) {
            // The point in the top-level window: a native child lies at its offset in it.
            QPoint inTop = e->windowPos().toPoint();
            QWindow* top = window;
            while (top->parent()) {
                inTop += top->position();
                top = top->parent();
            }
            pressWindow_ = top;
            pressInWindow_ = inTop;
            pressOnScreen_ = e->screenPos().toPoint();
            return false;
        }
        if (!dragged_) return false;
        if (type == QEvent::MouseMove && leftHeld_) {
            follow(e->screenPos().toPoint());
            return true;
        }
        if (!leftHeld_) {
            if (type == QEvent::MouseButtonRelease) follow(e->screenPos().toPoint());
            dragged_ = nullptr;
        }
        return false;
    }

private:
    void follow(const QPoint& pointer) {
        if (QWidget* w = dragged_) w->setGeometry(QRect(pointer - pressInWindow_, w->size()));
    }

    bool leftHeld_ = false;
    QPointer<QWindow> pressWindow_;
    QPoint pressInWindow_;
    QPoint pressOnScreen_;
    QPointer<QWidget> dragged_;
};

}  // namespace

int registerWindow(QWidget* widget, const QString& className) {
    if (!widget) return 0;
    PointerDrag::instance();  // watching the pointer before any window can be dragged
    if (const int h = find(widget)) {
        table()[h].className = className;
        return h;
    }
    const int h = nextHandle()++;
    table()[h] = Entry{widget, className};
    return h;
}

QWidget* windowOf(int handle) {
    auto it = table().find(handle);
    return it == table().end() ? nullptr : it->second.widget.data();
}

int handleOf(QWidget* widget) {
    if (!widget) return 0;
    if (const int h = find(widget)) return h;
    return registerWindow(widget, QString::fromLatin1(widget->metaObject()->className()));
}

QString classNameOf(int handle) {
    return windowOf(handle) ? table()[handle].className : QString();
}

int findChildWindow(int parent, const QString& className) {
    QWidget* p = windowOf(parent);
    return p ? findIn(p, className) : 0;
}

std::vector<int> childWindows(int parent, const QString& className) {
    std::vector<int> found;
    QWidget* p = windowOf(parent);
    if (!p) return found;
    const QObjectList& children = p->children();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        auto* w = qobject_cast<QWidget*>(*it);
        if (!w || w->isWindow()) continue;
        const int h = find(w);
        if (h && table()[h].className == className) found.push_back(h);
    }
    return found;
}

int parentWindow(int child) {
    QWidget* c = windowOf(child);
    return c && c->parentWidget() ? find(c->parentWidget()) : 0;
}

QRect windowRect(int window) {
    QWidget* w = windowOf(window);
    return w ? w->geometry() : QRect();
}

void setParentWindow(int child, int parent) {
    QWidget* c = windowOf(child);
    QWidget* p = parent ? windowOf(parent) : nullptr;
    if (!c || (parent && !p) || c == p) return;
    for (QWidget* up = p; up; up = up->parentWidget())
        if (up == c) return;  // a window can not go inside itself
    const bool shown = !c->isHidden();
    const QPoint offset = c->isWindow() ? c->geometry().topLeft() : c->pos();
    c->setParent(p, p ? Qt::Widget : Qt::Window | Qt::FramelessWindowHint);
    c->move(offset);
    keepShown(c, shown);
}

void makeMinimizable(int window) {
    QWidget* w = windowOf(window);
    if (!w || !w->isWindow()) return;
    const Qt::WindowFlags wanted = Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint;
    if (w->windowFlags() == wanted) return;
    const bool shown = !w->isHidden();
    const QRect geometry = w->geometry();
    w->setWindowFlags(wanted);
    w->setGeometry(geometry);
    keepShown(w, shown);
}

void sendWindowMessage(int window, int message, int wParam, int lParam) {
    if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
    QWidget* w = windowOf(window);
    if (!w || message != 161) return;
    Qt::Edges edges;
    switch (wParam) {
    case 2: break;
    case 10: edges = Qt::LeftEdge; break;
    case 11: edges = Qt::RightEdge; break;
    case 12: edges = Qt::TopEdge; break;
    case 13: edges = Qt::TopEdge | Qt::LeftEdge; break;
    case 14: edges = Qt::TopEdge | Qt::RightEdge; break;
    case 15: edges = Qt::BottomEdge; break;
    case 16: edges = Qt::BottomEdge | Qt::LeftEdge; break;
    case 17: edges = Qt::BottomEdge | Qt::RightEdge; break;
    default: return;
    }
    bool started = false;
    if (wParam == 2) {
        started = PointerDrag::instance().start(w);
    } else if (QWindow* handle = w->window()->windowHandle()) {
        started = handle->startSystemResize(edges);
    }
    systemMoveRequests().push_back(SystemMoveRequest{window, wParam, started});
}

void setWindowPos(int window, int insertAfter, int x, int y, int cx, int cy, int flags) {
    QWidget* w = windowOf(window);
    if (!w) return;
    if (w->isWindow() && (insertAfter == -1 || insertAfter == -2)) {
        const bool onTop = insertAfter == -1;
        if (w->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop) {
            const bool shown = !w->isHidden();
            const QRect geometry = w->geometry();
            w->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
            w->setGeometry(geometry);
            keepShown(w, shown);
        }
    }
    if (insertAfter == 0 || insertAfter == -1) w->raise();
    if (insertAfter == 1) w->lower();
    if (!(flags & 2)) w->move(x, y);
    if (!(flags & 1)) w->resize(std::max(0, cx), std::max(0, cy));
    if (flags & 0x40) w->show();
    if (flags & 0x80) w->hide();
}

int findPageWindow(QWidget* mainWindow) {
    if (!mainWindow) return 0;
    const QString pageClass = QString::fromLatin1(kPageWindowClass);
    // Only browsers placed on the window itself count (one inside a container does not), the one
    // lying on top first; the page window is a child of its browser.
    const QObjectList& children = mainWindow->children();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        auto* browser = qobject_cast<QWidget*>(*it);
        if (!browser || browser->isWindow()) continue;
        for (QObject* inner : browser->children()) {
            auto* page = qobject_cast<QWidget*>(inner);
            if (!page || page->isWindow()) continue;
            const int h = find(page);
            if (h && table()[h].className == pageClass) return h;
        }
    }
    return 0;
}

std::vector<SystemMoveRequest>& systemMoveRequests() {
    static std::vector<SystemMoveRequest> requests;
    return requests;
}

}  // namespace sys
