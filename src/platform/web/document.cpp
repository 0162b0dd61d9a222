#include "platform/web/document.h"

#include "platform/rt/error.h"
#include "platform/web/address.h"
#include "platform/web/bridge.h"
#include "platform/web/browserpage.h"
#include "platform/web/responsesizes.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonValue>
#include <QPair>
#include <QPointer>
#include <QRegularExpression>
#include <QWebElement>
#include <QWebFrame>

namespace web {

namespace {

QString cssString(const QString& text) {
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\') + QString(c);
        else if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            out += QStringLiteral("\\%1 ").arg(c.unicode(), 0, 16);
        else
            out += c;
    }
    return out + QLatin1Char('"');
}

bool validTagName(const QString& tag) {
    static const QRegularExpression name(QStringLiteral("^[A-Za-z][A-Za-z0-9_-]*$"));
    return name.match(tag).hasMatch();
}

QList<Element> toElements(const QWebElementCollection& collection, const Document& doc) {
    QList<Element> out;
    out.reserve(collection.count());
    for (const QWebElement& e : collection) out.append(ElementAccess::make(e, doc));
    return out;
}

// Events being dispatched, innermost last: a handler (and a menu it runs) reads the one of its document.
QList<QPair<Document, DocumentEvent>>& eventStack() {
    static QList<QPair<Document, DocumentEvent>> stack;
    return stack;
}

const DocumentEvent& noEvent() {
    static const DocumentEvent none;
    return none;
}

}  // namespace

void enterEvent(const Document& document, const DocumentEvent& event) { eventStack().append({document, event}); }

void leaveEvent() { eventStack().removeLast(); }

// ---------------------------------------------------------------------------------------------
// Document

struct Document::Data {
    QPointer<QWebFrame> frame;
    mutable QWebElement root;  // bound late when the handle was taken before the document was built
};

Document Document::fromFrame(QWebFrame* frame) {
    Document doc;
    if (!frame) return doc;
    auto data = std::make_shared<Data>();
    data->frame = frame;
    data->root = frame->documentElement();
    doc.d_ = data;
    return doc;
}

QWebFrame* Document::frame() const { return isValid() ? d_->frame.data() : nullptr; }

QWebFrame* Document::takenIn() const { return d_ ? d_->frame.data() : nullptr; }

bool Document::isNull() const { return !d_; }

bool Document::isValid() const {
    if (!d_ || !d_->frame) return false;
    // A handle taken when a navigation commits, before the engine has built the new document, binds
    // to that document once it is there; until then its address and title are readable.
    if (d_->root.isNull()) d_->root = d_->frame->documentElement();
    if (!d_->root.isNull() && d_->frame->documentElement() != d_->root) return false;
    // The documents of a browser that is gone go with it, even while the engine's page lingers.
    auto* page = qobject_cast<BrowserPage*>(d_->frame->page());
    return page && page->owner();
}

bool Document::operator==(const Document& other) const {
    if (!d_ || !other.d_) return !d_ && !other.d_;
    // A handle taken before its document was built binds to it first.
    isValid();
    other.isValid();
    return d_->frame == other.d_->frame && d_->root == other.d_->root;
}

void Document::check() const {
    if (!isValid()) rt::raise(rt::ObjectVariableNotSet, QStringLiteral("document"));
}

QString Document::url() const {
    check();
    return addressText(frameAddress(d_->frame));
}

QString Document::domain() const {
    check();
    const QUrl url = frameAddress(d_->frame);
    return url.isLocalFile() ? QString() : url.host();
}

QString Document::title() const {
    check();
    return d_->frame->title();
}

void Document::setTitle(const QString& title) const {
    check();
    d_->frame->evaluateJavaScript(QStringLiteral("document.title=%1").arg(scriptString(title)));
}

Element Document::documentElement() const {
    check();
    return ElementAccess::make(d_->root, *this);
}

