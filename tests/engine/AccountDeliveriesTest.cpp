#include <QTcpServer>
#include <QtTest>

#include "EngineFakes.h"
#include "MariaDb.h"
#include "engine/Deliveries.h"
#include "engine/DeliveryMethod.h"
#include "support/MapControls.h"
#include "support/RecordingDialogs.h"
#include "support/VirtualClock.h"

using namespace fahuo;
using namespace fahuo::test;

namespace {

const QString kConnectFailed = QStringLiteral(
    "订单添加失败，数据库连接失败，可能是IP地址不对！或者服务器上防火墙端口例外，"
    "服务器安全狗网络防火墙中加端口允许一切");

// Deliveries of account products against the test MariaDB; the clock starts at
// 2014-11-14 04:34:42.
struct Desk {
    MariaDb db;
    MapControls controls;
    VirtualClock clock;
    RecordingDialogs dialogs;
    FakeOrderSource orders;
    FakeKeyStore keys;
    FakeMail mail;
    FakeChat chat;
    Deliveries deliveries{{controls, clock, dialogs, orders, keys, mail, chat, QString()}};

    void Configure() {
        SetDefaultSettings(controls);
        db.Configure(controls);
        controls.SetTicked(QStringLiteral("选择框_网验开关"), true);
        controls.SetTicked(QStringLiteral("选择框_发千牛消息开关"), false);
    }
};

ProductRecord Timed(const QStringList& tiers, const QString& giftDays = {},
                    const QString& giftHours = {}) {
    ProductRecord p = MakeProduct(QStringLiteral("软件会员 包月"), method::kTimedAccount);
    for (int i = 0; i < tiers.size(); ++i) {
        const int tier = i + 1;
        const QString price = tiers[i].section('/', 0, 0), value = tiers[i].section('/', 1);
        p.setField(tier == 1 ? ProductRecord::LowestPrice : ProductRecord::Price2 + 2 * (tier - 2),
                   price);
        p.setField(
            tier == 1 ? ProductRecord::LowestValue : ProductRecord::Price2 + 2 * (tier - 2) + 1,
            value);
    }
    p.setField(ProductRecord::GiftDays, giftDays);
    p.setField(ProductRecord::GiftHours, giftHours);
    return p;
}

QString DeadPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return QString::number(probe.serverPort());
}

}  // namespace

class AccountDeliveriesTest : public QObject {
    Q_OBJECT
  private slots:
    void accountRow_data();
    void accountRow();
    void orderRow_data();
    void orderRow();
    void unreachableServer_data();
    void unreachableServer();
    void provisioningSwitchOff_data();
    void provisioningSwitchOff();
    void tableSettingIsOnlyEverAName_data();
    void tableSettingIsOnlyEverAName();
};

void AccountDeliveriesTest::accountRow_data() {
    QTest::addColumn<QStringList>("tiers");
    QTest::addColumn<QString>("giftDays");
    QTest::addColumn<QString>("giftHours");
    QTest::addColumn<QString>("unitPrice");
    QTest::addColumn<int>("quantity");
    QTest::addColumn<QString>("nick");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QStringList>("row");

    const QString title = QStringLiteral("软件会员 包月");
    QTest::newRow("tier with gift days and hours") << QStringList{"10/3", "100/30"} << "2"
                                                   << "12"
                                                   << "100" << 1 << "小王"
                                                   << " x@example.com "
                                                   << QStringList{"123456",
                                                                  "小王",
                                                                  title,
                                                                  "10",
                                                                  "100",
                                                                  "",
                                                                  "1",
                                                                  "100",
                                                                  "35",
                                                                  "2014-11-14 04:34:42",
                                                                  "2014-12-19 16:34:42",
                                                                  "x@example.com",
                                                                  "掌柜"};
    QTest::newRow("rate truncated, no e-mail, quote and backslash in nick")
        << QStringList{"10/1", "100/35", "300/120"} << ""
        << ""
        << "50.80" << 2 << "o'b\\c"
        << ""
        << QStringList{"123456",
                       "o'b\\c",
                       title,
                       "10",
                       "100",
                       "300",
                       "2",
                       "100",
                       "50",
                       "2014-11-14 04:34:42",
                       "2015-01-03 04:34:42",
                       "",
                       "掌柜"};
    QTest::newRow("amount 0 falls to tier 1") << QStringList{"10/3"} << ""
                                              << ""
                                              << "0.50" << 1 << "b"
                                              << "b@example.com"
                                              << QStringList{"123456",
                                                             "b",
                                                             title,
                                                             "10",
                                                             "",
                                                             "",
                                                             "1",
                                                             "0",
                                                             "3",
                                                             "2014-11-14 04:34:42",
                                                             "2014-11-17 04:34:42",
                                                             "b@example.com",
                                                             "掌柜"};
}

