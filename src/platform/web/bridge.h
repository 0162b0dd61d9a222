#pragma once
// The bridge through which listeners injected into every document reach the program (web layer
// internal): one object that the listeners call synchronously with the event's type, its element and
// its fields; a false answer cancels the page's default action. It also carries elements out of
// script expressions.
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <QWebElement>

#include <functional>

class QWebFrame;

namespace web {

class Bridge : public QObject {
    Q_OBJECT
public:
    static Bridge* instance();
    static QString name();
    QWebElement takeCaptured();

    // Receives every event the listeners report; returns false to cancel the default action. Set
    // by the document sinks (events proceed while none is set).
    using EventHandler = std::function<bool(const QString& type, const QWebElement& target, const QVariantMap& fields)>;
    void setEventHandler(EventHandler handler) { handler_ = std::move(handler); }

public slots:
    bool dispatch(const QString& type, const QWebElement& target, const QVariantMap& fields);
    void capture(const QWebElement& element);

private:
    QWebElement captured_;
    EventHandler handler_;
};

// Puts the bridge object and the event listeners into the frame's current document (idempotent).
void ensureHooks(QWebFrame* frame);
// Evaluates a script expression in the frame and returns the element it yields (null when none).
QWebElement scriptElement(QWebFrame* frame, const QString& expression);
// A script string literal holding `text`.
QString scriptString(const QString& text);

}  // namespace web
