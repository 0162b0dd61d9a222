#pragma once
// The benchmark's web server: listens on 127.0.0.1 at a free port, serves the pages of its table
// (anything else is a 404), and records every request with the time it arrived on the runner's clock.
// Replies are never cached and close their connection.
#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QTcpServer>

class QTcpSocket;

class LoopbackServer : public QObject {
    Q_OBJECT
public:
    struct Request {
        QString path;   // without the query
        QString query;  // after "?", empty when there is none
        double atMs;    // arrival on the clock given to the server
    };

    explicit LoopbackServer(const QElapsedTimer& clock, QObject* parent = nullptr);
    ~LoopbackServer() override;

    bool listening() const { return server_.isListening(); }
    // "http://127.0.0.1:<port><path>"
    QString url(const QString& path) const;

    void addPage(const QString& path, const QByteArray& body, const QByteArray& contentType = "text/html");

    const QList<Request>& requests() const { return requests_; }
    void clearRequests() { requests_.clear(); }

signals:
    void requestReceived();

private:
    void onReadyRead(QTcpSocket* socket);

    const QElapsedTimer& clock_;
    QTcpServer server_;
    struct Page {
        QByteArray body;
        QByteArray contentType;
    };
    QHash<QString, Page> pages_;
    QList<Request> requests_;
    QHash<QTcpSocket*, QByteArray> buffers_;
};
