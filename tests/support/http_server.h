#pragma once
// A loopback HTTP server for tests: listens on 127.0.0.1 at a random port inside the test process,
// serves the HTML fixtures of tests/pages and any route a test adds (redirects, slow or held
// replies, downloads, error codes), and records every request with its headers.
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <QUrl>

#include <functional>

class QTcpSocket;

class TestHttpServer : public QObject {
    Q_OBJECT
public:
    struct Request {
        QByteArray method;
        QString path;                       // path and query as sent, e.g. "/pages/a.html?x=1"
        QMap<QByteArray, QByteArray> headers;  // names in lower case
        QByteArray body;
        QByteArray header(const QByteArray& name) const { return headers.value(name.toLower()); }
        bool hasHeader(const QByteArray& name) const { return headers.contains(name.toLower()); }
    };
    struct Response {
        int status = 200;
        QList<QPair<QByteArray, QByteArray>> headers;  // sent as given
        QByteArray body;
        int delayMs = 0;                    // the reply is sent after this delay
        bool held = false;                  // the reply waits for release(path), however long it takes
    };

    // Serves files of `pagesDir` (tests/pages by default) under "/pages/".
    explicit TestHttpServer(const QString& pagesDir = QString(), QObject* parent = nullptr);
    ~TestHttpServer() override;

    quint16 port() const;
    // The address of `path` on this server ("/pages/a.html" -> "http://127.0.0.1:port/pages/a.html").
    QUrl url(const QString& path) const;
    QString urlText(const QString& path) const { return url(path).toString(); }

    // Routes match the path without its query; a route wins over a fixture file.
    void addRoute(const QString& path, const Response& response);
    void addPage(const QString& path, const QByteArray& html, const QByteArray& contentType = "text/html");
    void addRedirect(const QString& path, const QString& location, int status = 302);
    void addDownload(const QString& path, const QByteArray& data, const QString& fileName,
                     const QByteArray& contentType = "application/octet-stream");
    void addError(const QString& path, int status, const QByteArray& body = QByteArray());
    void addSlowPage(const QString& path, const QByteArray& html, int delayMs);

    // Sends the held replies to the requests for `path` so far.
    void release(const QString& path);

    const QList<Request>& requests() const { return requests_; }
    QList<Request> requestsFor(const QString& pathWithoutQuery) const;
    void clearRequests() { requests_.clear(); }

signals:
    void requestReceived(const QString& path);

private:
    void onNewConnection();
    void onReadyRead(QTcpSocket* socket);
    void respond(QTcpSocket* socket, const Request& request);
    Response fixture(const QString& path) const;

    QTcpServer server_;
    QString pagesDir_;
    QHash<QString, Response> routes_;
    QList<Request> requests_;
    QHash<QTcpSocket*, QByteArray> buffers_;
    QHash<QString, QList<std::function<void()>>> held_;  // by path without its query
};
