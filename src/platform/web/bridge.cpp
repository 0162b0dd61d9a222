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

PageEventHandler& pageEventHandler() {
    static PageEventHandler handler;
    return handler;
}

FrameHandler& rewriteHandler() {
    static FrameHandler handler;
    return handler;
}

FrameHandler& arrivalHandler() {
    static FrameHandler handler;
    return handler;
}

// A window property name that no page can guess, new for every use.
QString secretName() {
    return QStringLiteral("__zv%1").arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0'));
}

// The listener of one window. It runs when the window is made, before any script of the page: it takes
// the link into its closure and deletes the name at once, and it keeps the engine's own accessors and
// functions of what it reads and calls, so a page that later replaces them on the prototypes changes
// nothing here. Strict code: a page function it may still come across cannot climb to it through
// `caller`.
// - It reports the document's arrival (parsed; pictures may still be loading): at once when the
//   document is past loading, else at DOMContentLoaded.
// - A page that rewrites its document (document.open, also by a late document.write) loses every
//   listener of its window and document: an observer of the document's own children, which that
//   rewrite does not remove, adds them again (adding a listener twice adds it once) and tells the
//   program that the document has a new root.
// %1 is the link's name, %2 the number of this window.
const char* const kListener = R"JS((function(){'use strict';
var B=window[%1];delete window[%1];if(!B)return;
var W=%2,call=Function.prototype.call,protoOf=Object.getPrototypeOf,describe=Object.getOwnPropertyDescriptor,
 blank=Object.create,doc=document,addW=call.bind(window.addEventListener),addD=call.bind(doc.addEventListener);
function accessor(proto,key){for(var p=proto;p;p=protoOf(p)){var d=describe(p,key);if(d)return d.get?call.bind(d.get):null;}return null;}
function first(list,x){for(var i=0;i<list.length;i++){if(list[i]){try{return list[i](x);}catch(err){}}}return undefined;}
var E=Event.prototype,M=MouseEvent.prototype,K=KeyboardEvent.prototype,N=Node.prototype;
var own=describe(new Event('zv'),'isTrusted');
var trusted=[own&&own.get?call.bind(own.get):accessor(E,'isTrusted')],target=[accessor(E,'target')],
 nodeType=[accessor(N,'nodeType')],parent=[accessor(N,'parentNode')],root=[accessor(Document.prototype,'documentElement')],
 ready=[accessor(Document.prototype,'readyState')],
 button=[accessor(M,'button')],buttons=[accessor(M,'buttons')],clientX=[accessor(M,'clientX')],
 clientY=[accessor(M,'clientY')],screenX=[accessor(M,'screenX')],screenY=[accessor(M,'screenY')],
 keyCode=[accessor(K,'keyCode')],altKey=[accessor(M,'altKey'),accessor(K,'altKey')],
 ctrlKey=[accessor(M,'ctrlKey'),accessor(K,'ctrlKey')],shiftKey=[accessor(M,'shiftKey'),accessor(K,'shiftKey')],
 wheelDelta=[accessor(WheelEvent.prototype,'wheelDelta')],prevent=call.bind(E.preventDefault);
var down=0,onWindow=[],onDocument=[],last=first(root,doc);
function bit(b){return b===0?1:(b===1?4:(b===2?2:0));}
function num(v){return typeof v==='number'?v|0:0;}
function user(e){return first(trusted,e)===true;}
function send(t,e,n){
 if(!n){n=first(target,e);while(n&&first(nodeType,n)!==1)n=first(parent,n);}
 if(!n)n=first(root,doc);
 var held=first(buttons,e);held=typeof held==='number'?(held&7):down;
 var f=blank(null);
 f.clientX=num(first(clientX,e));f.clientY=num(first(clientY,e));
 f.screenX=num(first(screenX,e));f.screenY=num(first(screenY,e));
 f.button=(t==='mousemove'||t==='mouseover')?held:
  ((t==='mousedown'||t==='click'||t==='dblclick'||t==='contextmenu'||t==='dragstart')?bit(first(button,e)):0);
 f.keyCode=num(first(keyCode,e));f.altKey=first(altKey,e)===true;f.ctrlKey=first(ctrlKey,e)===true;
 f.shiftKey=first(shiftKey,e)===true;f.wheelDelta=num(first(wheelDelta,e));
 if(B.dispatch(W,t,n,f)===false&&t!=='mousedown')prevent(e);
}
function sender(t){return function(e){if(user(e))send(t,e);};}
function listen(){
 for(var i=0;i<onWindow.length;i++)addW(window,onWindow[i][0],onWindow[i][1],true);
 for(var j=0;j<onDocument.length;j++)addD(doc,onDocument[j][0],onDocument[j][1],true);
}
onWindow[0]=['mousedown',function(e){if(user(e)){down|=bit(first(button,e));send('mousedown',e);}}];
onWindow[1]=['mouseup',function(e){if(user(e))down&=~bit(first(button,e));}];
var types=['click','dblclick','keydown','mouseover','mousemove','contextmenu','dragstart','selectstart','mousewheel'];
for(var i=0;i<types.length;i++)onWindow[onWindow.length]=[types[i],sender(types[i])];
onDocument[0]=['selectionchange',function(e){if(user(e))send('selectionchange',e,first(root,doc));}];
onDocument[1]=['DOMContentLoaded',function(){B.arrived(W);}];
listen();
try{new MutationObserver(function(){
 listen();
 var r=first(root,doc);
 if(r){if(last&&r!==last)B.rewritten(W);last=r;}
}).observe(doc,{childList:true});}catch(err){}
if(first(ready,doc)!=='loading')B.arrived(W);
})();)JS";

