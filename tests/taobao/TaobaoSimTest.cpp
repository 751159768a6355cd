// The readers, the consignment and the "获取" buttons against taobao-sim over real HTTP.
#include <QtTest>

#include "TaobaoSim.h"
#include "platform/ControlAction.h"
#include "support/MapControls.h"
#include "support/RecordingDialogs.h"
#include "support/VirtualClock.h"
#include "taobao/HttpRequest.h"
#include "taobao/SharedCookieJar.h"
#include "taobao/TaobaoModule.h"

using namespace fahuo;

namespace {

const QString kNotLoggedIn = QStringLiteral("在监控淘宝窗口先登录一下，获取才成功");

QJsonObject SimOrder(const QString& title, const QString& nick, const QString& email,
                     const QString& number, const QString& price, int quantity, const QString& id) {
    QJsonObject o{{"itemTitle", title}, {"buyerNick", nick},    {"orderNumber", number},
                  {"unitPrice", price}, {"quantity", quantity}, {"orderId", id}};
    if (!email.isEmpty())
        o.insert("buyerEmail", email);
    return o;
}

QJsonArray ThreeOrders() {
    return {SimOrder(" 迅雷 白金会员 一个月 ", "青鸾买家", "buyer1@qq.com", "2014 1114 0001",
                     "12.50", 3, "5001"),
            SimOrder("QQ会员", "tb_two", "", "20141114000200", "8", 1, "5002"),
            SimOrder("网易云音乐黑胶", "第三位", "third_3@163.com", "20141114000300", "30.99", 2,
                     "5003")};
}

void Run(const ControlActions& actions, const QString& control, ControlAction::Event event) {
    for (const ControlAction& a : actions) {
        if (a.control == control && a.event == event) {
            a.run();
            return;
        }
    }
    QFAIL(qPrintable("no action for " + control));
}

}  // namespace

class TaobaoSimTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void withoutLoginNothingIsRead();
    void formLoginPutsTheHttpOnlyCookieInTheJar();
    void ordersAreRead();
    void allShippedGivesNoOrders();
    void confirmShipmentShipsExactlyThatOrder();
    void confirmShipmentOfAWrongPairChangesNothing();
    void confirmShipmentWithoutLoginChangesNothing();
    void orderValuesGoUnencoded();
    void fetchButtonsFillTheirComboBox_data();
    void fetchButtonsFillTheirComboBox();
    void fetchWithNothingOnSale();
    void fetchWithoutLogin();
    void choosingAnItemShowsItsIdAndPrice_data();
    void choosingAnItemShowsItsIdAndPrice();
    void copyButtonPutsTheTitleOnTheClipboard();

  private:
    std::unique_ptr<TaobaoModule> LoggedInModule();

    test::TaobaoSim sim_;
    test::MapControls controls_;
    test::RecordingDialogs dialogs_;
    test::VirtualClock clock_;
};

void TaobaoSimTest::initTestCase() {
    QVERIFY2(sim_.Start(), qPrintable(sim_.error()));
}

void TaobaoSimTest::init() {
    sim_.Reset();
    controls_ = test::MapControls();
    dialogs_ = test::RecordingDialogs();
}

void TaobaoSimTest::cleanup() {
    sim_.LogOutEveryone();
}

std::unique_ptr<TaobaoModule> TaobaoSimTest::LoggedInModule() {
    auto module = std::make_unique<TaobaoModule>(controls_, dialogs_, clock_, sim_.Hosts());
    module->Http().SetDefaultTimeoutMs(10000);
    if (!test::TaobaoSim::LogIn(module->Http(), module->hosts()))
        qWarning("login to the sim failed");
    return module;
}

void TaobaoSimTest::withoutLoginNothingIsRead() {
    sim_.AddOrders(ThreeOrders());
    TaobaoModule module(controls_, dialogs_, clock_, sim_.Hosts());
    QVERIFY(!test::TaobaoSim::LogIn(module.Http(), module.hosts(), "demo", "wrong"));
    QCOMPARE(module.ReadOrderList().size(), 0);
}

void TaobaoSimTest::formLoginPutsTheHttpOnlyCookieInTheJar() {
    auto module = LoggedInModule();
    bool httpOnlyLogin = false;
    for (const QNetworkCookie& c : module->Http().cookieJar()->AllCookies())
        httpOnlyLogin = httpOnlyLogin || (c.name() == "cookie2" && c.isHttpOnly());
    QVERIFY(httpOnlyLogin);
    // The test shop is plain http, so the login host's cookies are named explicitly.
    QVERIFY(module->SessionCookieText().contains("cookie2="));
}

