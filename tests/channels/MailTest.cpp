#include <QFile>
#include <QJsonArray>
#include <QRandomGenerator>
#include <QSslConfiguration>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QtTest>

#include "MailServers.h"
#include "channels/ChannelsModule.h"
#include "channels/MailMessage.h"
#include "channels/MailSession.h"
#include "channels/SendMail.h"
#include "channels/SmtpClient.h"
#include "platform/NoWindowSystem.h"
#include "support/MapControls.h"
#include "support/RecordingDialogs.h"
#include "support/VirtualClock.h"
#include "text/Gbk.h"
#include "text/TextRules.h"

using namespace fahuo;
using namespace fahuo::test;

namespace {

const QString kSender = QStringLiteral("shop-sender@example.com");
using NoWindows = fahuo::NoWindowSystem;

// Trusts the test certificate for as long as it lives.
class TrustTestCertificate {
  public:
    TrustTestCertificate() : saved_(QSslConfiguration::defaultConfiguration()) {
        QSslConfiguration trusting = saved_;
        trusting.addCaCertificates(TlsPath(QStringLiteral("smtp-test.crt")));
        QSslConfiguration::setDefaultConfiguration(trusting);
    }
    ~TrustTestCertificate() { QSslConfiguration::setDefaultConfiguration(saved_); }

  private:
    QSslConfiguration saved_;
};

QByteArray PartData(const QJsonObject& part) {
    return QByteArray::fromBase64(part.value(QStringLiteral("data")).toString().toLatin1());
}

}  // namespace

class MailTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void mailDate_data();
    void mailDate();
    void headerText_data();
    void headerText();
    void dotStuffing();
    void mailAddresses_data();
    void mailAddresses();
    void mailArrivesWhole_data();
    void mailArrivesWhole();
    void login_data();
    void login();
    void faults_data();
    void faults();
    void encryption_data();
    void encryption();
    void windowKeepsWorkingDuringAnExchange();
    void heldConnection();
    void sendWithoutConnect();
    void pickSendingMailbox_data();
    void pickSendingMailbox();
    void testMailButton_data();
    void testMailButton();

  private:
    OwnMailServer own_;
    MailServer server_;
    QTemporaryDir files_;
};

void MailTest::initTestCase() {
    server_ = SharedMailServer(own_);
    QVERIFY(files_.isValid());
}

void MailTest::mailDate_data() {
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("east of Greenwich")
        << QDateTime(QDate(2014, 11, 4), QTime(4, 34, 2), QTimeZone(8 * 3600))
        << QByteArray("Tue, 04 Nov 2014 04:34:02 +0800");
    QTest::newRow("west, half hour")
        << QDateTime(QDate(2026, 1, 1), QTime(23, 59, 59), QTimeZone(-(3 * 3600 + 1800)))
        << QByteArray("Thu, 01 Jan 2026 23:59:59 -0330");
    QTest::newRow("UTC") << QDateTime(QDate(2020, 2, 29), QTime(0, 0, 0), QTimeZone(0))
                         << QByteArray("Sat, 29 Feb 2020 00:00:00 +0000");
}

void MailTest::mailDate() {
    QFETCH(QDateTime, when);
    QFETCH(QByteArray, text);
    QCOMPARE(MailDate(when), text);
}

void MailTest::headerText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("prefix");
    QTest::newRow("ASCII stays") << "Your key" << QByteArray("Your key");
    QTest::newRow("line breaks never reach a header")
        << "a\r\nBcc: x@y.z" << QByteArray("a Bcc: x@y.z");
    QTest::newRow("Chinese in gb2312") << QStringLiteral("您的卡密") << QByteArray("=?gb2312?B?");
    QTest::newRow("beyond gb2312 in UTF-8") << QStringLiteral("髮") << QByteArray("=?utf-8?B?");
}

