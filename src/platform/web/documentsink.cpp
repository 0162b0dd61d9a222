#include "platform/web/documentsink.h"

#include "platform/web/browserpage.h"

#include <QList>

namespace web {

namespace {

QList<DocumentSink*>& sinks() {
    static QList<DocumentSink*> list;
    return list;
}

}  // namespace

struct DocumentSink::Private {
    Document doc;
};

DocumentSink::DocumentSink() : d_(new Private) { sinks().append(this); }

DocumentSink::~DocumentSink() { sinks().removeOne(this); }

void DocumentSink::attach(const Document& doc) {
    if (doc.isNull()) {
        detach();
        return;
    }
    doc.check();
    d_->doc = doc;
    ensureHooks(doc.frame());
}

void DocumentSink::detach() { d_->doc = Document(); }

Document DocumentSink::document() const { return d_->doc.isValid() ? d_->doc : Document(); }

bool DocumentSink::attached() const { return d_->doc.isValid(); }

bool DocumentSink::dispatch(const DocumentEvent& event) {
    const QString& t = event.type;
    Handler handler;
    if (t == QLatin1String("click")) handler = onclick;
    else if (t == QLatin1String("dblclick")) handler = ondblclick;
    else if (t == QLatin1String("keydown")) handler = onkeydown;
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
