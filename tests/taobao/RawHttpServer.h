#pragma once

#include <QList>
#include <QPointer>
#include <QSslServer>
#include <QTcpServer>
#include <QTcpSocket>

namespace fahuo::test {

// One request as it arrived on the wire.
struct RawRequest {
    QByteArray requestLine;  // "GET /p HTTP/1.1"
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;

    QByteArray Header(const QByteArray& name) const {
        for (const auto& [n, v] : headers) {
            if (n.compare(name, Qt::CaseInsensitive) == 0)
                return v;
        }
        return {};
    }
    bool HasHeader(const QByteArray& name) const {
        for (const auto& h : headers) {
            if (h.first.compare(name, Qt::CaseInsensitive) == 0)
                return true;
        }
        return false;
    }
};

// A loopback server that records raw requests and answers each with the next canned response
// (the last one repeats); with no response at all it never answers.
class RawHttpServer : public QObject {
  public:
    explicit RawHttpServer(QTcpServer* server = nullptr)
        : server_(server ? server : new QTcpServer(this)) {
        server_->setParent(this);
        auto take = [this] {
            while (QTcpSocket* s = server_->nextPendingConnection()) {
                sockets.append(s);
                connect(s, &QTcpSocket::readyRead, this, [this, s] { Read(s); });
                if (s->bytesAvailable() > 0)
                    Read(s);
            }
        };
        // A TLS server hands a connection over only once its handshake is done.
        connect(server_, &QTcpServer::newConnection, this, take);
        connect(server_, &QTcpServer::pendingConnectionAvailable, this, take);
        server_->listen(QHostAddress::LocalHost);
    }

    quint16 port() const { return server_->serverPort(); }
    QString Url(const QString& path = QStringLiteral("/")) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path);
    }

    static QByteArray Response(const QByteArray& body, const QByteArray& extraHeaders = {},
                               const QByteArray& status = "200 OK") {
        return "HTTP/1.1 " + status +
               "\r\nContent-Type: text/html\r\nContent-Length: " + QByteArray::number(body.size()) +
               "\r\n" + extraHeaders + "\r\n" + body;
    }

    QList<QByteArray> responses;
    QList<RawRequest> requests;
    QList<QPointer<QTcpSocket>> sockets;

  private:
    void Read(QTcpSocket* s) {
        QByteArray& buffer = buffers_[s];
        buffer += s->readAll();
        for (;;) {
            const qsizetype end = buffer.indexOf("\r\n\r\n");
            if (end < 0)
                return;
            RawRequest r;
            const QList<QByteArray> lines = buffer.left(end).split('\n');
            r.requestLine = lines.value(0).trimmed();
            for (qsizetype i = 1; i < lines.size(); ++i) {
                const qsizetype colon = lines[i].indexOf(':');
                if (colon > 0)
                    r.headers.append(
                        {lines[i].left(colon).trimmed(), lines[i].mid(colon + 1).trimmed()});
            }
            const qsizetype length = r.Header("Content-Length").toLongLong();
            if (buffer.size() < end + 4 + length)
                return;
            r.body = buffer.mid(end + 4, length);
            buffer.remove(0, end + 4 + length);
            requests.append(r);
            if (!responses.isEmpty()) {
                const qsizetype k = qMin<qsizetype>(requests.size(), responses.size()) - 1;
                s->write(responses[k]);
            }
        }
    }

    QTcpServer* server_;
    QHash<QTcpSocket*, QByteArray> buffers_;
};

}  // namespace fahuo::test