// Runs a program expression with the catcher reachable for that one evaluation: the script takes it and
// deletes the name before the expression runs. %1 is the catcher's name, %2 the expression.
const char* const kCatch =
    "(function(){'use strict';var C=window[%1];delete window[%1];var e=(%2);if(e&&e.nodeType===1)C.capture(e);"
    "return true;})()";

ElementCatcher* catcher() {
    static ElementCatcher* instance = new ElementCatcher;
    return instance;
}

}  // namespace

void setPageEventHandler(PageEventHandler handler) { pageEventHandler() = std::move(handler); }

void setRewriteHandler(FrameHandler handler) { rewriteHandler() = std::move(handler); }

void setArrivalHandler(FrameHandler handler) { arrivalHandler() = std::move(handler); }

FrameLink::FrameLink(QWebFrame* frame) : QObject(frame), frame_(frame) {}

FrameLink* FrameLink::of(QWebFrame* frame) {
    auto* link = frame->findChild<FrameLink*>(QString(), Qt::FindDirectChildrenOnly);
    return link ? link : new FrameLink(frame);
}

bool FrameLink::dispatch(int window, const QString& type, const QWebElement& target, const QVariantMap& fields) {
    // Only the listener of the frame's current window speaks for it, and only about its own elements.
    if (window != window_ || target.isNull() || target.webFrame() != frame_) return true;
    const PageEventHandler handler = pageEventHandler();
    if (!handler) return true;
    // The handler may destroy the browser, the frame and this link with it: nothing here is read after.
    QWebFrame* frame = frame_;
    bool proceed = true;
    callSafely([&] { proceed = handler(frame, type, target, fields); });
    return proceed;
}

void FrameLink::arrived(int window) { notify(window, arrivalHandler()); }

void FrameLink::rewritten(int window) { notify(window, rewriteHandler()); }

void FrameLink::notify(int window, const FrameHandler& handler) {
    if (window != window_ || !handler) return;
    QWebFrame* frame = frame_;
    callSafely([&] { handler(frame); });
}

void ElementCatcher::capture(const QWebElement& element) { caught_ = element; }

QWebElement ElementCatcher::take() {
    QWebElement e = caught_;
    caught_ = QWebElement();
    return e;
}

void installListener(QWebFrame* frame) {
    if (!frame) return;
    FrameLink* link = FrameLink::of(frame);
    const int window = link->renew();
    const QString name = secretName();
    frame->addToJavaScriptWindowObject(name, link);
    frame->evaluateJavaScript(QString::fromLatin1(kListener).arg(scriptString(name)).arg(window));
}

void ensureWindow(QWebFrame* frame) {
    // Any evaluation makes the window; the engine then reports it cleared, before this script runs.
    if (frame) frame->evaluateJavaScript(QStringLiteral("void 0"));
}

QWebElement scriptElement(QWebFrame* frame, const QString& expression) {
    if (!frame) return QWebElement();
    ElementCatcher* c = catcher();
    c->take();
    const QString raw = secretName();
    const QString name = scriptString(raw);
    frame->addToJavaScriptWindowObject(raw, c);
    const QVariant ran = frame->evaluateJavaScript(QString::fromLatin1(kCatch).arg(name, expression));
    // A script that did not even start left the name behind: it goes before any page script can run.
    if (ran.toBool() != true) frame->evaluateJavaScript(QStringLiteral("delete window[%1]").arg(name));
    return c->take();
}

}  // namespace web