void MailTest::headerText() {
    QFETCH(QString, text);
    QFETCH(QByteArray, prefix);
    const QByteArray header = HeaderText(text);
    QVERIFY2(header.startsWith(prefix), header.constData());
    QVERIFY(!header.contains("\r\nB"));
}

void MailTest::dotStuffing() {
    QCOMPARE(DotStuff(".start\r\nmiddle.\r\n.\r\n..two\r\n"),
             QByteArray("..start\r\nmiddle.\r\n..\r\n...two\r\n"));
}

void MailTest::mailAddresses_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("valid");
    QTest::newRow("plain") << "buyer@example.com" << true;
    QTest::newRow("qq") << "12345678@qq.com" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("no at") << "buyer.example.com" << false;
    QTest::newRow("two at") << "a@b@c" << false;
    QTest::newRow("nothing before at") << "@qq.com" << false;
    QTest::newRow("nothing after at") << "buyer@" << false;
    QTest::newRow("space") << "bu yer@qq.com" << false;
    QTest::newRow("header injection") << "a@b.c\r\nBcc: x@y.z" << false;
    QTest::newRow("angle bracket") << "a@b.c>" << false;
}

void MailTest::mailAddresses() {
    QFETCH(QString, address);
    QFETCH(bool, valid);
    QCOMPARE(IsMailAddress(address), valid);
}

void MailTest::mailArrivesWhole_data() {
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("attachmentName");
    QTest::addColumn<QByteArray>("attachmentData");  // written to the file unless null
    QTest::addColumn<QString>("charset");

    QByteArray binary;
    for (int i = 0; i < 3000; ++i)
        binary.append(char(i * 7 % 256));
    QTest::newRow("ASCII, no attachment") << "Your key"
                                          << "Key: ABCD-1234\r\nThanks."
                                          << "" << QByteArray() << "us-ascii";
    QTest::newRow("Chinese with a binary attachment")
        << QStringLiteral("您购买的青鸾代理卡密")
        << QStringLiteral("亲，您的卡密：\r\nK1\r\nK2\r\n")
        << QStringLiteral("青鸾代理软件使用说明.doc") << binary << "gb2312";
    QTest::newRow("attachment file missing: zero bytes under its name")
        << QStringLiteral("标题") << QStringLiteral("正文") << QStringLiteral("不存在的文件.txt")
        << QByteArray() << "gb2312";
    QTest::newRow("ASCII path as the name")
        << "Manual"
        << "See the attachment."
        << "C:\\Docs\\read me \"v2\".txt" << QByteArray("manual\r\n.\r\nline after a lone dot\r\n")
        << "us-ascii";
    QTest::newRow("beyond gb2312 and emoji go as UTF-8")
        << QStringLiteral("髮型卡 😀") << QStringLiteral("镕基 €5\r\n谢谢😀") << "" << QByteArray()
        << "utf-8";
    QTest::newRow("long subject folds into several words")
        << QString(QStringLiteral("很长的标题")).repeated(20) << QStringLiteral("正文") << ""
        << QByteArray() << "gb2312";
}

