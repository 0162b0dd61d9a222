#pragma once
// Handles on the elements of a loaded document (document.h), implemented with the page engine's
// element API and script evaluation. A handle stays valid while its document is loaded; a handle on
// an element whose document was replaced or whose browser is gone fails like a missing object
// (rt::RuntimeError 424).
//
// The members are defined in document.cpp with the document's: an element's handle holds its
// document's, and the two may not include each other.
//
// Members the program needs that the engine does not have are given equivalents:
//  - all():            every descendant element in document order (allCount(): how many);
//  - styleSheetText(): the text of the style sheet a style element holds (its content);
//  - fileSize():       the size in bytes of the resource its src names, or -1 when it is not known.
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <memory>

class QWebElement;

namespace web {

class Document;

// An element of a loaded document.
class Element {
public:
    Element();

    bool isNull() const;
    bool isValid() const;
    bool operator==(const Element& other) const;
    bool operator!=(const Element& other) const { return !(*this == other); }
    Document document() const;

    // Upper-case tag name, as the program compares it ("A", "IMG", "DIV").
    QString tagName() const;
    QString id() const;
    void setId(const QString& id) const;
    bool hasAttribute(const QString& name) const;
    QString getAttribute(const QString& name) const;
    void setAttribute(const QString& name, const QString& value) const;
    void removeAttribute(const QString& name) const;
    QStringList attributeNames() const;

    QString innerHTML() const;
    void setInnerHTML(const QString& html) const;
    QString outerHTML() const;
    // Replaces the element by the markup; the handle then names a removed element (invalid).
    void setOuterHTML(const QString& html) const;
    QString innerText() const;
    void setInnerText(const QString& text) const;
    // Inserts markup at "beforeBegin", "afterBegin", "beforeEnd" or "afterEnd" (any case).
    void insertAdjacentHTML(const QString& where, const QString& html) const;
    void appendChild(const Element& child) const;
    // Removes the element from its document.
    void remove() const;
    // Removes a child of this element; raises 5 when `child` is not one.
    void removeChild(const Element& child) const;

    // The value of a form control (input, textarea, select), read and written through the
    // element's live value rather than its attribute.
    QString value() const;
    void setValue(const QString& value) const;

    // src / href / target: raw attribute text, and the address resolved against the document.
    QString src() const;
    QString srcResolved() const;
    void setSrc(const QString& src) const;
    QString href() const;
    QString hrefResolved() const;
    void setHref(const QString& href) const;
    QString target() const;
    void setTarget(const QString& target) const;

    // Inline style: the whole text and single properties ("visibility", "zoom", "border", ...).
    QString styleCssText() const;
    void setStyleCssText(const QString& css) const;
    QString styleProperty(const QString& name) const;
    void setStyleProperty(const QString& name, const QString& value) const;

    // A style element's style sheet text.
    QString styleSheetText() const;
    void setStyleSheetText(const QString& css) const;

    int offsetWidth() const;
    int offsetHeight() const;
    int offsetLeft() const;
    int offsetTop() const;
    // A picture's own width and height in pixels, whatever size the page shows it at (an img
    // element); 0 while the picture has not been read.
    int naturalWidth() const;
    int naturalHeight() const;
    // The element's rectangle in the viewport, in pixels.
    QRect boundingClientRect() const;

    Element parentElement() const;
    QList<Element> children() const;
    // Every descendant element in document order.
    QList<Element> all() const;
    // How many there are (all().size(), without making a handle for each).
    int allCount() const;
    QList<Element> getElementsByTagName(const QString& tag) const;

    // The size in bytes of the resource the element's src names (a picture, for instance), or -1
    // when it is not known.
    qint64 fileSize() const;

    void click() const;
    void focus() const;
    void scrollIntoView() const;

    // Raises 424 unless the handle is valid. Every other member calls it first.
    void check() const;

private:
    friend class ElementAccess;
    struct Data;
    std::shared_ptr<Data> d_;
};

// For the web layer: builds element handles from the engine's elements.
class ElementAccess {
public:
    static Element make(const QWebElement& element, const Document& document);
    static QWebElement raw(const Element& element);
};

}  // namespace web