Element Document::head() const {
    check();
    return ElementAccess::make(d_->frame->findFirstElement(QStringLiteral("head")), *this);
}

Element Document::body() const {
    check();
    QWebElement body = d_->frame->findFirstElement(QStringLiteral("body"));
    if (body.isNull()) body = d_->frame->findFirstElement(QStringLiteral("frameset"));
    return ElementAccess::make(body, *this);
}

Element Document::getElementById(const QString& id) const {
    check();
    if (id.isEmpty()) return Element();
    return ElementAccess::make(d_->frame->findFirstElement(QStringLiteral("[id=%1]").arg(cssString(id))), *this);
}

QList<Element> Document::getElementsByTagName(const QString& tag) const {
    check();
    if (tag == QLatin1String("*")) return all();
    if (!validTagName(tag)) return {};
    QList<Element> out;
    // The engine's search starts below the root element.
    if (d_->root.tagName().compare(tag, Qt::CaseInsensitive) == 0) out.append(ElementAccess::make(d_->root, *this));
    return out + toElements(d_->frame->findAllElements(tag), *this);
}

QList<Element> Document::all() const {
    check();
    return QList<Element>{ElementAccess::make(d_->root, *this)} +
           toElements(d_->frame->findAllElements(QStringLiteral("*")), *this);
}

Element Document::allItem(const QString& key) const {
    check();
    if (key.isEmpty()) return Element();
    const QString k = cssString(key);
    QWebElement e = d_->frame->findFirstElement(QStringLiteral("[id=%1],[name=%1]").arg(k));
    if (e.isNull() && (d_->root.attribute(QStringLiteral("id")) == key || d_->root.attribute(QStringLiteral("name")) == key))
        e = d_->root;
    return ElementAccess::make(e, *this);
}

QList<Element> Document::querySelectorAll(const QString& selector) const {
    check();
    QList<Element> out;
    QWebElement root = d_->root;
    if (root.evaluateJavaScript(QStringLiteral("(function(s){try{return this.webkitMatchesSelector(s);}catch(e){return false;}})"
                                               ".call(this,%1)").arg(scriptString(selector))).toBool())
        out.append(ElementAccess::make(d_->root, *this));
    return out + toElements(d_->frame->findAllElements(selector), *this);
}

int Document::scriptCount() const {
    check();
    return d_->frame->findAllElements(QStringLiteral("script")).count();
}

int Document::frameCount() const {
    check();
    return d_->frame->childFrames().size();
}

QList<Document> Document::frames() const {
    check();
    QList<Document> out;
    for (QWebFrame* child : d_->frame->childFrames()) out.append(fromFrame(child));
    return out;
}

QString Document::selectionText() const {
    check();
    return d_->frame->evaluateJavaScript(QStringLiteral("String(window.getSelection())")).toString();
}

Element Document::activeElement() const {
    check();
    QWebElement e = scriptElement(d_->frame, QStringLiteral("document.activeElement"));
    if (e.isNull()) return body();
    return ElementAccess::make(e, *this);
}

Element Document::createElement(const QString& tag) const {
    check();
    if (!validTagName(tag)) rt::raise(rt::InvalidProcedureCall, QStringLiteral("createElement ") + tag);
    QWebElement e = scriptElement(d_->frame, QStringLiteral("document.createElement(%1)").arg(scriptString(tag)));
    if (e.isNull()) rt::raise(rt::InvalidProcedureCall, QStringLiteral("createElement ") + tag);
    return ElementAccess::make(e, *this);
}

void Document::scrollTo(int x, int y) const {
    check();
    d_->frame->evaluateJavaScript(QStringLiteral("window.scrollTo(%1,%2)").arg(x).arg(y));
}

QPoint Document::scrollPosition() const {
    check();
    return d_->frame->scrollPosition();
}