void MailTest::mailArrivesWhole() {
    QFETCH(QString, subject);
    QFETCH(QString, body);
    QFETCH(QString, attachmentName);
    QFETCH(QByteArray, attachmentData);
    QFETCH(QString, charset);

    QString attachmentPath;
    if (!attachmentName.isEmpty()) {
        attachmentPath = files_.filePath(QString::number(QRandomGenerator::global()->generate()));
        if (!attachmentData.isNull()) {
            QFile file(attachmentPath);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(attachmentData);
        }
    }
    VirtualClock clock;
    SmtpClient client(clock);
    const QString recipient = UniqueRecipient(QStringLiteral("whole"));
    QString error;
    QVERIFY2(SendMail(client, kSender, QStringLiteral("secret"), subject, body, attachmentName,
                      attachmentPath, recipient, server_.host, QString::number(server_.port),
                      QStringLiteral("5000"), &error),
             qPrintable(error));
    QVERIFY(error.isEmpty());

    const QString file = MailFileFor(server_, recipient);
    QVERIFY(!file.isEmpty());
    const QJsonObject envelope = Envelope(file);
    QCOMPARE(envelope.value(QStringLiteral("mail_from")).toString(), kSender);
    QCOMPARE(envelope.value(QStringLiteral("rcpt_tos")).toArray(), QJsonArray{recipient});
    QCOMPARE(envelope.value(QStringLiteral("login")).toString(), kSender);

    const QJsonObject mail = ParseMail(file);
    QCOMPARE(mail.value(QStringLiteral("subject")).toString(), subject);
    QCOMPARE(mail.value(QStringLiteral("from_raw")).toString(), kSender + " <" + kSender + ">");
    QCOMPARE(mail.value(QStringLiteral("to_raw")).toString(), recipient);
    QVERIFY(
        QRegularExpression(
            QStringLiteral(R"(^[A-Z][a-z]{2}, \d\d [A-Z][a-z]{2} \d{4} \d\d:\d\d:\d\d [+-]\d{4}$)"))
            .match(mail.value(QStringLiteral("date_raw")).toString())
            .hasMatch());
    QCOMPARE(qint64(mail.value(QStringLiteral("date_epoch")).toDouble()),
             clock.Now().toSecsSinceEpoch());

    const QJsonArray parts = mail.value(QStringLiteral("parts")).toArray();
    const QJsonObject text = parts.at(0).toObject();
    QCOMPARE(text.value(QStringLiteral("type")).toString(), QStringLiteral("text/plain"));
    QCOMPARE(text.value(QStringLiteral("charset")).toString(), charset);
    QCOMPARE(text.value(QStringLiteral("text")).toString(), body);
    if (attachmentName.isEmpty()) {
        QCOMPARE(mail.value(QStringLiteral("content_type")).toString(),
                 QStringLiteral("text/plain"));
        QCOMPARE(parts.size(), 1);
        return;
    }
    QCOMPARE(mail.value(QStringLiteral("content_type")).toString(),
             QStringLiteral("multipart/mixed"));
    QCOMPARE(mail.value(QStringLiteral("boundary")).toString(), QStringLiteral("#BOUNDARY#"));
    QCOMPARE(parts.size(), 2);
    const QJsonObject attachment = parts.at(1).toObject();
    QCOMPARE(attachment.value(QStringLiteral("type")).toString(),
             QStringLiteral("application/octet-stream"));
    QCOMPARE(attachment.value(QStringLiteral("disposition")).toString(),
             QStringLiteral("attachment"));
    QCOMPARE(attachment.value(QStringLiteral("filename")).toString(), attachmentName);
    QCOMPARE(PartData(attachment), attachmentData.isNull() ? QByteArray("") : attachmentData);
}

void MailTest::login_data() {
    QTest::addColumn<QStringList>("serverMode");  // empty: the shared server
    QTest::addColumn<QString>("password");
    QTest::addColumn<QVariant>("mechanism");  // null: no login at all
    QTest::newRow("LOGIN when offered") << QStringList() << "secret" << QVariant("LOGIN");
    QTest::newRow("PLAIN when LOGIN is not offered")
        << QStringList{"--auth", "PLAIN"} << "secret" << QVariant("PLAIN");
    QTest::newRow("empty password: HELO, no login") << QStringList() << "" << QVariant();
}

