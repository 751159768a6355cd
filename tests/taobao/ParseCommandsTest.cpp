#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include "support/CliRunner.h"
#include "support/TestPaths.h"

using namespace fahuo::test;

namespace {

QString Fixture(const QString& name) {
    return SourcePath(QStringLiteral("tests/fixtures/taobao/") + name);
}

}  // namespace

class ParseCommandsTest : public QObject {
    Q_OBJECT
  private slots:
    void parseOrders();
    void parseOnSale_data();
    void parseOnSale();
    void badArguments_data();
    void badArguments();
};

void ParseCommandsTest::parseOrders() {
    const CliResult r = RunCli({"parse-orders", Fixture("order_list_three_orders.htm")});
    QCOMPARE(r.exitCode, 0);
    const QJsonArray orders = QJsonDocument::fromJson(r.out).array();
    QCOMPARE(orders.size(), 3);
    const QJsonObject first = orders[0].toObject();
    QCOMPARE(first["itemTitle"].toString(), QString("QQ会员 一个月 自动发货"));
    QCOMPARE(first["buyerNick"].toString(), QString("青鸾买家"));
    QCOMPARE(first["buyerEmail"].toString(), QString("buyer1@qq.com"));
    QCOMPARE(first["orderNumber"].toString(), QString("20141114043442"));
    QCOMPARE(first["unitPrice"].toString(), QString("12.50"));
    QVERIFY(first["quantity"].isDouble());
    QCOMPARE(first["quantity"].toInt(), 3);
    QCOMPARE(first["amount"].toString(), QString("36"));
    QCOMPARE(first["orderId"].toString(), QString("1001"));
    QCOMPARE(orders[2].toObject()["buyerEmail"].toString(), QString());

    const CliResult none = RunCli({"parse-orders", Fixture("order_list_no_orders.htm")});
    QCOMPARE(none.exitCode, 0);
    QCOMPARE(QJsonDocument::fromJson(none.out).array().size(), 0);
}

void ParseCommandsTest::parseOnSale_data() {
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<int>("count");
    QTest::newRow("real item host") << QStringList{} << 3;
    QTest::newRow("test shop's item host")
        << QStringList{"--taobao-base", "http://127.0.0.1:81"} << 0;
    QTest::newRow("the real host named as base")
        << QStringList{"--taobao-base=https://item.taobao.com"} << 3;
}

void ParseCommandsTest::parseOnSale() {
    QFETCH(QStringList, extra);
    QFETCH(int, count);
    const CliResult r = RunCli(QStringList{"parse-onsale", Fixture("onsale_items.htm")} + extra);
    QCOMPARE(r.exitCode, 0);
    const QJsonArray items = QJsonDocument::fromJson(r.out).array();
    QCOMPARE(items.size(), count);
    if (count > 0)
        QCOMPARE(items[0].toObject(), (QJsonObject{{"title", "QQ会员 一个月 自动发货"},
                                                   {"id", "36123456789"},
                                                   {"price", "12.50"}}));
}

void ParseCommandsTest::badArguments_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no file") << QStringList{"parse-orders"};
    QTest::newRow("two files") << QStringList{"parse-orders", "a", "b"};
    QTest::newRow("unreadable file") << QStringList{"parse-orders", "/nonexistent/page.htm"};
    QTest::newRow("unknown option")
        << QStringList{"parse-onsale", "--shop", "x", Fixture("onsale_items.htm")};
    QTest::newRow("base not an address")
        << QStringList{"parse-onsale", "--taobao-base", "shop", Fixture("onsale_items.htm")};
    QTest::newRow("base without its value")
        << QStringList{"parse-onsale", Fixture("onsale_items.htm"), "--taobao-base"};
}

void ParseCommandsTest::badArguments() {
    QFETCH(QStringList, arguments);
    const CliResult r = RunCli(arguments);
    QCOMPARE(r.exitCode, 2);
    QCOMPARE(r.out, QByteArray());
    QCOMPARE(r.err.count('\n'), 1);
}

QTEST_GUILESS_MAIN(ParseCommandsTest)
#include "ParseCommandsTest.moc"
