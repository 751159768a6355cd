#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTcpServer>
#include <QTemporaryDir>
#include <memory>

namespace fahuo::test {

// The SMTP server the tests send to: the one ./test started (FAHUO_SMTP_*), or an instance of
// scripts/smtp-server.py of the test's own, in a mode of its choosing.
struct MailServer {
    QString host = QStringLiteral("127.0.0.1");
    int port = 0;
    QString maildir;
};

class OwnMailServer {
  public:
    OwnMailServer() = default;
    ~OwnMailServer();
    // Starts scripts/smtp-server.py with the extra arguments; port 0 picks a free one.
    bool Start(const QStringList& arguments = {}, int port = 0);
    void Stop();
    MailServer Server() const { return server_; }
    QString Log() const { return log_; }

  private:
    QTemporaryDir dir_;
    std::unique_ptr<QProcess> process_;
    MailServer server_;
    QString log_;
};

// The ./test server, or an own one when a developer runs the test by hand.
MailServer SharedMailServer(OwnMailServer& fallback);

int FreePort();
QString TlsPath(const QString& file);  // tests/channels/tls/<file>

// A unique recipient for one case, so a shared maildir finds the case's mail.
QString UniqueRecipient(const QString& tag);
// The saved mail of a recipient ("" when none) and its envelope (the .json beside it).
QString MailFileFor(const MailServer& server, const QString& recipient);
QJsonObject Envelope(const QString& mailFile);
// The mail as Python's MIME parser reads it (tests/channels/check-mail.py).
QJsonObject ParseMail(const QString& mailFile);

// A server that speaks just enough SMTP to fail in one chosen way.
class ScriptedSmtpServer : public QTcpServer {
    Q_OBJECT
  public:
    enum class Fault {
        NoGreeting,        // accepts the connection and says nothing
        DropsInData,       // closes the connection while the message comes in
        SilentAfterData,   // takes the message and never answers it
        OnlyPlainAuth,     // offers AUTH PLAIN only; records what it was sent
        RejectsRecipient,  // refuses RCPT TO with 550
    };
    Q_ENUM(Fault)
    explicit ScriptedSmtpServer(Fault fault);
    int Port() const { return serverPort(); }
    QByteArray received;  // everything the client sent

  private:
    void Serve(QTcpSocket* socket);
    Fault fault_;
    bool inData_ = false;
    int loginLines_ = 0;
};

}  // namespace fahuo::test