void MailTest::login() {
    QFETCH(QStringList, serverMode);
    QFETCH(QString, password);
    QFETCH(QVariant, mechanism);
    OwnMailServer own;
    MailServer server = server_;
    if (!serverMode.isEmpty()) {
        QVERIFY2(own.Start(serverMode), qPrintable(own.Log()));
        server = own.Server();
    }
    VirtualClock clock;
    SmtpClient client(clock);
    const QString recipient = UniqueRecipient(QStringLiteral("login"));
    QString error;
    QVERIFY2(SendMail(client, kSender, password, QStringLiteral("s"), QStringLiteral("b"), {}, {},
                      recipient, server.host, QString::number(server.port), "5000", &error),
             qPrintable(error));
    const QJsonObject envelope = Envelope(MailFileFor(server, recipient));
    QCOMPARE(envelope.value(QStringLiteral("mechanism")).isNull(), mechanism.isNull());
    if (!mechanism.isNull())
        QCOMPARE(envelope.value(QStringLiteral("mechanism")).toString(), mechanism.toString());
    QCOMPARE(envelope.value(QStringLiteral("login")).isNull(), mechanism.isNull());
    // Greeted with EHLO to log in, with HELO otherwise.
    QCOMPARE(envelope.value(QStringLiteral("esmtp")).toBool(), !mechanism.isNull());
}

void MailTest::faults_data() {
    // "shared": the ./test server; "as given": server and port as in the row; "refused": a port
    // nobody listens on; else a ScriptedSmtpServer fault.
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("recipient");
    QTest::addColumn<QString>("wait");
    QTest::addColumn<QString>("error");  // the start of the error text

    const QString ok = QStringLiteral("ok@example.com");
    QTest::newRow("empty server") << "as given"
                                  << ""
                                  << "25" << kSender << "pw" << ok << "5000"
                                  << QStringLiteral("SMTP服务器地址为空!");
    QTest::newRow("empty port is port 0")
        << "as given"
        << "127.0.0.1"
        << "" << kSender << "pw" << ok << "5000" << QStringLiteral("SMTP服务器端口错误!");
    QTest::newRow("nobody listening")
        << "refused"
        << "127.0.0.1"
        << "" << kSender << "pw" << ok << "5000" << QStringLiteral("连接SMTP服务器失败");
    QTest::newRow("wrong password") << "shared"
                                    << ""
                                    << "" << kSender << "wrong-password" << ok << "5000"
                                    << QStringLiteral("SMTP服务器登录失败");
    QTest::newRow("no greeting within the wait")
        << "NoGreeting"
        << ""
        << "" << kSender << "pw" << ok << "300" << QStringLiteral("接收数据超时!");
    QTest::newRow("a wait of 0 counts as 1 ms")
        << "NoGreeting"
        << ""
        << "" << kSender << "pw" << ok << "0" << QStringLiteral("接收数据超时!");
    QTest::newRow("letters as the wait")
        << "NoGreeting"
        << ""
        << "" << kSender << "pw" << ok << "abc" << QStringLiteral("接收数据超时!");
    QTest::newRow("connection dropped during DATA")
        << "DropsInData"
        << ""
        << "" << kSender << "pw" << ok << "3000" << QStringLiteral("与SMTP服务器的连接已断开!");
    QTest::newRow("no answer to the message")
        << "SilentAfterData"
        << ""
        << "" << kSender << "pw" << ok << "300" << QStringLiteral("接收数据超时!");
    QTest::newRow("recipient refused")
        << "RejectsRecipient"
        << ""
        << "" << kSender << "pw" << ok << "3000" << QStringLiteral("SMTP服务器拒绝了收信人");
    QTest::newRow("malformed recipient") << "shared"
                                         << ""
                                         << "" << kSender << "pw"
                                         << "buyer at qq.com"
                                         << "5000" << QStringLiteral("目的邮件地址格式错误!");
    QTest::newRow("recipient with a header in it")
        << "shared"
        << ""
        << "" << kSender << "pw"
        << "a@b.c\r\nBcc: all@example.com"
        << "5000" << QStringLiteral("目的邮件地址格式错误!");
    QTest::newRow("malformed sender")
        << "shared"
        << ""
        << ""
        << "seller"
        << "pw" << ok << "5000" << QStringLiteral("发信人邮件地址格式错误!");
}

