#include <QtTest>

#include "EngineFakes.h"
#include "engine/DeliveryEngine.h"
#include "engine/DeliveryMethod.h"
#include "support/MapControls.h"
#include "support/RecordingDialogs.h"
#include "support/VirtualClock.h"

using namespace fahuo;
using namespace fahuo::test;

namespace {

const QString kView = QStringLiteral("超级列表框_发货");

// A cycle over fakes; products deliver by direct download with only the mail switched on, so
// each delivery shows as one mail whose subject names the product row.
struct Shop {
    MapControls controls;
    VirtualClock clock;
    RecordingDialogs dialogs;
    FakeOrderSource orders;
    FakeKeyStore keys;
    FakeMail mail;
    FakeChat chat;
    QStandardItemModel view;
    DeliveryEngine engine{{controls, clock, dialogs, orders, keys, mail, chat, QString()}};

    Shop() {
        SetDefaultSettings(controls);
        controls.SetTicked(QStringLiteral("选择框_淘宝发货开关"), false);
        controls.SetTicked(QStringLiteral("选择框_发千牛消息开关"), false);
        controls.SetView(kView, &view);
    }
    void AddProduct(const QString& title, const QString& method, const QString& subject) {
        ProductRecord p = MakeProduct(title, method);
        p.setField(ProductRecord::MailSubject, subject);
        AddProductRow(view, p);
    }
    QStringList Subjects() const {
        QStringList s;
        for (const DeliveryMail& m : mail.sent)
            s.append(m.subject);
        return s;
    }
};

}  // namespace

class MonitorCycleTest : public QObject {
    Q_OBJECT
  private slots:
    void dispatch_data();
    void dispatch();
    void productCacheIsTheViewsColumns();
    void passWaitsAndPause_data();
    void passWaitsAndPause();
    void intervalChangedDuringPassIsUsedForThatPause();
    void productAddedDuringPassIsUsedFromNextPass();
    void startButtonRunsUntilProgramEnds();
    void orderStaysAndIsDeliveredAgainWithoutConsignment();
};

void MonitorCycleTest::dispatch_data() {
    QTest::addColumn<QStringList>("productRows");  // "title|method|subject"
    QTest::addColumn<QStringList>("orderTitles");
    QTest::addColumn<QStringList>("subjects");

    const QString dl = method::kDirectDownload;
    QTest::newRow("no products") << QStringList{} << QStringList{"会员卡"} << QStringList{};
    QTest::newRow("first row of a title wins")
        << QStringList{"会员卡|" + dl + "|row1", "会员卡|" + dl + "|row2"}
        << QStringList{"会员卡", "会员卡"} << QStringList{"row1", "row1"};
    QTest::newRow("orders in page order")
        << QStringList{"A|" + dl + "|a", "B|" + dl + "|b"} << QStringList{"B", "A", "B"}
        << QStringList{"b", "a", "b"};
    QTest::newRow("letter case differs")
        << QStringList{"Vip Card|" + dl + "|x"} << QStringList{"VIP Card"} << QStringList{};
    QTest::newRow("full-width letters differ")
        << QStringList{"VIP|" + dl + "|x"} << QStringList{"ＶＩＰ"} << QStringList{};
    QTest::newRow("inner or outer spaces differ")
        << QStringList{"会员 卡|" + dl + "|x", "会员卡 |" + dl + "|y"}
        << QStringList{"会员卡", "会员  卡"} << QStringList{};
    QTest::newRow("unknown or empty method skipped, no later row tried")
        << QStringList{"A|直接 下载|x", "A|" + dl + "|y", "B||z"} << QStringList{"A", "B"}
        << QStringList{};
}

void MonitorCycleTest::dispatch() {
    QFETCH(QStringList, productRows);
    QFETCH(QStringList, orderTitles);
    QFETCH(QStringList, subjects);
    Shop shop;
    for (const QString& row : productRows) {
        const QStringList f = row.split(QLatin1Char('|'));
        shop.AddProduct(f[0], f[1], f[2]);
    }
    for (int i = 0; i < orderTitles.size(); ++i)
        shop.orders.orders.append(MakeOrder(orderTitles[i], QString::number(i + 1), "b"));
    shop.engine.cycle().RunPass();
    QCOMPARE(shop.Subjects(), subjects);
    QCOMPARE(shop.engine.deliveries().SuccessCount(), subjects.size());
}

void MonitorCycleTest::productCacheIsTheViewsColumns() {
    Shop shop;
    ProductRecord p;
    for (int k = 1; k <= ProductRecord::kFieldCount; ++k)
        p.setField(k, QStringLiteral("f%1").arg(k));
    AddProductRow(shop.view, p);
    shop.engine.cycle().RebuildProductCache();
    QCOMPARE(shop.engine.cycle().productCache().size(), 1);
    QCOMPARE(shop.engine.cycle().productCache()[0], p);  // column 0 (id) and 27 (note) left out
}

