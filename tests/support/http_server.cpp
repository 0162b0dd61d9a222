#include "support/http_server.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

namespace {

QByteArray reasonPhrase(int status) {
    switch (status) {
    case 200: return "OK";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 303: return "See Other";
    case 307: return "Temporary Redirect";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    case 503: return "Service Unavailable";
    default: return "Status";
    }
}

QByteArray contentTypeFor(const QString& fileName) {
    const QString ext = QFileInfo(fileName).suffix().toLower();
    if (ext == "html" || ext == "htm") return "text/html";
    if (ext == "png") return "image/png";
    if (ext == "gif") return "image/gif";
    if (ext == "jpg" || ext == "jpeg") return "image/jpeg";
    if (ext == "css") return "text/css";
    if (ext == "js") return "application/javascript";
    if (ext == "txt") return "text/plain";
    return "application/octet-stream";
}

}  // namespace

TestHttpServer::TestHttpServer(const QString& pagesDir, QObject* parent) : QObject(parent) {
#ifdef ZV_TEST_PAGES
    pagesDir_ = pagesDir.isEmpty() ? QString::fromUtf8(ZV_TEST_PAGES) : pagesDir;
#else
    pagesDir_ = pagesDir;
#endif
    connect(&server_, &QTcpServer::newConnection, this, &TestHttpServer::onNewConnection);
    server_.listen(QHostAddress::LocalHost, 0);
}

TestHttpServer::~TestHttpServer() {
    // Open connections are deleted with the listening socket; their signals must not reach this
    // half-destroyed server.
    for (QTcpSocket* socket : server_.findChildren<QTcpSocket*>()) socket->disconnect(this);
    server_.close();
}

quint16 TestHttpServer::port() const { return server_.serverPort(); }

QUrl TestHttpServer::url(const QString& path) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path));
}

void TestHttpServer::addRoute(const QString& path, const Response& response) { routes_.insert(path, response); }

void TestHttpServer::addPage(const QString& path, const QByteArray& html, const QByteArray& contentType) {
    Response r;
    r.headers.append(qMakePair(QByteArray("Content-Type"), QByteArray(contentType)));
    r.body = html;
    addRoute(path, r);
}

void TestHttpServer::addRedirect(const QString& path, const QString& location, int status) {
    Response r;
    r.status = status;
    r.headers.append(qMakePair(QByteArray("Location"), QByteArray(location.toUtf8())));
    addRoute(path, r);
}

void TestHttpServer::addDownload(const QString& path, const QByteArray& data, const QString& fileName,
                                 const QByteArray& contentType) {
    Response r;
    r.headers.append(qMakePair(QByteArray("Content-Type"), QByteArray(contentType)));
    r.headers.append(qMakePair(QByteArray("Content-Disposition"), QByteArray("attachment; filename=\"" + fileName.toUtf8() + "\"")));
    r.body = data;
    addRoute(path, r);
}

void TestHttpServer::addError(const QString& path, int status, const QByteArray& body) {
    Response r;
    r.status = status;
    r.headers.append(qMakePair(QByteArray("Content-Type"), QByteArray("text/html")));
    r.body = body;
    addRoute(path, r);
}

void TestHttpServer::addSlowPage(const QString& path, const QByteArray& html, int delayMs) {
    Response r;
    r.headers.append(qMakePair(QByteArray("Content-Type"), QByteArray("text/html")));
    r.body = html;
    r.delayMs = delayMs;
    addRoute(path, r);
}

QList<TestHttpServer::Request> TestHttpServer::requestsFor(const QString& pathWithoutQuery) const {
    QList<Request> out;
    for (const Request& r : requests_) {
        if (r.path.section('?', 0, 0) == pathWithoutQuery) out.append(r);
    }
    return out;
}

void TestHttpServer::onNewConnection() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            buffers_.remove(socket);
            socket->deleteLater();
        });
    }
}

void TestHttpServer::onReadyRead(QTcpSocket* socket) {
    QByteArray& buffer = buffers_[socket];
    buffer += socket->readAll();
    for (;;) {
        const int headerEnd = buffer.indexOf("\r\n\r\n");
        if (headerEnd < 0) return;
        const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
        Request request;
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        request.method = first.value(0);
        request.path = QString::fromUtf8(first.value(1));
        for (int i = 1; i < lines.size(); ++i) {
            const QByteArray line = lines[i].trimmed();
            const int colon = line.indexOf(':');
            if (colon <= 0) continue;
            request.headers.insert(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
        }
        const int length = request.header("content-length").toInt();
        if (buffer.size() < headerEnd + 4 + length) return;
        request.body = buffer.mid(headerEnd + 4, length);
        buffer.remove(0, headerEnd + 4 + length);
        requests_.append(request);
        emit requestReceived(request.path.section('?', 0, 0));
        respond(socket, request);
    }
}

TestHttpServer::Response TestHttpServer::fixture(const QString& path) const {
    Response r;
    const QString prefix = QStringLiteral("/pages/");
    QString local;
    if (path.startsWith(prefix)) local = QDir(pagesDir_).filePath(QUrl::fromPercentEncoding(path.mid(prefix.size()).toUtf8()));
    QFile file(local);
    if (local.isEmpty() || local.contains("..") || !file.open(QIODevice::ReadOnly)) {
        r.status = 404;
        r.headers.append(qMakePair(QByteArray("Content-Type"), QByteArray("text/html")));
        r.body = "<html><body>not found</body></html>";
        return r;
    }
    r.headers.append(qMakePair(QByteArray("Content-Type"), QByteArray(contentTypeFor(local))));
    r.body = file.readAll();
    return r;
}

void TestHttpServer::respond(QTcpSocket* socket, const Request& request) {
    const QString bare = request.path.section('?', 0, 0);
    const Response response = routes_.contains(bare) ? routes_.value(bare) : fixture(bare);
    QByteArray out = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + reasonPhrase(response.status) + "\r\n";
    for (const auto& h : response.headers) out += h.first + ": " + h.second + "\r\n";
    out += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    out += "Connection: close\r\n\r\n";
    if (request.method != "HEAD") out += response.body;
    QPointer<QTcpSocket> guard(socket);
    auto send = [guard, out] {
        if (!guard) return;
        guard->write(out);
        guard->disconnectFromHost();
    };
    if (response.held)
        held_[bare].append(send);
    else if (response.delayMs > 0)
        QTimer::singleShot(response.delayMs, this, send);
    else
        send();
}

void TestHttpServer::release(const QString& path) {
    for (const auto& send : held_.take(path)) send();
}