void AccountDeliveriesTest::accountRow() {
    QFETCH(QStringList, tiers);
    QFETCH(QString, giftDays);
    QFETCH(QString, giftHours);
    QFETCH(QString, unitPrice);
    QFETCH(int, quantity);
    QFETCH(QString, nick);
    QFETCH(QString, email);
    QFETCH(QStringList, row);
    Desk desk;
    FAHUO_REQUIRE_MARIADB(desk.db);
    desk.Configure();
    // Blanks around the names and the seller nick are dropped.
    desk.controls.SetText(QStringLiteral("编辑框_计时网验数据库"), " " + desk.db.Name() + " ");
    desk.controls.SetText(QStringLiteral("编辑框_计时网验数据表"), QStringLiteral(" yonghu "));
    desk.controls.SetText(QStringLiteral("编辑框_卖家旺旺"), QStringLiteral(" 掌柜 "));
    const ProductRecord p = Timed(tiers, giftDays, giftHours);
    OrderRecord order = MakeOrder(p.title(), "123456", nick, unitPrice, quantity);
    order.buyerEmail = email;
    desk.deliveries.Deliver(order, p);

    QCOMPARE(desk.db.Rows(QStringLiteral("yonghu")), QList<QStringList>{row});
    QVERIFY(desk.dialogs.messages.isEmpty());
    // Provisioning, then mail and shipment; each wait as long as ever, none blocking.
    QCOMPARE(desk.clock.delays, (QList<int>{2000, 2000, 2000}));
    QCOMPARE(desk.mail.sent.size(), 1);
    QCOMPARE(desk.deliveries.SuccessCount(), 1);
}

void AccountDeliveriesTest::orderRow_data() {
    QTest::addColumn<QStringList>("tiers");
    QTest::addColumn<QString>("lowestCount");
    QTest::addColumn<QString>("giftCount");
    QTest::addColumn<QString>("unitPrice");
    QTest::addColumn<QString>("nick");
    QTest::addColumn<QStringList>("row");

    const auto row = [](const QString& buy, const QString& give, const QString& kind,
                        const QString& end, const QString& nick) {
        return QStringList{"123456",
                           buy,
                           give,
                           "0",
                           kind,
                           "2014-11-14 04:34:42",
                           end,
                           "<null>",
                           "0",
                           "1",
                           "1",
                           "1",
                           nick,
                           "20357168924  ",
                           "TRADE_FINISHED",
                           "国内  "};
    };
    QTest::newRow("count bought by the lowest tier")
        << QStringList{"10/30"} << "100"
        << ""
        << "25"
        << "b" << row("250", "", "计数", "2014-12-15 04:34:42", "b");
    QTest::newRow("fraction of the lowest tier")
        << QStringList{"3/1"} << "1"
        << "5"
        << "10"
        << "小王" << row("3.333333333333", "5", "计数", "2014-11-16 04:34:42", "小王");
    QTest::newRow("a higher tier is timed")
        << QStringList{"10/1", "100/35"} << "9"
        << "5"
        << "100.00"
        << "o'b\\c" << row("0", "5", "计时", "2015-01-03 04:34:42", "o'b\\c");
}

void AccountDeliveriesTest::orderRow() {
    QFETCH(QStringList, tiers);
    QFETCH(QString, lowestCount);
    QFETCH(QString, giftCount);
    QFETCH(QString, unitPrice);
    QFETCH(QString, nick);
    QFETCH(QStringList, row);
    Desk desk;
    FAHUO_REQUIRE_MARIADB(desk.db);
    desk.Configure();
    ProductRecord p = Timed(tiers);
    p.setField(ProductRecord::Method, method::kCountedOrder);
    p.setField(ProductRecord::LowestCount, lowestCount);
    p.setField(ProductRecord::GiftCount, giftCount);
    desk.deliveries.Deliver(MakeOrder(p.title(), "123456", nick, unitPrice, 1), p);

    QCOMPARE(desk.db.Rows(QStringLiteral("proxy_proxy_order")), QList<QStringList>{row});
    QVERIFY(desk.dialogs.messages.isEmpty());
    QCOMPARE(desk.clock.delays, (QList<int>{2000, 2000, 2000}));
}

