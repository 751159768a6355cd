#include <QtTest>

#include "engine/PriceTiers.h"
#include "store/DeliveryMethod.h"

using namespace fahuo;

Q_DECLARE_METATYPE(fahuo::ProductRecord)
Q_DECLARE_METATYPE(fahuo::OrderRecord)

namespace {

// Tiers given as {price, value} pairs for tiers 1, 2, 3, ...
ProductRecord Product(const QString& method, const QList<QPair<QString, QString>>& tiers,
                      const QString& giftCount = {}, const QString& giftDays = {},
                      const QString& giftHours = {}, const QString& lowestCount = {}) {
    ProductRecord p;
    p.setField(ProductRecord::Title, QStringLiteral("T"));
    p.setField(ProductRecord::Method, method);
    for (int i = 0; i < tiers.size(); ++i) {
        const int tier = i + 1;
        const int priceField =
            tier == 1 ? ProductRecord::LowestPrice : ProductRecord::Price2 + 2 * (tier - 2);
        const int valueField = tier == 1 ? ProductRecord::LowestValue : priceField + 1;
        p.setField(priceField, tiers[i].first);
        p.setField(valueField, tiers[i].second);
    }
    p.setField(ProductRecord::GiftCount, giftCount);
    p.setField(ProductRecord::GiftDays, giftDays);
    p.setField(ProductRecord::GiftHours, giftHours);
    p.setField(ProductRecord::LowestCount, lowestCount);
    return p;
}

OrderRecord Order(const QString& unitPrice, qint64 quantity) {
    OrderRecord o;
    o.itemTitle = QStringLiteral("T");
    o.unitPrice = unitPrice;
    o.quantity = quantity;
    o.amount = AmountOf(unitPrice, quantity);
    return o;
}

using Tiers = QList<QPair<QString, QString>>;

}  // namespace

class PriceTiersTest : public QObject {
    Q_OBJECT
  private slots:
    void productFieldsFollowTheColumns();
    void amount_data();
    void amount();
    void keyCount_data();
    void keyCount();
    void periodByAmount_data();
    void periodByAmount();
    void periodByUnitPrice_data();
    void periodByUnitPrice();
    void timedGrant_data();
    void timedGrant();
    void timedGrantTimes();
    void methodFieldTable();
};

void PriceTiersTest::productFieldsFollowTheColumns() {
    const QStringList& names = ProductRecord::ColumnNames();
    QCOMPARE(names.size(), 26);
    QCOMPARE(names.first(), QString("产品"));
    QCOMPARE(names.last(), QString("邮件附件"));
    QCOMPARE(ProductRecord::FieldOfColumn("价格七天"), 20);
    QCOMPARE(ProductRecord::FieldOfColumn("备注"), 0);
    ProductRecord p;
    p.setField(ProductRecord::FieldOfColumn("价格四"), "40");
    p.setField(ProductRecord::FieldOfColumn("价格四天"), "4");
    QCOMPARE(p.tierPrice(4), QString("40"));
    QCOMPARE(p.tierValue(4), QString("4"));
    QCOMPARE(p.value("价格四"), QString("40"));
}

void PriceTiersTest::amount_data() {
    QTest::addColumn<QString>("unitPrice");
    QTest::addColumn<qint64>("quantity");
    QTest::addColumn<QString>("amount");
    QTest::newRow("cents dropped before multiplying") << "12.50" << qint64(2) << "24";
    QTest::newRow("three") << "12.50" << qint64(3) << "36";
    QTest::newRow("below one") << "0.90" << qint64(5) << "0";
    QTest::newRow("unreadable") << "" << qint64(2) << "0";
}

void PriceTiersTest::amount() {
    QFETCH(QString, unitPrice);
    QFETCH(qint64, quantity);
    QFETCH(QString, amount);
    QCOMPARE(AmountOf(unitPrice, quantity), amount);
}

