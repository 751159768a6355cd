#include <QtTest>

#include "SavedPage.h"
#include "taobao/OrderListReader.h"

using namespace fahuo;

Q_DECLARE_METATYPE(fahuo::OrderList)

namespace {

OrderRecord Order(const QString& title, const QString& nick, const QString& email,
                  const QString& number, const QString& price, qint64 quantity,
                  const QString& amount, const QString& id) {
    return OrderRecord{title, nick, email, number, price, quantity, amount, id};
}

// The markup of one order as the logistics list writes it, for cases no saved page shows.
QString OrderMarkup(const QString& nick, const QString& totalLine) {
    const QString indent = QString(16, ' ') + QString(4, '\t') + QString(4, ' ');
    return QStringLiteral(
               "<span class=\"order-number\">订单编号：1</span>\r\n"
               "<span class=\"ww ww:token\" ww:params=\"nick=") +
           nick + QStringLiteral("&amp;x\"></span>\r\n<li class=\"total\">\r\n") + indent + "\t" +
           totalLine + "\r\n" + indent + "</li>\r\n";
}

}  // namespace

class OrderListReaderTest : public QObject {
    Q_OBJECT
  private slots:
    void savedPages_data();
    void savedPages();
    void totalLine_data();
    void totalLine();
    void upperCaseMarkupStillMatches();
};

void OrderListReaderTest::savedPages_data() {
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<OrderList>("expected");

    QTest::newRow("three orders, two e-mails")
        << "order_list_three_orders.htm"
        << OrderList{
               Order("QQ会员 一个月 自动发货", "青鸾买家", "buyer1@qq.com", "20141114043442",
                     "12.50", 3, "36", "1001"),
               Order("迅雷白金会员 7天", "tb_buyer2", "second_b@163.com", "20141114043500", "5.00",
                     1, "5", "1002"),
               Order("网易云音乐黑胶", "第三位", "", "20141114043600", "30", 2, "60", "1003")};
    // The middle buyer left no address: the others keep their own.
    QTest::newRow("middle order without e-mail")
        << "order_list_middle_without_email.htm"
        << OrderList{Order("商品A", "甲", "a1@qq.com", "30000001", "10", 1, "10", "2001"),
                     Order("商品B", "乙", "", "30000002", "20", 1, "20", "2002"),
                     Order("商品C", "丙", "c3@126.com", "30000003", "30", 1, "30", "2003")};
    QTest::newRow("no-orders text wins over order markup")
        << "order_list_no_orders.htm" << OrderList{};
    QTest::newRow("login page") << "login_page.htm" << OrderList{};
    QTest::newRow("empty body") << "empty.htm" << OrderList{};
}

void OrderListReaderTest::savedPages() {
    QFETCH(QString, fixture);
    QFETCH(OrderList, expected);
    const OrderList orders = ParseOrderList(test::SavedPage(fixture));
    QCOMPARE(orders.size(), expected.size());
    for (int i = 0; i < orders.size(); ++i) {
        const OrderRecord& o = orders[i];
        const OrderRecord& e = expected[i];
        QCOMPARE(o.itemTitle, e.itemTitle);
        QCOMPARE(o.buyerNick, e.buyerNick);
        QCOMPARE(o.buyerEmail, e.buyerEmail);
        QCOMPARE(o.orderNumber, e.orderNumber);
        QCOMPARE(o.unitPrice, e.unitPrice);
        QCOMPARE(o.quantity, e.quantity);
        QCOMPARE(o.amount, e.amount);
        QCOMPARE(o.orderId, e.orderId);
    }
}

void OrderListReaderTest::totalLine_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("unitPrice");
    QTest::addColumn<qint64>("quantity");
    QTest::addColumn<QString>("amount");

    QTest::newRow("cents dropped from the amount") << "12.50 × 3"
                                                   << "12.50" << qint64(3) << "36";
    QTest::newRow("no space before the sign") << "8× 2"
                                              << "8" << qint64(2) << "16";
    QTest::newRow("full-width quantity") << "3 × ２"
                                         << "3" << qint64(2) << "6";
    QTest::newRow("quantity not a number") << "3 × 件"
                                           << "3" << qint64(0) << "0";
}

void OrderListReaderTest::totalLine() {
    QFETCH(QString, line);
    QFETCH(QString, unitPrice);
    QFETCH(qint64, quantity);
    QFETCH(QString, amount);
    const OrderList orders = ParseOrderList(OrderMarkup(QStringLiteral("n"), line));
    QCOMPARE(orders.size(), 1);
    QCOMPARE(orders[0].unitPrice, unitPrice);
    QCOMPARE(orders[0].quantity, quantity);
    QCOMPARE(orders[0].amount, amount);
}

void OrderListReaderTest::upperCaseMarkupStillMatches() {
    QString page = OrderMarkup(QStringLiteral("大写"), QStringLiteral("1 × 1"));
    page.replace(QStringLiteral("<span class=\"ww ww:token\" ww:params=\"nick="),
                 QStringLiteral("<SPAN CLASS=\"ww ww:token\" WW:PARAMS=\"NICK="));
    const OrderList orders = ParseOrderList(page);
    QCOMPARE(orders.size(), 1);
    QCOMPARE(orders[0].buyerNick, QStringLiteral("大写"));
}

QTEST_GUILESS_MAIN(OrderListReaderTest)
#include "OrderListReaderTest.moc"