void MailTest::faults() {
    QFETCH(QString, where);
    QFETCH(QString, server);
    QFETCH(QString, port);
    QFETCH(QString, address);
    QFETCH(QString, password);
    QFETCH(QString, recipient);
    QFETCH(QString, wait);
    QFETCH(QString, error);

    std::unique_ptr<ScriptedSmtpServer> scripted;
    const QMetaEnum faults = QMetaEnum::fromType<ScriptedSmtpServer::Fault>();
    bool isFault = false;
    const int fault = faults.keyToValue(where.toLatin1().constData(), &isFault);
    if (isFault) {
        scripted = std::make_unique<ScriptedSmtpServer>(ScriptedSmtpServer::Fault(fault));
        server = QStringLiteral("127.0.0.1");
        port = QString::number(scripted->Port());
    } else if (where == QStringLiteral("refused")) {
        port = QString::number(FreePort());
    } else if (where == QStringLiteral("shared")) {
        server = server_.host;
        port = QString::number(server_.port);
    }

    VirtualClock clock;
    SmtpClient client(clock);
    QString got;
    QElapsedTimer timer;
    timer.start();
    const bool sent = SendMail(client, address, password, QStringLiteral("标题"),
                               QStringLiteral("正文"), {}, {}, recipient, server, port, wait, &got);
    const qint64 took = timer.elapsed();

    QVERIFY(!sent);
    QVERIFY2(got.startsWith(error), qPrintable(got));
    // Nothing hangs past its wait (with room for a slow machine).
    QVERIFY2(took < qMax<qint64>(TextToInteger(wait), 0) + 2500, qPrintable(QString::number(took)));
    if (where == QStringLiteral("DropsInData"))
        QVERIFY(scripted->received.contains("DATA\r\n"));
}

void MailTest::encryption_data() {
    QTest::addColumn<bool>("implicit");  // TLS from the first byte on port 465, else STARTTLS
    QTest::addColumn<bool>("trusted");
    QTest::newRow("STARTTLS, certificate trusted") << false << true;
    QTest::newRow("STARTTLS, certificate not trusted") << false << false;
    QTest::newRow("port 465, certificate trusted") << true << true;
    QTest::newRow("port 465, certificate not trusted") << true << false;
}

void MailTest::encryption() {
    QFETCH(bool, implicit);
    QFETCH(bool, trusted);
    const QString cert = TlsPath(QStringLiteral("smtp-test.crt"));
    const QString key = TlsPath(QStringLiteral("smtp-test.key"));
    OwnMailServer own;
    // The STARTTLS server refuses AUTH and MAIL before TLS, so a login in the clear would fail.
    const QStringList mode =
        implicit ? QStringList{"--tls-cert", cert, "--tls-key", key}
                 : QStringList{"--starttls-cert", cert, "--starttls-key", key, "--require-tls"};
    QVERIFY2(own.Start(mode, implicit ? 465 : 0), qPrintable(own.Log()));
    std::optional<TrustTestCertificate> trust;
    if (trusted)
        trust.emplace();

    VirtualClock clock;
    SmtpClient client(clock);
    const QString recipient = UniqueRecipient(QStringLiteral("tls"));
    QString error;
    const bool sent = SendMail(client, kSender, QStringLiteral("secret"), QStringLiteral("加密"),
                               QStringLiteral("正文"), {}, {}, recipient, own.Server().host,
                               QString::number(own.Server().port), "5000", &error);
    QCOMPARE(sent, trusted);
    const QString file = MailFileFor(own.Server(), recipient);
    if (!trusted) {
        QVERIFY2(error.startsWith(QStringLiteral("SMTP服务器的证书不可信")), qPrintable(error));
        QVERIFY(file.isEmpty());
        return;
    }
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const QJsonObject envelope = Envelope(file);
    QCOMPARE(envelope.value(QStringLiteral("tls")).toBool(), true);
    QCOMPARE(envelope.value(QStringLiteral("login")).toString(), kSender);
}

