#include "platform/web/bridge.h"

#include "platform/web/callsafely.h"

#include <QJsonDocument>
#include <QRandomGenerator>
#include <QVariantList>
#include <QWebFrame>

namespace web {

QString scriptString(const QString& text) {
    // A JSON string is a valid script string once the two line separators are escaped too.
    QString json = QString::fromUtf8(QJsonDocument::fromVariant(QVariantList{text}).toJson(QJsonDocument::Compact));
    json = json.mid(1, json.size() - 2);
    json.replace(QChar(0x2028), QStringLiteral("\\u2028"));
    json.replace(QChar(0x2029), QStringLiteral("\\u2029"));
    return json;
}

namespace {

QString listenerScript() {
    const QString b = Bridge::name();
    return QStringLiteral(
               "(function(){"
               "var B=window.%1;if(!B||window.%1_hooked)return;window.%1_hooked=true;"
               "var down=0;"
               "function bit(b){return b==0?1:(b==1?4:(b==2?2:0));}"
               "function send(t,e,n){"
               " n=n||e.target;while(n&&n.nodeType!=1)n=n.parentNode;if(!n)n=document.documentElement;"
               " var held=(typeof e.buttons=='number')?(e.buttons&7):down;"
               " var btn=(t=='mousemove'||t=='mouseover')?held:"
               "  ((t=='click'||t=='dblclick'||t=='contextmenu'||t=='dragstart')?bit(e.button):0);"
               " var f={clientX:e.clientX|0,clientY:e.clientY|0,screenX:e.screenX|0,screenY:e.screenY|0,"
               "  button:btn,keyCode:e.keyCode|0,altKey:!!e.altKey,ctrlKey:!!e.ctrlKey,shiftKey:!!e.shiftKey,"
               "  wheelDelta:e.wheelDelta|0};"
               " if(B.dispatch(t,n,f)===false)e.preventDefault();"
               "}"
               "window.addEventListener('mousedown',function(e){down|=bit(e.button);},true);"
               "window.addEventListener('mouseup',function(e){down&=~bit(e.button);},true);"
               "['click','dblclick','keydown','mouseover','mousemove','contextmenu','dragstart','selectstart',"
               "'mousewheel'].forEach(function(t){window.addEventListener(t,function(e){send(t,e);},true);});"
               "document.addEventListener('selectionchange',function(e){send('selectionchange',e,"
               "document.documentElement);},true);"
               "})();")
        .arg(b);
}

}  // namespace

Bridge* Bridge::instance() {
    static Bridge* bridge = new Bridge;
    return bridge;
}

QString Bridge::name() {
    static const QString n = QStringLiteral("__zv%1").arg(QRandomGenerator::global()->generate() % 1000000000u);
    return n;
}

void Bridge::capture(const QWebElement& element) { captured_ = element; }

QWebElement Bridge::takeCaptured() {
    QWebElement e = captured_;
    captured_ = QWebElement();
    return e;
}

bool Bridge::dispatch(const QString& type, const QWebElement& target, const QVariantMap& fields) {
    if (!handler_) return true;
    EventHandler handler = handler_;
    bool proceed = true;
    callSafely([&] { proceed = handler(type, target, fields); });
    return proceed;
}

void ensureHooks(QWebFrame* frame) {
    static bool busy = false;
    if (!frame || busy) return;
    busy = true;
    frame->addToJavaScriptWindowObject(Bridge::name(), Bridge::instance());
    frame->evaluateJavaScript(listenerScript());
    busy = false;
}

QWebElement scriptElement(QWebFrame* frame, const QString& expression) {
    if (!frame) return QWebElement();
    ensureHooks(frame);
    Bridge::instance()->takeCaptured();
    frame->evaluateJavaScript(
        QStringLiteral("(function(){var e=(%1);if(e&&e.nodeType==1)window.%2.capture(e);})()").arg(expression, Bridge::name()));
    return Bridge::instance()->takeCaptured();
}

}  // namespace web