void MonitorCycleTest::passWaitsAndPause_data() {
    QTest::addColumn<QString>("interval");
    QTest::addColumn<int>("pause");
    QTest::newRow("default") << "60000" << 60000;
    QTest::newRow("leading blank") << " 3000" << 3000;
    QTest::newRow("full-width digits") << "１５００" << 1500;
    QTest::newRow("cents dropped") << "12.50" << 12;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("letters") << "abc" << 0;
    QTest::newRow("negative") << "-5" << 0;
}

void MonitorCycleTest::passWaitsAndPause() {
    QFETCH(QString, interval);
    QFETCH(int, pause);
    Shop shop;
    shop.controls.SetText(QStringLiteral("编辑框_发后延迟"), interval);
    shop.engine.cycle().RunPass();
    shop.engine.cycle().PauseAfterPass();
    QCOMPARE(shop.clock.delays, (QList<int>{500, 1000, 500, pause}));
    QCOMPARE(shop.orders.refreshes, 1);
    QCOMPARE(shop.orders.reads, 1);
}

void MonitorCycleTest::intervalChangedDuringPassIsUsedForThatPause() {
    Shop shop;
    shop.AddProduct("A", method::kDirectDownload, "a");
    shop.orders.orders.append(MakeOrder("A", "1", "b"));
    // The seller types a new interval while the delivery waits after its mail.
    shop.clock.onDelay = [&](int ms) {
        if (ms == 2000)
            shop.controls.SetText(QStringLiteral("编辑框_发后延迟"), QStringLiteral("7000"));
    };
    shop.engine.cycle().RunPass();
    shop.engine.cycle().PauseAfterPass();
    QCOMPARE(shop.clock.delays.last(), 7000);
}

void MonitorCycleTest::productAddedDuringPassIsUsedFromNextPass() {
    Shop shop;
    shop.orders.orders.append(MakeOrder("A", "1", "b"));
    shop.clock.onDelay = [&](int ms) {
        if (ms == 1000 && shop.view.rowCount() == 0)
            shop.AddProduct("A", method::kDirectDownload, "a");
    };
    shop.engine.cycle().RunPass();
    QVERIFY(shop.mail.sent.isEmpty());
    shop.engine.cycle().RunPass();
    QCOMPARE(shop.Subjects(), QStringList{"a"});
}

void MonitorCycleTest::startButtonRunsUntilProgramEnds() {
    Shop shop;
    shop.controls.SetText(QStringLiteral("编辑框_发后延迟"), QStringLiteral("0"));
    const ControlActions actions = shop.engine.Actions();
    const auto start = std::find_if(actions.begin(), actions.end(), [](const ControlAction& a) {
        return a.control == QStringLiteral("按钮_开始");
    });
    QVERIFY(start != actions.end());
    QCOMPARE(start->event, ControlAction::Event::Clicked);

    // Many passes in one call: the cycle is a loop, so the stack does not grow. The window ends
    // the program from inside a wait, as closing it would.
    const int passes = 20000;
    bool clickedAgain = false;
    shop.clock.onDelay = [&](int) {
        if (!clickedAgain) {
            clickedAgain = true;
            QVERIFY(!shop.controls.Enabled(QStringLiteral("按钮_开始")));
            QCOMPARE(shop.controls.Text(QStringLiteral("按钮_开始")), QStringLiteral("工作中"));
            start->run();  // a second cycle must not start inside the first
        }
        if (shop.orders.reads == passes)
            shop.engine.ProgramEnding();
    };
    start->run();
    QCOMPARE(shop.orders.reads, passes);
    QVERIFY(!shop.engine.cycle().Running());
}

void MonitorCycleTest::orderStaysAndIsDeliveredAgainWithoutConsignment() {
    Shop shop;
    shop.AddProduct("A", method::kDirectDownload, "a");
    shop.orders.orders.append(MakeOrder("A", "1", "b"));
    shop.engine.cycle().RunPass();
    shop.engine.cycle().RunPass();
    QCOMPARE(shop.Subjects(), (QStringList{"a", "a"}));
    shop.controls.SetTicked(QStringLiteral("选择框_淘宝发货开关"), true);
    shop.engine.cycle().RunPass();
    shop.engine.cycle().RunPass();
    QCOMPARE(shop.Subjects(), (QStringList{"a", "a", "a"}));
    QCOMPARE(shop.orders.confirmed, QStringList{"1"});
}

QTEST_GUILESS_MAIN(MonitorCycleTest)
#include "MonitorCycleTest.moc"