void MailTest::windowKeepsWorkingDuringAnExchange() {
    // A server that never greets holds the exchange for its whole wait; meanwhile the event loop
    // runs (a window would paint), but no second exchange can start inside the first.
    ScriptedSmtpServer silent(ScriptedSmtpServer::Fault::NoGreeting);
    VirtualClock clock;
    SmtpClient client(clock);
    bool timerRan = false;
    QString nested;
    QTimer::singleShot(50, [&] {
        timerRan = true;
        nested = client.Send("s", "b", "a@b.c", kSender, kSender);
    });
    QVERIFY(!client.Connect(QStringLiteral("127.0.0.1"), silent.Port(), kSender, "pw", 600));
    QCOMPARE(client.LastError(), QStringLiteral("接收数据超时!"));
    QVERIFY(timerRan);
    QCOMPARE(nested, QStringLiteral("邮件客户端正在发送另一封信!"));
}

void MailTest::heldConnection() {
    VirtualClock clock;
    SmtpClient client(clock);
    const QString port = QString::number(server_.port);

    // A connect first ends the held connection with QUIT.
    ScriptedSmtpServer previous(ScriptedSmtpServer::Fault::OnlyPlainAuth);
    QVERIFY(client.Connect(QStringLiteral("127.0.0.1"), previous.Port(), kSender, "pw", 3000));
    QVERIFY(client.IsConnected());
    QVERIFY(SendMail(client, kSender, "pw", "s", "b", {}, {}, UniqueRecipient("held"), server_.host,
                     port, "5000"));
    QTRY_VERIFY(previous.received.endsWith("QUIT\r\n"));
    // Nothing ends the connection after a send.
    QVERIFY(client.IsConnected());

    // A held connection whose server went away fails a send loudly, and the next mail's fresh
    // connect works.
    OwnMailServer doomed;
    QVERIFY2(doomed.Start(), qPrintable(doomed.Log()));
    QVERIFY(SendMail(client, kSender, "pw", "s", "b", {}, {}, UniqueRecipient("held"),
                     doomed.Server().host, QString::number(doomed.Server().port), "5000"));
    doomed.Stop();
    MailSession stale(client);
    QString error;
    QVERIFY(!stale.Send("s", "b", UniqueRecipient("held"), {}, false, {}, &error));
    QVERIFY(!error.isEmpty());
    const QString recipient = UniqueRecipient(QStringLiteral("held"));
    QVERIFY2(SendMail(client, kSender, "pw", "s", "b", {}, {}, recipient, server_.host, port,
                      "5000", &error),
             qPrintable(error));
    QVERIFY(!MailFileFor(server_, recipient).isEmpty());
}

void MailTest::sendWithoutConnect() {
    VirtualClock clock;
    SmtpClient client(clock);
    MailSession session(client);
    QString error = QStringLiteral("left over");
    QVERIFY(!session.Send("s", "b", "a@b.c", "data", true, "x.txt", &error));
    QCOMPARE(error, QStringLiteral("未连接到SMTP服务器!"));
}

void MailTest::pickSendingMailbox_data() {
    QTest::addColumn<int>("rows");
    QTest::newRow("empty outbox") << 0;
    QTest::newRow("one row") << 1;
    QTest::newRow("three rows") << 3;
}

void MailTest::pickSendingMailbox() {
    QFETCH(int, rows);
    QStandardItemModel outbox(rows, 7);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < 7; ++c)
            outbox.setItem(r, c, new QStandardItem(QStringLiteral("r%1c%2").arg(r).arg(c)));
    MapControls controls;
    controls.SetView(QStringLiteral("超级列表框_发件箱"), &outbox);
    QRandomGenerator random(20141114);
    QSet<QString> seen;
    for (int i = 0; i < 200; ++i) {
        const channels::SendingMailbox box = channels::PickSendingMailbox(controls, random);
        if (rows == 0) {
            QVERIFY(box.address.isEmpty() && box.password.isEmpty() && box.server.isEmpty() &&
                    box.port.isEmpty());
            continue;
        }
        const QString row = box.address.section(QLatin1Char('c'), 0, 0);
        QCOMPARE(box.address, row + "c2");
        QCOMPARE(box.password, row + "c3");
        QCOMPARE(box.server, row + "c4");
        QCOMPARE(box.port, row + "c5");
        seen.insert(row);
    }
    QCOMPARE(seen.size(), rows);  // every row serves now and then
}

