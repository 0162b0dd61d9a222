#pragma once
// The bridge between the program and the listener it puts into every document (web layer internal).
//
// Page scripts never reach it. At the moment the engine makes a frame's window (before any script of
// the page runs in it) the frame's link object is put on the window under a name nobody can guess,
// and the listener script, run in the same synchronous call, takes it into its closure and deletes
// the name again. The listener forwards only the events the user made (`event.isTrusted`); events
// that page scripts make go to the page alone. A page that rewrites its document (document.open) keeps
// the listener: it adds itself again to the rewritten document. It reads the events through the engine's own
// accessors, taken before the page could replace them.
//
// Elements come out of the program's script expressions through a catcher object that is added,
// used and removed within one evaluation, before the expression runs.
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <QWebElement>

#include <functional>

class QWebFrame;

namespace web {

// Receives every event a listener reports, with the frame of its document; returns false to cancel
// the page's default action. Events proceed while none is set.
using PageEventHandler =
    std::function<bool(QWebFrame* frame, const QString& type, const QWebElement& target, const QVariantMap& fields)>;
void setPageEventHandler(PageEventHandler handler);

// Receives the frames whose page rewrote its document in place (document.open): the document has a new
// root, the listener still listens to it.
using FrameHandler = std::function<void(QWebFrame* frame)>;
void setRewriteHandler(FrameHandler handler);
// Receives the frames whose listener saw its document arrive (parsed; pictures may still be loading).
void setArrivalHandler(FrameHandler handler);

// Puts the listener into the frame's new window: called when the frame's window object is cleared.
void installListener(QWebFrame* frame);
// Makes the frame's window if the engine has not made it yet (it does so lazily, on a page's first
// script); making it installs the listener.
void ensureWindow(QWebFrame* frame);

// Evaluates a script expression in the frame and returns the element it yields (null when none).
QWebElement scriptElement(QWebFrame* frame, const QString& expression);
// A script string literal holding `text`.
QString scriptString(const QString& text);

// The object a frame's listener calls: one per frame, living as long as the frame. Each installed
// listener carries the number of its window; calls from a window that is no longer the frame's are
// ignored.
class FrameLink : public QObject {
    Q_OBJECT
public:
    static FrameLink* of(QWebFrame* frame);
    int renew() { return ++window_; }

public slots:
    bool dispatch(int window, const QString& type, const QWebElement& target, const QVariantMap& fields);
    // The window's document has arrived (parsed).
    void arrived(int window);
    // The page rewrote the window's document: it has a new root.
    void rewritten(int window);

private:
    explicit FrameLink(QWebFrame* frame);
    // Runs `handler` on the frame when `window` is the frame's current window.
    void notify(int window, const FrameHandler& handler);
    QWebFrame* frame_;
    int window_ = 0;
};

// Takes the element a program expression yields.
class ElementCatcher : public QObject {
    Q_OBJECT
public:
    QWebElement take();

public slots:
    void capture(const QWebElement& element);

private:
    QWebElement caught_;
};

}  // namespace web
