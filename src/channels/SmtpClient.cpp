#include "channels/SmtpClient.h"

#include <QEventLoop>
#include <QHostAddress>
#include <QHostInfo>
#include <QTimer>

namespace fahuo {
namespace {

const QString kTimedOut = QStringLiteral("接收数据超时!");
const QString kNotConnected = QStringLiteral("未连接到SMTP服务器!");
const QString kConnectionLost = QStringLiteral("与SMTP服务器的连接已断开!");
const QString kBusy = QStringLiteral("邮件客户端正在发送另一封信!");

QList<QByteArray> Extensions(const QList<QByteArray>& ehloLines) {
    QList<QByteArray> words;
    for (const QByteArray& line : ehloLines)
        words.append(line.trimmed().toUpper());
    return words;
}

bool Offers(const QList<QByteArray>& extensions, const QByteArray& keyword) {
    for (const QByteArray& line : extensions)
        if (line == keyword || line.startsWith(keyword + ' '))
            return true;
    return false;
}

// "AUTH LOGIN PLAIN" and the old form "AUTH=LOGIN".
bool OffersAuth(const QList<QByteArray>& extensions, const QByteArray& mechanism) {
    for (const QByteArray& line : extensions) {
        if (!line.startsWith("AUTH ") && !line.startsWith("AUTH="))
            continue;
        for (const QByteArray& word : line.mid(5).simplified().split(' '))
            if (word == mechanism)
                return true;
    }
    return false;
}

// RAII flag against a second exchange starting inside the first one's event loop.
class BusyGuard {
  public:
    explicit BusyGuard(bool& busy) : busy_(busy) { busy_ = true; }
    ~BusyGuard() { busy_ = false; }

