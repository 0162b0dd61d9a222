#pragma once
// A document sink: the program's connection to the events of one document. Handlers return true to
// let the page's default action proceed and false to cancel it; an event without a handler proceeds.
// A selection change is reported only while the user works in the page (a button or key of the user's
// within the last second, see BrowserPage::userGesture): a selection a page script makes on its own
// is not the user's. A mouse press is only reported: whatever its handler returns, the press goes on (focus, selection
// and the page's own handlers).
// A sink receives the events of the document it is attached to only; attaching it to another document
// ends the old connection. A page that rewrites its document in place (document.open) keeps its
// connection: the sink follows the rewritten document.
#include "platform/ui/handler.h"
#include "platform/web/document.h"

#include <functional>
#include <memory>

class QWebFrame;

namespace web {

class DocumentSink {
public:
    DocumentSink();
    ~DocumentSink();
    DocumentSink(const DocumentSink&) = delete;
    DocumentSink& operator=(const DocumentSink&) = delete;

    // Connects to `doc` (a null document just detaches). Raises 91 for a stale document.
    void attach(const Document& doc);
    void detach();
    // The attached document (null when detached or when the document was replaced).
    Document document() const;
    bool attached() const;

    using Handler = ui::Handler<bool(const DocumentEvent& event)>;
    Handler onclick{"DocumentSink.onclick"};
    Handler ondblclick{"DocumentSink.ondblclick"};
    Handler onkeydown{"DocumentSink.onkeydown"};
    Handler onmousedown{"DocumentSink.onmousedown"};
    Handler onmouseover{"DocumentSink.onmouseover"};
    Handler onmousemove{"DocumentSink.onmousemove"};
    Handler oncontextmenu{"DocumentSink.oncontextmenu"};
    Handler ondragstart{"DocumentSink.ondragstart"};
    Handler onselectstart{"DocumentSink.onselectstart"};
    Handler onselectionchange{"DocumentSink.onselectionchange"};
    Handler onmousewheel{"DocumentSink.onmousewheel"};

    // For the web layer: whether the sink was attached to a document of `frame` that the page has
    // since rewritten (the handle names the old root).
    bool followsRewriteOf(QWebFrame* frame) const;
    // For the web layer: dispatches one event to the handler of its type; true = proceed.
    bool dispatch(const DocumentEvent& event);

private:
    struct Private;
    std::unique_ptr<Private> d_;
};

// For the web layer: hands one event to every sink attached to its document; false when one of them
// cancelled it.
bool dispatchToSinks(const Document& document, const DocumentEvent& event);

}  // namespace web
