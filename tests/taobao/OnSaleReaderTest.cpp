#include <QtTest>

#include "SavedPage.h"
#include "taobao/OnSaleReader.h"

using namespace fahuo;

Q_DECLARE_METATYPE(fahuo::OnSaleList)

namespace {

QString Link(const QString& host, const QString& id, const QString& title) {
    return QStringLiteral("<a href=\"http://%1/item.htm?id=%2\" target=_blank title=\"%3\">x</a>\n")
        .arg(host, id, title);
}

QString Price(const QString& price) {
    return QStringLiteral("<span class=\"price-now\" data-price=\"%1\"></span>\n").arg(price);
}

}  // namespace

class OnSaleReaderTest : public QObject {
    Q_OBJECT
  private slots:
    void pages_data();
    void pages();
    void nothingOnSale();
};

void OnSaleReaderTest::pages_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("itemHost");
    QTest::addColumn<OnSaleList>("expected");

    QTest::newRow("saved page: trimmed titles, https link, upper-case markup, other host skipped")
        << test::SavedPage("onsale_items.htm") << "item.taobao.com"
        << OnSaleList{{"QQ会员 一个月 自动发货", "36123456789", "12.50"},
                      {"迅雷白金会员 7天", "36123456790", "5.00"},
                      {"网易云音乐黑胶", "36123456791", "30.00"}};
    QTest::newRow("saved page read for a test shop's host finds none")
        << test::SavedPage("onsale_items.htm") << "127.0.0.1:8080" << OnSaleList{};
    QTest::newRow("extra prices dropped")
        << Link("127.0.0.1:8080", "1", "甲") + Price("1.00") + Price("2.00") << "127.0.0.1:8080"
        << OnSaleList{{"甲", "1", "1.00"}};
    QTest::newRow("missing prices stay empty")
        << Link("item.taobao.com", "1", "甲") + Price(" 1.00 ") + Link("item.taobao.com", "2", "乙")
        << "item.taobao.com" << OnSaleList{{"甲", "1", "1.00"}, {"乙", "2", ""}};
    QTest::newRow("dot in the host is literal")
        << Link("itemxtaobaoxcom", "1", "甲") << "item.taobao.com" << OnSaleList{};
    QTest::newRow("empty body") << QString() << "item.taobao.com" << OnSaleList{};
}

void OnSaleReaderTest::pages() {
    QFETCH(QString, page);
    QFETCH(QString, itemHost);
    QFETCH(OnSaleList, expected);
    const OnSaleList items = ParseOnSaleItems(page, itemHost);
    QCOMPARE(items.size(), expected.size());
    for (int i = 0; i < items.size(); ++i) {
        QCOMPARE(items[i].title, expected[i].title);
        QCOMPARE(items[i].id, expected[i].id);
        QCOMPARE(items[i].price, expected[i].price);
    }
}

void OnSaleReaderTest::nothingOnSale() {
    QVERIFY(SaysNothingOnSale(test::SavedPage("onsale_nothing.htm")));
    QVERIFY(!SaysNothingOnSale(test::SavedPage("onsale_items.htm")));
}

QTEST_GUILESS_MAIN(OnSaleReaderTest)
#include "OnSaleReaderTest.moc"
