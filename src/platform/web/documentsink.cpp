#include "platform/web/documentsink.h"

#include "platform/web/bridge.h"
#include "platform/web/browserpage.h"
#include "platform/web/callsafely.h"

#include <QList>
#include <QPointer>
#include <QWebFrame>

namespace web {

namespace {

QList<DocumentSink*>& sinks() {
    static QList<DocumentSink*> list;
    return list;
}

// An event the listener of `frame` reports: the sinks of the frame's document receive it (a
// page-level F5 that one of them cancelled reloads nothing).
bool dispatchPageEvent(QWebFrame* frame, const QString& type, const QWebElement& target, const QVariantMap& fields) {
    if (!frame) return true;
    QPointer<BrowserPage> page = qobject_cast<BrowserPage*>(frame->page());
    // A selection counts as the user's only while the user works in the page (a page script's
    // selection raises the same event).
    if (type == QLatin1String("selectionchange") && !(page && page->userGesture())) return true;
    const Document doc = Document::fromFrame(frame);
    DocumentEvent event;
    event.type = type;
    event.srcElement = ElementAccess::make(target, doc);
    event.clientX = fields.value(QStringLiteral("clientX")).toInt();
    event.clientY = fields.value(QStringLiteral("clientY")).toInt();
    event.screenX = fields.value(QStringLiteral("screenX")).toInt();
    event.screenY = fields.value(QStringLiteral("screenY")).toInt();
    event.button = fields.value(QStringLiteral("button")).toInt();
    event.keyCode = fields.value(QStringLiteral("keyCode")).toInt();
    event.altKey = fields.value(QStringLiteral("altKey")).toBool();
    event.ctrlKey = fields.value(QStringLiteral("ctrlKey")).toBool();
    event.shiftKey = fields.value(QStringLiteral("shiftKey")).toBool();
    event.wheelDelta = fields.value(QStringLiteral("wheelDelta")).toInt();
    enterEvent(doc, event);
    bool proceed = true;
    callSafely([&] { proceed = dispatchToSinks(doc, event); });
    leaveEvent();
    if (!proceed && type == QLatin1String("keydown") && event.keyCode == 116 && page) page->f5Cancelled = true;
    return proceed;
}

// The page of `frame` rewrote its document in place: the sinks attached to its old root follow it.
void followRewrite(QWebFrame* frame) {
    if (!frame) return;
    const QList<DocumentSink*> snapshot = sinks();
    for (DocumentSink* sink : snapshot) {
        if (!sinks().contains(sink) || !sink->followsRewriteOf(frame)) continue;
        callSafely([&] { sink->attach(Document::fromFrame(frame)); });
    }
}

}  // namespace

struct DocumentSink::Private {
    Document doc;
};

DocumentSink::DocumentSink() : d_(new Private) {
    // Events reach the sinks once there is one.
    static const bool connected = (setPageEventHandler(dispatchPageEvent), setRewriteHandler(followRewrite), true);
    Q_UNUSED(connected);
    sinks().append(this);
}

DocumentSink::~DocumentSink() { sinks().removeOne(this); }

void DocumentSink::attach(const Document& doc) {
    if (doc.isNull()) {
        detach();
        return;
    }
    doc.check();
    d_->doc = doc;
    ensureWindow(doc.frame());
}

void DocumentSink::detach() { d_->doc = Document(); }

Document DocumentSink::document() const { return d_->doc.isValid() ? d_->doc : Document(); }

bool DocumentSink::attached() const { return d_->doc.isValid(); }

bool DocumentSink::followsRewriteOf(QWebFrame* frame) const {
    return !d_->doc.isNull() && d_->doc.takenIn() == frame && !d_->doc.isValid();
}

bool DocumentSink::dispatch(const DocumentEvent& event) {
    const QString& t = event.type;
    Handler handler;
    if (t == QLatin1String("click")) handler = onclick;
    else if (t == QLatin1String("dblclick")) handler = ondblclick;
    else if (t == QLatin1String("keydown")) handler = onkeydown;
    else if (t == QLatin1String("mousedown")) handler = onmousedown;
    else if (t == QLatin1String("mouseover")) handler = onmouseover;
    else if (t == QLatin1String("mousemove")) handler = onmousemove;
    else if (t == QLatin1String("contextmenu")) handler = oncontextmenu;
    else if (t == QLatin1String("dragstart")) handler = ondragstart;
    else if (t == QLatin1String("selectstart")) handler = onselectstart;
    else if (t == QLatin1String("selectionchange")) handler = onselectionchange;
    else if (t == QLatin1String("mousewheel")) handler = onmousewheel;
    // No handler: the default action proceeds.
    if (!handler) return true;
    bool proceed = true;
    callSafely([&] { proceed = handler(event); });
    return proceed;
}

bool dispatchToSinks(const Document& document, const DocumentEvent& event) {
    // A handler may attach, detach or destroy sinks: the list is taken first and re-checked.
    const QList<DocumentSink*> snapshot = sinks();
    bool proceed = true;
    for (DocumentSink* sink : snapshot) {
        if (!sinks().contains(sink)) continue;
        if (!(sink->document() == document)) continue;
        if (!sink->dispatch(event)) proceed = false;
    }
    return proceed;
}

}  // namespace web
