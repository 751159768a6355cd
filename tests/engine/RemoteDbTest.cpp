#include <QTcpServer>
#include <QtTest>

#include "MariaDb.h"
#include "store/RemoteDb.h"
#include "support/MapControls.h"
#include "support/RecordingDialogs.h"
#include "support/VirtualClock.h"
#include "text/Gbk.h"

using namespace fahuo;
using namespace fahuo::test;

namespace {

// A port on which nothing listens: connects are refused at once.
QString DeadPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return QString::number(probe.serverPort());
}

QList<int> RetryWaits() {
    QList<int> waits(31, 1000);
    waits.append(3000);
    return waits;
}

}  // namespace

class RemoteDbTest : public QObject {
    Q_OBJECT
  private slots:
    void settings_data();
    void settings();
    void quoteIdentifier_data();
    void quoteIdentifier();
    void toUtf8();
    void testButton_data();
    void testButton();
    void openAtOnceWaitsNothing();
    void openRetriesOnceAfterThirtySeconds();
    void serverBackDuringTheWaitIsFoundByTheSecondAttempt();
    void executeBindsValuesExactly();
    void rejectedStatementIsFalse();
    void testButtonLeavesTheDeliveryConnectionAlone();
};

void RemoteDbTest::settings_data() {
    QTest::addColumn<QString>("port");
    QTest::addColumn<int>("expected");
    QTest::newRow("plain") << "3306" << 3306;
    QTest::newRow("leading blank") << " 3307" << 3307;
    QTest::newRow("empty means default") << "" << 0;
    QTest::newRow("letters mean default") << "abc" << 0;
    QTest::newRow("out of range means default") << "70000" << 0;
}

void RemoteDbTest::settings() {
    QFETCH(QString, port);
    QFETCH(int, expected);
    MapControls c;
    c.SetText(QStringLiteral("编辑框_数据库端口1"), port);
    c.SetText(QStringLiteral("组合框ip"), QStringLiteral(" db.example.com"));
    const RemoteSettings s = RemoteSettings::Read(c);
    QCOMPARE(s.port, expected);
    QCOMPARE(s.host, QStringLiteral(" db.example.com"));  // passed as it stands
}

void RemoteDbTest::quoteIdentifier_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("quoted");
    QTest::newRow("plain") << "daili"
                           << "`daili`";
    QTest::newRow("back quote doubled") << "a`b"
                                        << "`a``b`";
    QTest::newRow("statement inside stays a name") << "t` (x) VALUES (1); DROP TABLE t; --"
                                                   << "`t`` (x) VALUES (1); DROP TABLE t; --`";
    QTest::newRow("Chinese") << "用户"
                             << "`用户`";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("NUL") << QString(QChar(0)) << "";
}

void RemoteDbTest::quoteIdentifier() {
    QFETCH(QString, name);
    QFETCH(QString, quoted);
    QCOMPARE(QuoteIdentifier(name), quoted);
}

void RemoteDbTest::toUtf8() {
    QCOMPARE(ToUtf8(EncodeGbk(QStringLiteral("国内"))), QByteArray("\xE5\x9B\xBD\xE5\x86\x85"));
    QCOMPARE(ToUtf8(QByteArray()), QByteArray());
    QCOMPARE(ToUtf8("abc"), QByteArray("abc"));
}

void RemoteDbTest::testButton_data() {
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("message");
    if (!MariaDb::Available())
        return;
    const QString ok = QStringLiteral("测试连接数据库成功"), bad = QStringLiteral("测试连接失败");
    QTest::newRow("right settings")
        << MariaDb::Host() << MariaDb::Port() << MariaDb::Password() << ok;
    QTest::newRow("wrong password") << MariaDb::Host() << MariaDb::Port() << "nope" << bad;
    QTest::newRow("nothing listening")
        << MariaDb::Host() << DeadPort() << MariaDb::Password() << bad;
    // The local machine, through the client's default socket (pointed at the test server).
    QTest::newRow("empty host and port") << ""
                                         << "" << MariaDb::Password() << ok;
}

void RemoteDbTest::testButton() {
    if (!MariaDb::Available())
        QSKIP("FAHUO_MYSQL_* not set: run under ./test or scripts/services start");
    QFETCH(QString, host);
    QFETCH(QString, port);
    QFETCH(QString, password);
    QFETCH(QString, message);
    qputenv("MYSQL_UNIX_PORT", MariaDb::Socket().toLocal8Bit());
    MapControls c;
    c.SetText(QStringLiteral("组合框ip"), host);
    c.SetText(QStringLiteral("编辑框_数据库端口1"), port);
    c.SetText(QStringLiteral("编辑框_数据库用户名1"), MariaDb::User());
    c.SetText(QStringLiteral("编辑框_数据库密码1"), password);
    VirtualClock clock;
    RecordingDialogs dialogs;
    TestRemoteConnection(c, clock, dialogs);
    QCOMPARE(dialogs.messages, QStringList{message});
    QVERIFY(clock.delays.isEmpty());  // one attempt, no retry
    QVERIFY(!QSqlDatabase::contains(QStringLiteral("fahuo-remote-test")));
}

