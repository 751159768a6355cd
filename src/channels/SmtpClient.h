#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSslSocket>
#include <QString>
#include <functional>

#include "channels/MailMessage.h"
#include "platform/Clock.h"

namespace fahuo {

// Our SMTP client. It holds one connection from one connect to the next (a connect first ends the
// previous one with QUIT); nothing ends it after a send. Every exchange runs a local event loop
// that lets the window paint but takes no clicks, and every reply is awaited at most the reply
// wait, counted from the last data that went either way. STARTTLS is used whenever the server
// offers it and port 465 speaks TLS from the start; a certificate that does not check out fails
// the connect.
class SmtpClient : public QObject {
    Q_OBJECT
  public:
    explicit SmtpClient(Clock& clock, QObject* parent = nullptr);
    ~SmtpClient() override;

    // Logs in with EHLO and AUTH LOGIN (else AUTH PLAIN) when user and password are both given,
    // else greets with HELO. False with LastError() when it did not work.
    bool Connect(const QString& host, int port, const QString& user, const QString& password,
                 int replyWaitMs);
    QString LastError() const { return lastError_; }
    bool IsConnected() const;

    // An attachment with an empty name is left out.
    void AddAttachment(const QByteArray& data, const QString& name);
    void ClearAttachments() { attachments_.clear(); }

    // Sends one mail over the held connection; an empty text on success, else what went wrong.
    QString Send(const QString& subject, const QString& body, const QString& recipient,
                 const QString& senderAddress, const QString& senderName);

  private:
    enum class Awaited { Done, TimedOut, Closed, Failed };
    struct Reply {
        int code = 0;
        QList<QByteArray> lines;  // without the code and its separator
        QByteArray Text() const;
    };

    Awaited Await(const std::function<bool()>& done);
    Awaited AwaitReply(Reply* reply);
    bool TakeReply(Reply* reply);
    // Writes a command and awaits its reply; false with lastError_ set on time-out, a dropped
    // connection or a reply not in `accepted`.
    bool Command(const QByteArray& line, QList<int> accepted, Reply* reply, const QString& refusal);
    QString FailureText(Awaited awaited) const;
    bool Greet(const QString& user, const QString& password);
    bool StartTls();
    QByteArray LocalName() const;
    void EndHeldConnection();
    void DropConnection();

    Clock& clock_;
    QPointer<QSslSocket> socket_;
    QByteArray received_;
    QString lastError_;
    QString tlsError_;
    int replyWaitMs_ = 1;
    bool busy_ = false;
    QList<MailAttachment> attachments_;
};

}  // namespace fahuo