void AccountDeliveriesTest::unreachableServer_data() {
    QTest::addColumn<QString>("method");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("timed account: silent") << method::kTimedAccount << QStringList{};
    QTest::newRow("counted order: message box")
        << method::kCountedOrder << QStringList{kConnectFailed};
}

void AccountDeliveriesTest::unreachableServer() {
    QFETCH(QString, method);
    QFETCH(QStringList, messages);
    Desk desk;
    SetDefaultSettings(desk.controls);
    desk.controls.SetTicked(QStringLiteral("选择框_网验开关"), true);
    desk.controls.SetText(QStringLiteral("组合框ip"), QStringLiteral("127.0.0.1"));
    desk.controls.SetText(QStringLiteral("编辑框_数据库端口1"), DeadPort());
    ProductRecord p = Timed({"10/3"});
    p.setField(ProductRecord::Method, method);
    const OrderRecord order = MakeOrder(p.title(), "1", "b");
    desk.orders.orders = {order};
    desk.deliveries.Deliver(order, p);
    QCOMPARE(desk.dialogs.messages, messages);
    // The retry's waits, the provisioning's, then the delivery goes on: mail, shipment, chat.
    QList<int> waits(31, 1000);
    waits << 3000 << 2000 << 2000 << 2000 << 5000;
    QCOMPARE(desk.clock.delays, waits);
    QCOMPARE(desk.mail.sent.size(), 1);
    QCOMPARE(desk.orders.confirmed, QStringList{"1"});
}

void AccountDeliveriesTest::provisioningSwitchOff_data() {
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("table");
    QTest::newRow("timed account") << method::kTimedAccount << "yonghu";
    QTest::newRow("counted order") << method::kCountedOrder << "proxy_proxy_order";
}

void AccountDeliveriesTest::provisioningSwitchOff() {
    QFETCH(QString, method);
    QFETCH(QString, table);
    Desk desk;
    FAHUO_REQUIRE_MARIADB(desk.db);
    desk.Configure();
    desk.controls.SetTicked(QStringLiteral("选择框_网验开关"), false);
    ProductRecord p = Timed({"10/3"});
    p.setField(ProductRecord::Method, method);
    desk.deliveries.Deliver(MakeOrder(p.title(), "1", "b"), p);
    QVERIFY(desk.db.Rows(table).isEmpty());
    QCOMPARE(desk.clock.delays, (QList<int>{2000, 2000}));  // mail and shipment only
    QVERIFY(desk.dialogs.messages.isEmpty());
}

void AccountDeliveriesTest::tableSettingIsOnlyEverAName_data() {
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("table");
    const QString inject = QStringLiteral("yonghu` (id) VALUES (NULL); DROP TABLE `yonghu");
    QTest::newRow("timed: statement in table name")
        << method::kTimedAccount << "编辑框_计时网验数据表" << inject << "yonghu";
    QTest::newRow("timed: empty table") << method::kTimedAccount << "编辑框_计时网验数据表"
                                        << ""
                                        << "yonghu";
    QTest::newRow("counted: empty database") << method::kCountedOrder << "编辑框_数据库名1"
                                             << ""
                                             << "proxy_proxy_order";
    QTest::newRow("counted: statement in table name")
        << method::kCountedOrder << "编辑框_数据库订单表"
        << "proxy_proxy_order` VALUES (); DROP TABLE `proxy_proxy_order"
        << "proxy_proxy_order";
}

void AccountDeliveriesTest::tableSettingIsOnlyEverAName() {
    QFETCH(QString, method);
    QFETCH(QString, control);
    QFETCH(QString, value);
    QFETCH(QString, table);
    Desk desk;
    FAHUO_REQUIRE_MARIADB(desk.db);
    desk.Configure();
    desk.controls.SetText(control, value);
    ProductRecord p = Timed({"10/3"});
    p.setField(ProductRecord::Method, method);
    desk.deliveries.Deliver(MakeOrder(p.title(), "1", "b"), p);
    QVERIFY(desk.dialogs.messages.isEmpty());
    // The table is still there, and empty.
    QSqlQuery q(QSqlDatabase::database(QStringLiteral("test-admin")));
    QVERIFY(q.exec("SELECT COUNT(*) FROM " + QuoteIdentifier(desk.db.Name()) + "." +
                   QuoteIdentifier(table)));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 0);
}

QTEST_GUILESS_MAIN(AccountDeliveriesTest)
#include "AccountDeliveriesTest.moc"