void RemoteDbTest::openAtOnceWaitsNothing() {
    MariaDb db;
    FAHUO_REQUIRE_MARIADB(db);
    MapControls c;
    db.Configure(c);
    VirtualClock clock;
    RemoteDb remote(c, clock, QStringLiteral("fahuo-remote"));
    QVERIFY(remote.OpenRemoteDb());
    QVERIFY(clock.delays.isEmpty());
    remote.CloseRemoteDb();
    QVERIFY(!remote.IsOpen());
    QVERIFY(!QSqlDatabase::contains(QStringLiteral("fahuo-remote")));
    remote.CloseRemoteDb();  // closing twice is harmless
}

void RemoteDbTest::openRetriesOnceAfterThirtySeconds() {
    MapControls c;
    c.SetText(QStringLiteral("组合框ip"), QStringLiteral("127.0.0.1"));
    c.SetText(QStringLiteral("编辑框_数据库端口1"), DeadPort());
    VirtualClock clock;
    RemoteDb remote(c, clock, QStringLiteral("fahuo-remote"));
    QVERIFY(!remote.OpenRemoteDb());
    QCOMPARE(clock.delays, RetryWaits());
    QVERIFY(!remote.ExecuteSql(QStringLiteral("SELECT 1"), {}));
}

void RemoteDbTest::serverBackDuringTheWaitIsFoundByTheSecondAttempt() {
    MariaDb db;
    FAHUO_REQUIRE_MARIADB(db);
    MapControls c;
    db.Configure(c);
    c.SetText(QStringLiteral("编辑框_数据库端口1"), DeadPort());
    VirtualClock clock;
    // The seller corrects the port while the delivery waits; the settings are read afresh.
    clock.onDelay = [&](int) {
        if (clock.Elapsed() == 10000)
            c.SetText(QStringLiteral("编辑框_数据库端口1"), MariaDb::Port());
    };
    RemoteDb remote(c, clock, QStringLiteral("fahuo-remote"));
    QVERIFY(remote.OpenRemoteDb());
    QCOMPARE(clock.delays, RetryWaits());
}

void RemoteDbTest::executeBindsValuesExactly() {
    MariaDb db;
    FAHUO_REQUIRE_MARIADB(db);
    MapControls c;
    db.Configure(c);
    VirtualClock clock;
    RemoteDb remote(c, clock, QStringLiteral("fahuo-remote"));
    QVERIFY(remote.OpenRemoteDb());
    const QString awkward = QStringLiteral("o'b\\c\"; DROP TABLE yonghu; -- 会员😀");
    QVERIFY2(remote.ExecuteSql("INSERT INTO " + QuoteIdentifier(db.Name()) +
                                   ".yonghu (id, wangwang, biaoji) VALUES (NULL, ?, ?)",
                               {awkward, QString()}),
             qPrintable(remote.LastError()));
    const QList<QStringList> rows = db.Rows(QStringLiteral("yonghu"));
    QCOMPARE(rows.size(), 1);
    // Columns after the id: bianhao, wangwang, ..., biaoji is the twelfth.
    QCOMPARE(rows[0][1], awkward);
    QCOMPARE(rows[0][11], QString());  // an empty text, not NULL
    QCOMPARE(rows[0][0], QStringLiteral("<null>"));
}

void RemoteDbTest::rejectedStatementIsFalse() {
    MariaDb db;
    FAHUO_REQUIRE_MARIADB(db);
    MapControls c;
    db.Configure(c);
    VirtualClock clock;
    RemoteDb remote(c, clock, QStringLiteral("fahuo-remote"));
    QVERIFY(remote.OpenRemoteDb());
    QVERIFY(!remote.ExecuteSql(QStringLiteral("INSERT INTO missing_table (a) VALUES (?)"), {1}));
    QVERIFY(!remote.LastError().isEmpty());
}

void RemoteDbTest::testButtonLeavesTheDeliveryConnectionAlone() {
    MariaDb db;
    FAHUO_REQUIRE_MARIADB(db);
    MapControls c;
    db.Configure(c);
    VirtualClock clock;
    RecordingDialogs dialogs;
    RemoteDb delivery(c, clock, QStringLiteral("fahuo-remote"));
    QVERIFY(delivery.OpenRemoteDb());
    TestRemoteConnection(c, clock, dialogs);
    QCOMPARE(dialogs.messages, QStringList{QStringLiteral("测试连接数据库成功")});
    QVERIFY(delivery.IsOpen());
    QVERIFY(delivery.ExecuteSql(
        "INSERT INTO " + QuoteIdentifier(db.Name()) + ".yonghu (bianhao) VALUES (?)",
        {QStringLiteral("1")}));
    QCOMPARE(db.Rows(QStringLiteral("yonghu")).size(), 1);
}

QTEST_GUILESS_MAIN(RemoteDbTest)
#include "RemoteDbTest.moc"
