#include "MailServers.h"

#include <QDir>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QUuid>

#include "support/TestPaths.h"

namespace fahuo::test {

int FreePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

QString TlsPath(const QString& file) {
    return SourcePath(QStringLiteral("tests/channels/tls/") + file);
}

OwnMailServer::~OwnMailServer() {
    Stop();
}

bool OwnMailServer::Start(const QStringList& arguments, int port) {
    server_.port = port ? port : FreePort();
    server_.maildir = dir_.path() + QStringLiteral("/mail");
    QDir().mkpath(server_.maildir);
    process_ = std::make_unique<QProcess>();
    process_->setProcessChannelMode(QProcess::MergedChannels);
    process_->start(
        QStringLiteral("/usr/bin/python3"),
        QStringList{SourcePath(QStringLiteral("scripts/smtp-server.py")), QStringLiteral("--port"),
                    QString::number(server_.port), QStringLiteral("--maildir"), server_.maildir} +
            arguments);
    // The server says "ready" once it listens.
    while (process_->waitForReadyRead(10000)) {
        log_ += QString::fromUtf8(process_->readAll());
        if (log_.contains(QStringLiteral("ready")))
            return true;
    }
    log_ += QString::fromUtf8(process_->readAll());
    return false;
}

void OwnMailServer::Stop() {
    if (!process_)
        return;
    process_->terminate();
    if (!process_->waitForFinished(5000)) {
        process_->kill();
        process_->waitForFinished();
    }
    process_.reset();
}

MailServer SharedMailServer(OwnMailServer& fallback) {
    const QString host = qEnvironmentVariable("FAHUO_SMTP_HOST");
    const int port = qEnvironmentVariableIntValue("FAHUO_SMTP_PORT");
    const QString maildir = qEnvironmentVariable("FAHUO_SMTP_MAILDIR");
    if (!host.isEmpty() && port > 0 && !maildir.isEmpty())
        return {host, port, maildir};
    if (!fallback.Start())
        qFatal("cannot start scripts/smtp-server.py: %s", qPrintable(fallback.Log()));
    return fallback.Server();
}

QString UniqueRecipient(const QString& tag) {
    return QStringLiteral("buyer-%1-%2@example.com")
        .arg(tag, QUuid::createUuid().toString(QUuid::Id128).left(12));
}

QString MailFileFor(const MailServer& server, const QString& recipient) {
    QString stem = recipient;
    stem.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9@._+-]")), QStringLiteral("_"));
    const QStringList files = QDir(server.maildir)
                                  .entryList({QStringLiteral("*-") + stem + QStringLiteral(".eml")},
                                             QDir::Files, QDir::Name);
    return files.isEmpty() ? QString() : server.maildir + QLatin1Char('/') + files.last();
}

QJsonObject Envelope(const QString& mailFile) {
    QFile file(mailFile.left(mailFile.size() - 4) + QStringLiteral(".json"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

QJsonObject ParseMail(const QString& mailFile) {
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {SourcePath(QStringLiteral("tests/channels/check-mail.py")), mailFile});
    if (!python.waitForFinished(30000) || python.exitCode() != 0) {
        qWarning("check-mail.py: %s", python.readAllStandardError().constData());
        return {};
    }
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

ScriptedSmtpServer::ScriptedSmtpServer(Fault fault) : fault_(fault) {
    listen(QHostAddress::LocalHost, 0);
    connect(this, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = nextPendingConnection())
            Serve(socket);
    });
}

void ScriptedSmtpServer::Serve(QTcpSocket* socket) {
    if (fault_ == Fault::NoGreeting)
        return;
    socket->write("220 scripted ESMTP\r\n");
    connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
        while (socket->canReadLine() || (inData_ && socket->bytesAvailable())) {
            if (inData_) {
                const QByteArray chunk = socket->readAll();
                received += chunk;
                if (fault_ == Fault::DropsInData) {
                    socket->abort();
                    return;
                }
                continue;  // SilentAfterData: swallow everything
            }
            const QByteArray line = socket->readLine();
            received += line;
            const QByteArray command = line.trimmed().toUpper();
            if (command.startsWith("EHLO"))
                socket->write(fault_ == Fault::OnlyPlainAuth
                                  ? "250-scripted\r\n250-AUTH PLAIN\r\n250 8BITMIME\r\n"
                                  : "250-scripted\r\n250 AUTH LOGIN PLAIN\r\n");
            else if (command.startsWith("HELO") || command.startsWith("MAIL") ||
                     command.startsWith("RSET"))
                socket->write("250 OK\r\n");
            else if (command.startsWith("AUTH PLAIN"))
                socket->write("235 OK\r\n");
            else if (command.startsWith("AUTH LOGIN")) {
                socket->write("334 VXNlcm5hbWU6\r\n");
                loginLines_ = 2;
            } else if (command.startsWith("RCPT"))
                socket->write(fault_ == Fault::RejectsRecipient ? "550 no such user\r\n"
                                                                : "250 OK\r\n");
            else if (command == "DATA") {
                socket->write("354 go ahead\r\n");
                inData_ = true;
            } else if (command == "QUIT") {
                socket->write("221 bye\r\n");
                socket->disconnectFromHost();
                return;
            } else if (loginLines_ > 0) {
                // The user and password lines of AUTH LOGIN.
                socket->write(--loginLines_ ? "334 UGFzc3dvcmQ6\r\n" : "235 OK\r\n");
            } else
                socket->write("500 unknown\r\n");
        }
    });
}

}  // namespace fahuo::test