void TaobaoSimTest::ordersAreRead() {
    sim_.AddOrders(ThreeOrders());
    auto module = LoggedInModule();
    const OrderList orders = module->ReadOrderList();
    QCOMPARE(orders.size(), 3);
    QCOMPARE(orders[0], (OrderRecord{"迅雷 白金会员 一个月", "青鸾买家", "buyer1@qq.com",
                                     "201411140001", "12.50", 3, "36", "5001"}));
    QCOMPARE(orders[1],
             (OrderRecord{"QQ会员", "tb_two", "", "20141114000200", "8", 1, "8", "5002"}));
    QCOMPARE(orders[2], (OrderRecord{"网易云音乐黑胶", "第三位", "third_3@163.com",
                                     "20141114000300", "30.99", 2, "60", "5003"}));
}

void TaobaoSimTest::allShippedGivesNoOrders() {
    QJsonObject shipped = SimOrder("t", "n", "a@b.cn", "1", "1", 1, "9");
    shipped.insert("shipped", true);
    sim_.AddOrders({shipped});
    auto module = LoggedInModule();
    QCOMPARE(module->ReadOrderList().size(), 0);
}

void TaobaoSimTest::confirmShipmentShipsExactlyThatOrder() {
    sim_.AddOrders(ThreeOrders());
    auto module = LoggedInModule();
    const OrderList before = module->ReadOrderList();
    QCOMPARE(before.size(), 3);
    module->ConfirmShipment(before[0]);

    const QJsonArray log = sim_.Consignments();
    QCOMPARE(log.size(), 1);
    const QJsonObject entry = log[0].toObject();
    QCOMPARE(entry["tradeId"].toString(), QString("201411140001"));
    QCOMPARE(entry["orderId"].toString(), QString("5001"));
    QVERIFY(entry["loggedIn"].toBool());
    QVERIFY(entry["formAccepted"].toBool());
    QVERIFY(entry["shipped"].toBool());

    const OrderList after = module->ReadOrderList();
    QCOMPARE(after.size(), 2);
    QCOMPARE(after[0], before[1]);
    QCOMPARE(after[1], before[2]);
}

void TaobaoSimTest::confirmShipmentOfAWrongPairChangesNothing() {
    sim_.AddOrders(ThreeOrders());
    auto module = LoggedInModule();
    OrderList orders = module->ReadOrderList();
    OrderRecord mixed = orders[0];
    mixed.orderId = orders[1].orderId;
    module->ConfirmShipment(mixed);
    QCOMPARE(sim_.Consignments().size(), 1);
    QVERIFY(!sim_.Consignments()[0].toObject()["shipped"].toBool());
    QCOMPARE(module->ReadOrderList(), orders);
}

void TaobaoSimTest::confirmShipmentWithoutLoginChangesNothing() {
    sim_.AddOrders(ThreeOrders());
    auto module = LoggedInModule();
    const OrderList orders = module->ReadOrderList();
    TaobaoModule stranger(controls_, dialogs_, clock_, sim_.Hosts());
    stranger.ConfirmShipment(orders[0]);
    QCOMPARE(sim_.Consignments().size(), 1);
    QVERIFY(!sim_.Consignments()[0].toObject()["loggedIn"].toBool());
    QCOMPARE(module->ReadOrderList().size(), 3);
}

void TaobaoSimTest::orderValuesGoUnencoded() {
    auto module = LoggedInModule();
    OrderRecord odd;
    odd.orderNumber = QStringLiteral("77=1");
    odd.orderId = QStringLiteral("88&extra=1");
    module->ConfirmShipment(odd);
    const QJsonArray log = sim_.Consignments();
    QCOMPARE(log.size(), 1);
    QCOMPARE(log[0].toObject()["query"].toString(), QString("trade_id=77=1&order_id=88&extra=1"));
}

void TaobaoSimTest::fetchButtonsFillTheirComboBox_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("comboBox");
    QTest::newRow("按钮18") << "按钮18"
                            << "组合框_在售产品";
    QTest::newRow("按钮7") << "按钮7"
                           << "组合框_产品产品";
    QTest::newRow("按钮9") << "按钮9"
                           << "组合框_卡密产品";
    QTest::newRow("按钮17") << "按钮17"
                            << "组合框_直接计数产品";
    QTest::newRow("按钮8") << "按钮8"
                           << "组合框_发件箱产品";
}