QString Document::styleSheetsText() const {
    check();
    return d_->frame
        ->evaluateJavaScript(QStringLiteral(
            "(function(){var out=[];var s=document.styleSheets;for(var i=0;i<s.length;i++){var r=null;"
            "try{r=s[i].cssRules;}catch(e){}if(!r)continue;for(var j=0;j<r.length;j++)out.push(r[j].cssText);}"
            "return out.join('\\n');})()"))
        .toString();
}

qint64 Document::fileSize() const {
    check();
    auto* page = qobject_cast<BrowserPage*>(d_->frame->page());
    if (page) {
        const QByteArray bytes = page->documentBytes(d_->frame);
        if (!bytes.isEmpty()) return bytes.size();
    }
    const QUrl url = frameAddress(d_->frame);
    if (url.isLocalFile()) {
        QFileInfo info(url.toLocalFile());
        return info.exists() ? info.size() : -1;
    }
    return recordedSize(url.toString());
}

QString Document::characterSet() const {
    check();
    return d_->frame->evaluateJavaScript(QStringLiteral("document.characterSet")).toString();
}

QString Document::evaluate(const QString& script) const {
    check();
    return d_->frame->evaluateJavaScript(script).toString();
}

const DocumentEvent& Document::event() const {
    const auto& stack = eventStack();
    for (int i = stack.size() - 1; i >= 0; --i) {
        if (stack[i].first == *this) return stack[i].second;
    }
    return noEvent();
}

bool Document::isErrorPage() const {
    check();
    auto* page = qobject_cast<BrowserPage*>(d_->frame->page());
    return page && page->isErrorDocument(d_->frame);
}

QString Document::errorPageUrl() const {
    check();
    auto* page = qobject_cast<BrowserPage*>(d_->frame->page());
    return page ? page->errorUrl(d_->frame) : QString();
}

WebBrowser* Document::browser() const {
    if (!d_ || !d_->frame) return nullptr;
    auto* page = qobject_cast<BrowserPage*>(d_->frame->page());
    return page ? page->owner() : nullptr;
}

// ---------------------------------------------------------------------------------------------
// Element (element.h)

struct Element::Data {
    QWebElement e;
    Document doc;
};

Element ElementAccess::make(const QWebElement& element, const Document& document) {
    Element out;
    if (element.isNull()) return out;
    auto data = std::make_shared<Element::Data>();
    data->e = element;
    data->doc = document;
    out.d_ = data;
    return out;
}

QWebElement ElementAccess::raw(const Element& element) { return element.d_ ? element.d_->e : QWebElement(); }

Element::Element() = default;

bool Element::isNull() const { return !d_; }

bool Element::isValid() const { return d_ && d_->doc.isValid() && !d_->e.isNull(); }

bool Element::operator==(const Element& other) const {
    if (!d_ || !other.d_) return !d_ && !other.d_;
    return d_->e == other.d_->e;
}

void Element::check() const {
    if (!isValid()) rt::raise(rt::ObjectRequired, QStringLiteral("element"));
}

Document Element::document() const {
    check();
    return d_->doc;
}

namespace {

QVariant run(const QWebElement& e, const QString& script) {
    QWebElement copy = e;
    return copy.evaluateJavaScript(script);
}

QString runText(const QWebElement& e, const QString& script) {
    const QVariant v = run(e, script);
    if (!v.isValid() || v.isNull()) return QString();
    return v.toString();
}

int runInt(const QWebElement& e, const QString& script) {
    return static_cast<int>(run(e, script).toDouble());
}

}  // namespace

QString Element::tagName() const {
    check();
    return d_->e.tagName().toUpper();
}

QString Element::id() const {
    check();
    return d_->e.attribute(QStringLiteral("id"));
}

void Element::setId(const QString& id) const { setAttribute(QStringLiteral("id"), id); }

bool Element::hasAttribute(const QString& name) const {
    check();
    return d_->e.hasAttribute(name);
}

QString Element::getAttribute(const QString& name) const {
    check();
    return d_->e.attribute(name);
}

void Element::setAttribute(const QString& name, const QString& value) const {
    check();
    d_->e.setAttribute(name, value);
}