void MailTest::testMailButton_data() {
    QTest::addColumn<bool>("outboxRow");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("message");
    QTest::newRow("sent") << true << "secret"
                          << QStringLiteral("试发成功：邮件已由 %1 发出。").arg(kSender);
    QTest::newRow("wrong password")
        << true << "wrong-password"
        << QStringLiteral("试发失败（发件箱 %1）：SMTP服务器登录失败").arg(kSender);
    QTest::newRow("empty outbox") << false << ""
                                  << QStringLiteral("试发失败（发件箱 无）：SMTP服务器地址为空!");
}

void MailTest::testMailButton() {
    QFETCH(bool, outboxRow);
    QFETCH(QString, password);
    QFETCH(QString, message);
    QStandardItemModel outbox(0, 7);
    if (outboxRow)
        outbox.appendRow({new QStandardItem("1"), new QStandardItem(QStringLiteral("产品")),
                          new QStandardItem(kSender), new QStandardItem(password),
                          new QStandardItem(server_.host),
                          new QStandardItem(QString::number(server_.port)), new QStandardItem("")});
    MapControls controls;
    controls.SetView(QStringLiteral("超级列表框_发件箱"), &outbox);
    const QString recipient = UniqueRecipient(QStringLiteral("button"));
    const QString attachment = files_.filePath(QStringLiteral("青鸾代理软件使用说明.doc"));
    QFile file(attachment);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("manual bytes");
    file.close();
    controls.SetText(QStringLiteral("编辑框7"), recipient);
    controls.SetText(QStringLiteral("编辑框8"), QStringLiteral("试发标题"));
    controls.SetText(QStringLiteral("编辑框9"), QStringLiteral("第一行\r\n第二行"));
    controls.SetText(QStringLiteral("编辑框10"), attachment);
    controls.SetText(QStringLiteral("编辑框_发件箱延时"), QStringLiteral("5000"));
    RecordingDialogs dialogs;
    VirtualClock clock;
    NoWindows windows;
    ChannelsModule channels(controls, dialogs, clock, windows);
    const QString signature = QStringLiteral("\r\n\r\n发货助手自动发出");
    channels.SetLongSignature(signature);

    const ControlActions actions = channels.Actions();
    const auto button = std::find_if(actions.begin(), actions.end(), [](const ControlAction& a) {
        return a.control == QStringLiteral("按钮27");
    });
    QVERIFY(button != actions.end());
    button->run();

    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY2(dialogs.messages[0].startsWith(message), qPrintable(dialogs.messages[0]));
    const QString mailFile = MailFileFor(server_, recipient);
    QCOMPARE(mailFile.isEmpty(), !message.startsWith(QStringLiteral("试发成功")));
    if (mailFile.isEmpty())
        return;
    const QJsonObject mail = ParseMail(mailFile);
    QCOMPARE(mail.value(QStringLiteral("subject")).toString(), QStringLiteral("试发标题"));
    const QJsonArray parts = mail.value(QStringLiteral("parts")).toArray();
    QCOMPARE(parts.at(0).toObject().value(QStringLiteral("text")).toString(),
             QStringLiteral("第一行\r\n第二行") + signature);
    // The attachment keeps the name as configured, the full path included.
    QCOMPARE(parts.at(1).toObject().value(QStringLiteral("filename")).toString(), attachment);
    QCOMPARE(PartData(parts.at(1).toObject()), QByteArray("manual bytes"));
}

QTEST_GUILESS_MAIN(MailTest)
#include "MailTest.moc"