void TaobaoSimTest::fetchButtonsFillTheirComboBox() {
    QFETCH(QString, button);
    QFETCH(QString, comboBox);
    sim_.AddItems({QJsonObject{{"title", " 迅雷白金会员 "}, {"id", "101"}, {"price", "12.50"}},
                   QJsonObject{{"title", "QQ会员"}, {"id", "102"}, {"price", "8.00"}}});
    auto module = LoggedInModule();
    controls_.SetText(comboBox,
                      QStringLiteral("请从淘宝后台编辑产品时复制标题过来，或登录后点获取"));
    controls_.SetItems(comboBox, {QStringLiteral("old title")});
    const ControlActions actions = module->Actions();
    Run(actions, button, ControlAction::Event::Clicked);
    QCOMPARE(controls_.Items(comboBox), (QStringList{"迅雷白金会员", "QQ会员"}));
    QCOMPARE(controls_.Text(comboBox), QString("有了！请选择"));
    QCOMPARE(dialogs_.messages, QStringList());
    QCOMPARE(module->onSaleList().value(1), (OnSaleItem{"QQ会员", "102", "8.00"}));

    // A second fetch replaces the list.
    sim_.Reset(QJsonObject{
        {"items",
         QJsonArray{QJsonObject{{"title", "网易云音乐黑胶"}, {"id", "103"}, {"price", "30"}}}}});
    Run(actions, button, ControlAction::Event::Clicked);
    QCOMPARE(controls_.Items(comboBox), QStringList{"网易云音乐黑胶"});
}

void TaobaoSimTest::fetchWithNothingOnSale() {
    auto module = LoggedInModule();
    controls_.SetText("组合框_卡密产品", "typed by the seller");
    Run(module->Actions(), "按钮9", ControlAction::Event::Clicked);
    QCOMPARE(dialogs_.messages, (QStringList{"没有在售产品！", kNotLoggedIn}));
    QCOMPARE(controls_.Text("组合框_卡密产品"), QString());
    QCOMPARE(controls_.Items("组合框_卡密产品"), QStringList());
}

void TaobaoSimTest::fetchWithoutLogin() {
    sim_.AddItems({QJsonObject{{"title", "QQ会员"}, {"id", "102"}, {"price", "8.00"}}});
    TaobaoModule module(controls_, dialogs_, clock_, sim_.Hosts());
    controls_.SetText("组合框_在售产品", "typed");
    Run(module.Actions(), "按钮18", ControlAction::Event::Clicked);
    QCOMPARE(dialogs_.messages, QStringList{kNotLoggedIn});
    QCOMPARE(controls_.Text("组合框_在售产品"), QString());
}

void TaobaoSimTest::choosingAnItemShowsItsIdAndPrice_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("message");
    QTest::newRow("first of two with the title") << "同名"
                                                 << "标题：同名;201单价；1.00";
    QTest::newRow("unique") << "别的"
                            << "标题：别的;203单价；3.00";
    QTest::newRow("typed, not on sale") << "没有这个"
                                        << "标题：没有这个;单价；";
}

void TaobaoSimTest::choosingAnItemShowsItsIdAndPrice() {
    QFETCH(QString, chosen);
    QFETCH(QString, message);
    sim_.AddItems({QJsonObject{{"title", "同名"}, {"id", "201"}, {"price", "1.00"}},
                   QJsonObject{{"title", "同名"}, {"id", "202"}, {"price", "2.00"}},
                   QJsonObject{{"title", "别的"}, {"id", "203"}, {"price", "3.00"}}});
    auto module = LoggedInModule();
    const ControlActions actions = module->Actions();
    Run(actions, "按钮18", ControlAction::Event::Clicked);
    controls_.SetText("组合框_在售产品", chosen);
    Run(actions, "组合框_在售产品", ControlAction::Event::ItemChosen);
    QCOMPARE(dialogs_.LastMessage(), message);
}

void TaobaoSimTest::copyButtonPutsTheTitleOnTheClipboard() {
    TaobaoModule module(controls_, dialogs_, clock_, sim_.Hosts());
    controls_.SetText("组合框_在售产品", "迅雷白金会员");
    Run(module.Actions(), "按钮3", ControlAction::Event::Clicked);
    QCOMPARE(dialogs_.clipboard, QString("迅雷白金会员"));
}

QTEST_GUILESS_MAIN(TaobaoSimTest)
#include "TaobaoSimTest.moc"