void PriceTiersTest::keyCount_data() {
    QTest::addColumn<ProductRecord>("product");
    QTest::addColumn<OrderRecord>("order");
    QTest::addColumn<qint64>("keys");
    const ProductRecord example =
        Product(method::kDirectCount, {{"1", "100"}, {"10", "1200"}}, "5");
    QTest::newRow("bulk price") << example << Order("10", 3) << qint64(3605);
    QTest::newRow("no tier matches, tier 1") << example << Order("5", 2) << qint64(205);
    QTest::newRow("quantity 0 gives the gift") << example << Order("10", 0) << qint64(5);
    QTest::newRow("cents ignored, 9.90 matches 9")
        << Product(method::kDirectCount, {{"1", "1"}, {"9", "50"}}) << Order("9.90", 1)
        << qint64(50);
    QTest::newRow("9.90 misses 10") << Product(method::kDirectCount, {{"1", "1"}, {"10", "50"}})
                                    << Order("9.90", 1) << qint64(1);
    QTest::newRow("price of letters never matches")
        << Product(method::kDirectCount, {{"1", "1"}, {"abc", "50"}}) << Order("0", 1) << qint64(1);
    QTest::newRow("empty value never matches")
        << Product(method::kDirectCount, {{"1", "2"}, {"10", ""}}) << Order("10", 1) << qint64(2);
    QTest::newRow("same price, higher tier wins")
        << Product(method::kDirectCount, {{"1", "1"}, {"10", "20"}, {"10", "30"}}) << Order("10", 1)
        << qint64(30);
    QTest::newRow("nothing set") << Product(method::kDirectCount, {}, "3") << Order("10", 4)
                                 << qint64(3);
}

void PriceTiersTest::keyCount() {
    QFETCH(ProductRecord, product);
    QFETCH(OrderRecord, order);
    QFETCH(qint64, keys);
    QCOMPARE(KeyCountForOrder(order, product), keys);
}

void PriceTiersTest::periodByAmount_data() {
    QTest::addColumn<ProductRecord>("product");
    QTest::addColumn<OrderRecord>("order");
    QTest::addColumn<QString>("period");
    const ProductRecord p =
        Product(method::kCardKeyWithPeriod, {{"10", "7"}, {"50", "30"}, {"100", "90"}});
    QTest::newRow("120 reaches 90") << p << Order("120", 1) << "90";
    QTest::newRow("99 reaches 30") << p << Order("99", 1) << "30";
    QTest::newRow("20 gets tier 1") << p << Order("20", 1) << "7";
    QTest::newRow("below the lowest price still tier 1") << p << Order("1", 1) << "7";
    QTest::newRow("amount is price times quantity") << p << Order("25", 4) << "90";
    QTest::newRow("text kept as stored")
        << Product(method::kCardKeyWithPeriod, {{"10", "30天"}, {"50", "90 "}}) << Order("60", 1)
        << "90 ";
    QTest::newRow("out of price order, tier order decides")
        << Product(method::kCardKeyWithPeriod, {{"1", "1"}, {"100", "90"}, {"50", "30"}})
        << Order("150", 1) << "30";
}

void PriceTiersTest::periodByAmount() {
    QFETCH(ProductRecord, product);
    QFETCH(OrderRecord, order);
    QFETCH(QString, period);
    QCOMPARE(CardPeriodByAmount(order, product), period);
}

void PriceTiersTest::periodByUnitPrice_data() {
    QTest::addColumn<ProductRecord>("product");
    QTest::addColumn<OrderRecord>("order");
    QTest::addColumn<QString>("period");
    const ProductRecord p =
        Product(method::kMultiSpecCardKeys, {{"5", "7"}, {"10", "30"}, {"25", "90"}});
    QTest::newRow("exact") << p << Order("10.00", 3) << "30";
    QTest::newRow("cents dropped") << p << Order("25.50", 1) << "90";
    QTest::newRow("same integer price") << p << Order("25.80", 2) << "90";
    QTest::newRow("no exact match, tier 1") << p << Order("20", 1) << "7";
}

void PriceTiersTest::periodByUnitPrice() {
    QFETCH(ProductRecord, product);
    QFETCH(OrderRecord, order);
    QFETCH(QString, period);
    QCOMPARE(CardPeriodByUnitPrice(order, product), period);
}

