#include "loopback.h"

#include <QTcpSocket>

LoopbackServer::LoopbackServer(const QElapsedTimer& clock, QObject* parent) : QObject(parent), clock_(clock) {
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
            connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                buffers_.remove(socket);
                socket->deleteLater();
            });
        }
    });
    server_.listen(QHostAddress::LocalHost, 0);
}

LoopbackServer::~LoopbackServer() {
    for (QTcpSocket* socket : server_.findChildren<QTcpSocket*>()) socket->disconnect(this);
    server_.close();
}

QString LoopbackServer::url(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path);
}

void LoopbackServer::addPage(const QString& path, const QByteArray& body, const QByteArray& contentType) {
    pages_.insert(path, Page{body, contentType});
}

void LoopbackServer::onReadyRead(QTcpSocket* socket) {
    // One request a connection: the reply closes it.
    QByteArray& buffer = buffers_[socket];
    buffer += socket->readAll();
    {
        const int headerEnd = buffer.indexOf("\r\n\r\n");
        if (headerEnd < 0) return;
        const double at = clock_.nsecsElapsed() / 1e6;
        const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        const QByteArray method = first.value(0);
        const QString target = QString::fromUtf8(first.value(1));
        int length = 0;
        for (int i = 1; i < lines.size(); ++i) {
            const QByteArray line = lines[i].trimmed();
            if (line.toLower().startsWith("content-length:")) length = line.mid(15).trimmed().toInt();
        }
        if (buffer.size() < headerEnd + 4 + length) return;
        buffers_.remove(socket);

        Request request{target.section(QLatin1Char('?'), 0, 0), target.section(QLatin1Char('?'), 1), at};
        requests_.append(request);

        const auto page = pages_.constFind(request.path);
        const bool found = page != pages_.constEnd();
        const QByteArray body = found ? page->body : QByteArray("<html><body>not found</body></html>");
        QByteArray out = found ? "HTTP/1.1 200 OK\r\n" : "HTTP/1.1 404 Not Found\r\n";
        out += "Content-Type: " + (found ? page->contentType : QByteArray("text/html")) + "\r\n";
        out += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
        out += "Cache-Control: no-store\r\nConnection: close\r\n\r\n";
        if (method != "HEAD") out += body;
        socket->write(out);
        socket->disconnectFromHost();
        emit requestReceived();
    }
}