void Element::removeAttribute(const QString& name) const {
    check();
    d_->e.removeAttribute(name);
}

QStringList Element::attributeNames() const {
    check();
    return d_->e.attributeNames();
}

QString Element::innerHTML() const {
    check();
    return d_->e.toInnerXml();
}

void Element::setInnerHTML(const QString& html) const {
    check();
    d_->e.setInnerXml(html);
}

QString Element::outerHTML() const {
    check();
    return d_->e.toOuterXml();
}

void Element::setOuterHTML(const QString& html) const {
    check();
    d_->e.setOuterXml(html);
}

QString Element::innerText() const {
    check();
    return runText(d_->e, QStringLiteral("this.innerText"));
}

void Element::setInnerText(const QString& text) const {
    check();
    run(d_->e, QStringLiteral("this.innerText=%1").arg(scriptString(text)));
}

void Element::insertAdjacentHTML(const QString& where, const QString& html) const {
    check();
    static const QStringList places = {"beforebegin", "afterbegin", "beforeend", "afterend"};
    const QString w = where.toLower();
    if (!places.contains(w)) rt::raise(rt::InvalidProcedureCall, QStringLiteral("insertAdjacentHTML ") + where);
    run(d_->e, QStringLiteral("this.insertAdjacentHTML(%1,%2)").arg(scriptString(w), scriptString(html)));
}

void Element::appendChild(const Element& child) const {
    check();
    child.check();
    d_->e.appendInside(child.d_->e);
}

void Element::remove() const {
    check();
    d_->e.removeFromDocument();
}

void Element::removeChild(const Element& child) const {
    check();
    child.check();
    if (child.d_->e.parent() != d_->e) rt::raise(rt::InvalidProcedureCall, QStringLiteral("removeChild"));
    child.d_->e.removeFromDocument();
}

QString Element::value() const {
    check();
    return runText(d_->e, QStringLiteral("this.value===undefined?'':String(this.value)"));
}

void Element::setValue(const QString& value) const {
    check();
    run(d_->e, QStringLiteral("this.value=%1").arg(scriptString(value)));
}

namespace {

QString resolved(const QWebElement& e, const QString& attribute) {
    const QString raw = e.attribute(attribute);
    if (raw.isEmpty()) return QString();
    QString text = raw.trimmed();
    // The engine reads a backslash in an address as "/" (not in script and data addresses), so a
    // picture written "pifu\a.png" loads from the folder pifu: resolve it as the engine does.
    if (text.contains(QLatin1Char('\\')) && !text.startsWith(QLatin1String("javascript:"), Qt::CaseInsensitive) &&
        !text.startsWith(QLatin1String("data:"), Qt::CaseInsensitive))
        text.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QWebFrame* frame = e.webFrame();
    const QUrl base = frame ? frame->baseUrl() : QUrl();
    return addressText(base.resolved(QUrl(text)));
}

}  // namespace

QString Element::src() const {
    check();
    return d_->e.attribute(QStringLiteral("src"));
}

QString Element::srcResolved() const {
    check();
    return resolved(d_->e, QStringLiteral("src"));
}

void Element::setSrc(const QString& src) const { setAttribute(QStringLiteral("src"), src); }

QString Element::href() const {
    check();
    return d_->e.attribute(QStringLiteral("href"));
}

QString Element::hrefResolved() const {
    check();
    return resolved(d_->e, QStringLiteral("href"));
}

void Element::setHref(const QString& href) const { setAttribute(QStringLiteral("href"), href); }

QString Element::target() const {
    check();
    return d_->e.attribute(QStringLiteral("target"));
}

void Element::setTarget(const QString& target) const { setAttribute(QStringLiteral("target"), target); }

QString Element::styleCssText() const {
    check();
    return runText(d_->e, QStringLiteral("this.style?this.style.cssText:''"));
}

void Element::setStyleCssText(const QString& css) const {
    check();
    run(d_->e, QStringLiteral("if(this.style)this.style.cssText=%1").arg(scriptString(css)));
}