void PriceTiersTest::timedGrant_data() {
    QTest::addColumn<ProductRecord>("product");
    QTest::addColumn<OrderRecord>("order");
    QTest::addColumn<qint64>("days");
    QTest::addColumn<QString>("bought");
    QTest::addColumn<QString>("kind");
    const ProductRecord example = Product(
        method::kCountedOrder, {{"10", "3"}, {"100", "30"}, {"300", "100"}}, "5", "2", "12", "100");
    QTest::newRow("exact tier price") << example << Order("100", 1) << qint64(35) << "0"
                                      << "计时";
    QTest::newRow("rest adds a day") << example << Order("150", 1) << qint64(53) << "0"
                                     << "计时";
    QTest::newRow("tier 1 as it stands") << example << Order("25", 1) << qint64(6) << "250"
                                         << "计数";
    QTest::newRow("tier 1 multiple, no extra day")
        << example << Order("20", 1) << qint64(5) << "200"
        << "计数";
    QTest::newRow("amount 0 falls to tier 1") << example << Order("0.50", 1) << qint64(5) << "0"
                                              << "计数";
    QTest::newRow("bought count with a fraction")
        << Product(method::kCountedOrder, {{"3", "1"}}, "", "", "", "1") << Order("10", 1)
        << qint64(2) << "3.333333333333"
        << "计数";
    // A tier priced below its days: the per-day price is taken as 1, so 20 paid gives 20 days.
    QTest::newRow("per-day price below 1")
        << Product(method::kTimedAccount, {{"1", "1"}, {"10", "30"}}) << Order("20", 1)
        << qint64(20) << "0"
        << "计时";
    // 最低价 reading 0: no remainder test, nothing bought by count.
    QTest::newRow("lowest price 0")
        << Product(method::kCountedOrder, {{"0", "3"}}, "", "", "", "100") << Order("25", 1)
        << qint64(3) << "0"
        << "计数";
    QTest::newRow("nothing set") << Product(method::kTimedAccount, {}) << Order("25", 1)
                                 << qint64(0) << "0"
                                 << "计数";
}

void PriceTiersTest::timedGrant() {
    QFETCH(ProductRecord, product);
    QFETCH(OrderRecord, order);
    QFETCH(qint64, days);
    QFETCH(QString, bought);
    QFETCH(QString, kind);
    const TimedGrantResult g =
        TimedGrant(order, product, QDateTime(QDate(2014, 11, 14), QTime(4, 34, 42)));
    QCOMPARE(g.days, days);
    QCOMPARE(g.bought, bought);
    QCOMPARE(g.kind, kind);
    QCOMPARE(g.given, product.field(ProductRecord::GiftCount));
}

void PriceTiersTest::timedGrantTimes() {
    const ProductRecord p =
        Product(method::kTimedAccount, {{"10", "3"}, {"100", "30"}}, "", "2", "12");
    const QDateTime now(QDate(2014, 11, 14), QTime(4, 34, 42, 765));
    const TimedGrantResult g = TimedGrant(Order("100", 1), p, now);
    QCOMPARE(g.days, qint64(35));
    QCOMPARE(g.start, QDateTime(QDate(2014, 11, 14), QTime(4, 34, 42)));
    QCOMPARE(g.end, QDateTime(QDate(2014, 12, 19), QTime(16, 34, 42)));
    QCOMPARE(g.tier, 2);
}

void PriceTiersTest::methodFieldTable() {
    QCOMPARE(DeliveryMethods().size(), 6);
    QCOMPARE(MethodFieldTable().size(), 6);
    for (const QString& m : DeliveryMethods())
        QVERIFY(MethodFieldsFor(m));
    QVERIFY(!MethodFieldsFor("请先选择方式"));
    const MethodFields* counted = MethodFieldsFor(method::kCountedOrder);
    QCOMPARE(counted->editable.size(), 18);
    QCOMPARE(counted->switchName, QString("选择框_网验开关"));
    QVERIFY(!counted->switchTicked);
    QCOMPARE(MethodFieldsFor(method::kDirectCount)->editable.size(), 15);
    QCOMPARE(MethodFieldsFor(method::kTimedAccount)->editable.size(), 16);
    QCOMPARE(MethodFieldsFor(method::kDirectDownload)->editable.size(), 0);
    QVERIFY(MethodFieldsFor(method::kDirectDownload)->enablesTextFields);
    QCOMPARE(MethodFieldsFor(method::kCardKeyWithPeriod)->rowCaption, QString(" 价格 ---  天数"));
    QCOMPARE(MethodFieldsFor(method::kCardKeyWithPeriod)->caption, QString(" 价格 --- 天数"));
}

QTEST_APPLESS_MAIN(PriceTiersTest)
#include "PriceTiersTest.moc"