  private:
    bool& busy_;
};

}  // namespace

QByteArray SmtpClient::Reply::Text() const {
    QByteArray text;
    for (const QByteArray& line : lines)
        text += (text.isEmpty() ? "" : " ") + line;
    return QByteArray::number(code) + ' ' + text;
}

SmtpClient::SmtpClient(Clock& clock, QObject* parent) : QObject(parent), clock_(clock) {}

SmtpClient::~SmtpClient() {
    EndHeldConnection();
}

bool SmtpClient::IsConnected() const {
    return socket_ && socket_->state() == QAbstractSocket::ConnectedState;
}

void SmtpClient::AddAttachment(const QByteArray& data, const QString& name) {
    if (!name.isEmpty())
        attachments_.append({name, data});
}

SmtpClient::Awaited SmtpClient::Await(const std::function<bool()>& done) {
    if (!socket_)
        return Awaited::Closed;
    received_ += socket_->readAll();
    if (done())
        return Awaited::Done;
    if (socket_->state() == QAbstractSocket::UnconnectedState)
        return Awaited::Closed;

    QEventLoop loop;
    QTimer silence;
    silence.setSingleShot(true);
    Awaited result = Awaited::Done;
    bool finished = false;
    // The first word counts: a refused certificate is followed by the disconnection it causes.
    auto finish = [&](Awaited how) {
        if (finished)
            return;
        finished = true;
        result = how;
        loop.quit();
    };
    QSslSocket* socket = socket_;
    connect(&silence, &QTimer::timeout, &loop, [&] { finish(Awaited::TimedOut); });
    connect(socket, &QIODevice::readyRead, &loop, [&] {
        received_ += socket->readAll();
        silence.start();
        if (done())
            finish(Awaited::Done);
    });
    // A long upload gets no reply until it is through; bytes leaving count as life too.
    connect(socket, &QIODevice::bytesWritten, &loop, [&] { silence.start(); });
    connect(socket, &QSslSocket::encryptedBytesWritten, &loop, [&] { silence.start(); });
    connect(socket, &QAbstractSocket::connected, &loop, [&] {
        if (done())
            finish(Awaited::Done);
    });
    connect(socket, &QSslSocket::encrypted, &loop, [&] {
        if (done())
            finish(Awaited::Done);
    });
    connect(socket, &QSslSocket::sslErrors, &loop, [&](const QList<QSslError>& errors) {
        tlsError_ = errors.isEmpty() ? QString() : errors.first().errorString();
        finish(Awaited::Failed);
    });
    connect(socket, &QAbstractSocket::errorOccurred, &loop,
            [&](QAbstractSocket::SocketError error) {
                received_ += socket->readAll();
                if (done())
                    finish(Awaited::Done);
                else
                    finish(error == QAbstractSocket::RemoteHostClosedError ? Awaited::Closed
                                                                           : Awaited::Failed);
            });
    connect(socket, &QAbstractSocket::disconnected, &loop, [&] {
        received_ += socket->readAll();
        finish(done() ? Awaited::Done : Awaited::Closed);
    });
    silence.start(replyWaitMs_);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return result;
}

bool SmtpClient::TakeReply(Reply* reply) {
    // A reply is complete with its last line: the code followed by a space (or by nothing).
    int start = 0;
    QList<QByteArray> lines;
    while (true) {
        const int end = received_.indexOf('\n', start);
        if (end < 0)
            return false;
        QByteArray line = received_.mid(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        start = end + 1;
        lines.append(line.size() > 4 ? line.mid(4) : QByteArray());
        if (line.size() == 3 || (line.size() > 3 && line[3] != '-')) {
            bool ok = false;
            reply->code = line.left(3).toInt(&ok);
            if (!ok)
                reply->code = 0;
            reply->lines = lines;
            received_.remove(0, start);
            return true;
        }
    }
}

SmtpClient::Awaited SmtpClient::AwaitReply(Reply* reply) {
    return Await([&] { return TakeReply(reply); });
}

QString SmtpClient::FailureText(Awaited awaited) const {
    if (!tlsError_.isEmpty())
        return QStringLiteral("SMTP服务器的证书不可信，未建立加密连接: ") + tlsError_;
    switch (awaited) {
        case Awaited::TimedOut:
            return kTimedOut;
        case Awaited::Closed:
            return kConnectionLost;
        case Awaited::Failed:
            if (!tlsError_.isEmpty())
                return QStringLiteral("SMTP服务器的证书不可信，未建立加密连接: ") + tlsError_;
            return QStringLiteral("与SMTP服务器通信出错: ") +
                   (socket_ ? socket_->errorString() : QString());
        case Awaited::Done:
            break;
    }
    return {};
}

bool SmtpClient::Command(const QByteArray& line, QList<int> accepted, Reply* reply,
                         const QString& refusal) {
    if (!IsConnected()) {
        lastError_ = kConnectionLost;
        return false;
    }
    socket_->write(line + "\r\n");
    const Awaited awaited = AwaitReply(reply);
    if (awaited != Awaited::Done) {
        lastError_ = FailureText(awaited);
        // Out of step with the server: a late reply would answer the next command.
        DropConnection();
        return false;
    }
    if (!accepted.contains(reply->code)) {
        lastError_ = refusal + QStringLiteral(": ") + QString::fromUtf8(reply->Text());
        return false;
    }
    return true;
}

QByteArray SmtpClient::LocalName() const {
    const QString name = QHostInfo::localHostName();
    bool plain = !name.isEmpty();
    for (QChar c : name)
        plain = plain && c.unicode() < 128 &&
                (c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('.'));
    if (plain)
        return name.toLatin1();
    // A machine named in Chinese: the address literal is always a valid greeting.
    const QHostAddress local = socket_ ? socket_->localAddress() : QHostAddress();
    if (local.protocol() == QAbstractSocket::IPv6Protocol)
        return "[IPv6:" + local.toString().toLatin1() + "]";
    return "[" + (local.isNull() ? QByteArray("127.0.0.1") : local.toString().toLatin1()) + "]";
}

bool SmtpClient::StartTls() {
    Reply reply;
    if (!Command("STARTTLS", {220}, &reply, QStringLiteral("SMTP服务器拒绝了STARTTLS")))
        return false;
    if (!QSslSocket::supportsSsl()) {
        lastError_ = QStringLiteral("本机不支持加密连接，未发送登录信息!");
        DropConnection();
        return false;
    }
    // Whatever came after the 220 in the clear must not pass for an answer under TLS.
    received_.clear();
    socket_->startClientEncryption();
    const Awaited awaited = Await([&] { return socket_->isEncrypted(); });
    if (awaited != Awaited::Done) {
        lastError_ = FailureText(awaited);
        DropConnection();
        return false;
    }
    return true;
}

bool SmtpClient::Greet(const QString& user, const QString& password) {
    Reply reply;
    if (user.isEmpty() || password.isEmpty())
        return Command("HELO " + LocalName(), {250}, &reply,
                       QStringLiteral("SMTP服务器拒绝了HELO"));

    if (!Command("EHLO " + LocalName(), {250}, &reply, QStringLiteral("SMTP服务器拒绝了EHLO")))
        return false;
    QList<QByteArray> extensions = Extensions(reply.lines);
    if (!socket_->isEncrypted() && Offers(extensions, "STARTTLS")) {
        if (!StartTls())
            return false;
        if (!Command("EHLO " + LocalName(), {250}, &reply, QStringLiteral("SMTP服务器拒绝了EHLO")))
            return false;
        extensions = Extensions(reply.lines);
    }

    const QString refused = QStringLiteral("SMTP服务器登录失败，请检查邮箱和密码");
    const QByteArray userBytes = user.toUtf8();
    const QByteArray passwordBytes = password.toUtf8();
    if (OffersAuth(extensions, "LOGIN")) {
        return Command("AUTH LOGIN", {334}, &reply, refused) &&
               Command(userBytes.toBase64(), {334}, &reply, refused) &&
               Command(passwordBytes.toBase64(), {235}, &reply, refused);
    }
    if (OffersAuth(extensions, "PLAIN")) {
        const QByteArray credentials = '\0' + userBytes + '\0' + passwordBytes;
        return Command("AUTH PLAIN " + credentials.toBase64(), {235}, &reply, refused);
    }
    lastError_ = QStringLiteral("SMTP服务器不提供AUTH LOGIN或AUTH PLAIN登录!");
    return false;
}

void SmtpClient::EndHeldConnection() {
    if (!socket_)
        return;
    if (IsConnected()) {
        // Goodbye without waiting for the answer: a dead connection must not delay the next one.
        socket_->write("QUIT\r\n");
        socket_->flush();
        socket_->disconnectFromHost();
    }
    DropConnection();
}

void SmtpClient::DropConnection() {
    if (!socket_)
        return;
    QSslSocket* socket = socket_;
    socket_ = nullptr;
    socket->disconnect(this);
    if (socket->state() != QAbstractSocket::UnconnectedState)
        socket->abort();
    socket->deleteLater();
    received_.clear();
}

bool SmtpClient::Connect(const QString& host, int port, const QString& user,
                         const QString& password, int replyWaitMs) {
    if (busy_) {
        lastError_ = kBusy;
        return false;
    }
    BusyGuard guard(busy_);
    EndHeldConnection();
    lastError_.clear();
    tlsError_.clear();
    replyWaitMs_ = replyWaitMs > 0 ? replyWaitMs : 1;

    if (host.trimmed().isEmpty()) {
        lastError_ = QStringLiteral("SMTP服务器地址为空!");
        return false;
    }
    if (port <= 0 || port > 65535) {
        lastError_ = QStringLiteral("SMTP服务器端口错误!");
        return false;
    }

    socket_ = new QSslSocket(this);
    const bool implicitTls = port == 465;
    if (implicitTls && !QSslSocket::supportsSsl()) {
        lastError_ = QStringLiteral("本机不支持加密连接，未发送登录信息!");
        DropConnection();
        return false;
    }
    if (implicitTls)
        socket_->connectToHostEncrypted(host.trimmed(), quint16(port));
    else
        socket_->connectToHost(host.trimmed(), quint16(port));
    const Awaited connected = Await([&] {
        return implicitTls ? socket_->isEncrypted()
                           : socket_->state() == QAbstractSocket::ConnectedState;
    });
    if (connected != Awaited::Done) {
        lastError_ = connected == Awaited::TimedOut || !tlsError_.isEmpty()
                         ? FailureText(connected)
                         : QStringLiteral("连接SMTP服务器失败: ") +
                               (socket_ ? socket_->errorString() : QString());
        DropConnection();
        return false;
    }

    Reply greeting;
    const Awaited greeted = AwaitReply(&greeting);
    if (greeted != Awaited::Done) {
        lastError_ = FailureText(greeted);
        DropConnection();
        return false;
    }
    if (greeting.code != 220) {
        lastError_ =
            QStringLiteral("SMTP服务器没有接受连接: ") + QString::fromUtf8(greeting.Text());
        DropConnection();
        return false;
    }
    if (!Greet(user, password)) {
        DropConnection();
        return false;
    }
    return true;
}

QString SmtpClient::Send(const QString& subject, const QString& body, const QString& recipient,
                         const QString& senderAddress, const QString& senderName) {
    if (busy_)
        return kBusy;
    BusyGuard guard(busy_);
    if (!IsConnected())
        return kNotConnected;
    if (!IsMailAddress(senderAddress))
        return QStringLiteral("发信人邮件地址格式错误!");
    if (!IsMailAddress(recipient))
        return QStringLiteral("目的邮件地址格式错误!");

    MailContent mail{subject,    body,         recipient,   senderAddress,
                     senderName, attachments_, clock_.Now()};
    const QByteArray data = DotStuff(ComposeMail(mail));

    Reply reply;
    const bool sent = Command("MAIL FROM:<" + senderAddress.toUtf8() + ">", {250}, &reply,
                              QStringLiteral("SMTP服务器拒绝了发信人")) &&
                      Command("RCPT TO:<" + recipient.toUtf8() + ">", {250, 251}, &reply,
                              QStringLiteral("SMTP服务器拒绝了收信人")) &&
                      Command("DATA", {354}, &reply, QStringLiteral("SMTP服务器拒绝了DATA")) &&
                      Command(data + ".", {250}, &reply, QStringLiteral("SMTP服务器拒绝了这封信"));
    if (sent)
        return {};
    const QString error = lastError_;
    // A refused step leaves the connection usable once the transaction is reset.
    if (IsConnected()) {
        socket_->write("RSET\r\n");
        AwaitReply(&reply);
    }
    lastError_.clear();
    return error;
}

}  // namespace fahuo