QString Element::styleProperty(const QString& name) const {
    check();
    return d_->e.styleProperty(name, QWebElement::InlineStyle);
}

void Element::setStyleProperty(const QString& name, const QString& value) const {
    check();
    d_->e.setStyleProperty(name, value);
}

QString Element::styleSheetText() const {
    check();
    return runText(d_->e, QStringLiteral("this.textContent"));
}

void Element::setStyleSheetText(const QString& css) const {
    check();
    run(d_->e, QStringLiteral("this.textContent=%1").arg(scriptString(css)));
}

int Element::offsetWidth() const {
    check();
    return runInt(d_->e, QStringLiteral("this.offsetWidth"));
}

int Element::offsetHeight() const {
    check();
    return runInt(d_->e, QStringLiteral("this.offsetHeight"));
}

int Element::offsetLeft() const {
    check();
    return runInt(d_->e, QStringLiteral("this.offsetLeft"));
}

int Element::offsetTop() const {
    check();
    return runInt(d_->e, QStringLiteral("this.offsetTop"));
}

int Element::naturalWidth() const {
    check();
    return runInt(d_->e, QStringLiteral("this.naturalWidth||0"));
}

int Element::naturalHeight() const {
    check();
    return runInt(d_->e, QStringLiteral("this.naturalHeight||0"));
}

QRect Element::boundingClientRect() const {
    check();
    const QVariantMap r =
        run(d_->e, QStringLiteral("(function(r){return {left:r.left,top:r.top,width:r.width,height:r.height};})"
                                  "(this.getBoundingClientRect())"))
            .toMap();
    return QRect(qRound(r.value(QStringLiteral("left")).toDouble()), qRound(r.value(QStringLiteral("top")).toDouble()),
                 qRound(r.value(QStringLiteral("width")).toDouble()), qRound(r.value(QStringLiteral("height")).toDouble()));
}

Element Element::parentElement() const {
    check();
    return ElementAccess::make(d_->e.parent(), d_->doc);
}

QList<Element> Element::children() const {
    check();
    QList<Element> out;
    for (QWebElement c = d_->e.firstChild(); !c.isNull(); c = c.nextSibling()) out.append(ElementAccess::make(c, d_->doc));
    return out;
}

QList<Element> Element::all() const {
    check();
    return toElements(d_->e.findAll(QStringLiteral("*")), d_->doc);
}

int Element::allCount() const {
    check();
    return d_->e.findAll(QStringLiteral("*")).count();
}

QList<Element> Element::getElementsByTagName(const QString& tag) const {
    check();
    if (tag == QLatin1String("*")) return all();
    if (!validTagName(tag)) return {};
    return toElements(d_->e.findAll(tag), d_->doc);
}

qint64 Element::fileSize() const {
    check();
    const QString address = resolved(d_->e, QStringLiteral("src"));
    if (address.isEmpty()) return -1;
    const QUrl url(address);
    if (url.isLocalFile()) {
        QFileInfo info(url.toLocalFile());
        return info.exists() ? info.size() : -1;
    }
    if (url.scheme() == QLatin1String("data")) {
        const QString text = url.toString(QUrl::FullyEncoded);
        const int comma = text.indexOf(QLatin1Char(','));
        if (comma < 0) return -1;
        const QByteArray payload = QByteArray::fromPercentEncoding(text.mid(comma + 1).toLatin1());
        return text.left(comma).endsWith(QLatin1String(";base64")) ? QByteArray::fromBase64(payload).size()
                                                                    : payload.size();
    }
    return recordedSize(address);
}

void Element::click() const {
    check();
    run(d_->e, QStringLiteral("this.click()"));
}

void Element::focus() const {
    check();
    d_->e.setFocus();
}

void Element::scrollIntoView() const {
    check();
    run(d_->e, QStringLiteral("this.scrollIntoView()"));
}

}  // namespace web
