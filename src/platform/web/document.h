#pragma once
// The document model: handles on a loaded document (its elements: element.h), implemented with the
// page engine's element API and script evaluation. A handle stays valid while its document is
// loaded; a handle on a document that was replaced or whose browser is gone fails like a missing
// object (rt::RuntimeError 91).
//
// Members the program needs that the engine does not have are given equivalents:
//  - all():            every element of the document in document order (a snapshot list);
//    allItem(key):     the look-up of all by a key: the first element whose id or name is the key;
//  - DocumentEvent::srcElement: the element the event was raised on (the event's target);
//  - styleSheetsText(): the text of all style rules of the document's style sheets, one rule a line;
//  - fileSize():        the size in bytes of the document as it arrived, or -1 when it is not known.
#include "platform/web/element.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QUrl>
#include <memory>

class QWebFrame;

namespace web {

class WebBrowser;
struct DocumentEvent;

// A loaded document: the top document of a browser or the document of one of its frames.
class Document {
public:
    Document() = default;

    // True for a handle that names no document at all (Document of an empty browser, no frame).
    bool isNull() const;
    // True while the document this handle names is still the one loaded in its frame.
    bool isValid() const;
    bool operator==(const Document& other) const;
    bool operator!=(const Document& other) const { return !(*this == other); }

    // The address in its canonical text form: what LocationURL and the events report.
    QString url() const;
    // The host the document came from ("" for a local file or a document with no host).
    QString domain() const;
    QString title() const;
    void setTitle(const QString& title) const;

    Element documentElement() const;
    Element head() const;
    Element body() const;
    // The first element whose id attribute is exactly `id` (any text, digits included); a null
    // element when there is none.
    Element getElementById(const QString& id) const;
    // Elements with the tag name, any case; "*" gives all elements. Snapshot in document order.
    QList<Element> getElementsByTagName(const QString& tag) const;
    QList<Element> all() const;
    Element allItem(const QString& key) const;
    // CSS selector query; a selector the engine refuses gives an empty list.
    QList<Element> querySelectorAll(const QString& selector) const;
    int scriptCount() const;
    // Number of child frames of this document (frame and iframe elements that hold a document).
    int frameCount() const;
    // The documents of this document's child frames, in order.
    QList<Document> frames() const;
    // The selected text of the document ("" without a selection).
    QString selectionText() const;
    // The focused element, or the body when nothing has the focus.
    Element activeElement() const;
    // A new element, not yet in the document.
    Element createElement(const QString& tag) const;

    void scrollTo(int x, int y) const;
    QPoint scrollPosition() const;
    QString styleSheetsText() const;
    qint64 fileSize() const;
    QString characterSet() const;

    // Runs a script in the document and returns its result as text (the program's own scripts
    // always run, whatever the page-script switch says).
    QString evaluate(const QString& script) const;

    // The event being dispatched to the document's sinks right now (valid only inside a handler,
    // and inside whatever a handler runs: menus popped up from it read it). Null event otherwise.
    const DocumentEvent& event() const;

    // The engine's error page for a failed top-level load is marked; these read the mark.
    bool isErrorPage() const;
    // The address that failed to load, for an error page; "" otherwise.
    QString errorPageUrl() const;

    // The browser that holds this document (nullptr when gone).
    WebBrowser* browser() const;

    // Raises 91 unless the handle is valid. Every other member calls it first.
    void check() const;

    // For the web layer: the document a frame holds now.
    static Document fromFrame(QWebFrame* frame);
    QWebFrame* frame() const;
    // For the web layer: the frame the handle was taken in, whether or not it still holds the document.
    QWebFrame* takenIn() const;

private:
    struct Data;
    std::shared_ptr<const Data> d_;
};

// The fields of a document event.
struct DocumentEvent {
    QString type;         // "click", "dblclick", "keydown", "mousedown", "mouseover", "mousemove",
                          // "contextmenu", "dragstart", "selectstart", "selectionchange", "mousewheel";
                          // "" = none
    Element srcElement;   // the element the event was raised on
    int clientX = 0, clientY = 0;
    int screenX = 0, screenY = 0;
    int button = 0;       // 1 left, 2 right, 4 middle; 0 none
    int keyCode = 0;
    bool altKey = false, ctrlKey = false, shiftKey = false;
    int wheelDelta = 0;   // positive away from the user, 120 a notch
    bool isNull() const { return type.isEmpty(); }
};

// For the web layer: an event being dispatched to the sinks of `document`, read by
// Document::event() until leaveEvent(). Events nest (a handler may run a menu that raises others).
void enterEvent(const Document& document, const DocumentEvent& event);
void leaveEvent();

}  // namespace web
