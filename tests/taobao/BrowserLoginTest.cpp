// The seller's login in the real embedded browser, offscreen, against taobao-sim.
#include <QApplication>
#include <QSignalSpy>
#include <QtTest>

#include "TaobaoSim.h"
#include "platform/WebEngineBrowser.h"
#include "support/MapControls.h"
#include "support/RecordingDialogs.h"
#include "support/VirtualClock.h"
#include "taobao/HttpRequest.h"
#include "taobao/SharedCookieJar.h"
#include "taobao/TaobaoModule.h"

using namespace fahuo;

class BrowserLoginTest : public QObject {
    Q_OBJECT
  private slots:
    void loginInTheBrowserServesTheReaders();
};

void BrowserLoginTest::loginInTheBrowserServesTheReaders() {
    test::TaobaoSim sim;
    QVERIFY2(sim.Start(), qPrintable(sim.error()));
    sim.AddOrders({QJsonObject{{"itemTitle", "迅雷白金会员 一个月"},
                               {"buyerNick", "青鸾买家"},
                               {"buyerEmail", "buyer1@qq.com"},
                               {"orderNumber", "2014 1114 0001"},
                               {"unitPrice", "12.50"},
                               {"quantity", 2},
                               {"orderId", "7001"}},
                   QJsonObject{{"itemTitle", "QQ会员"},
                               {"buyerNick", "tb_two"},
                               {"orderNumber", "20141114000200"},
                               {"unitPrice", "8"},
                               {"quantity", 1},
                               {"orderId", "7002"}}});

    test::MapControls controls;
    test::RecordingDialogs dialogs;
    test::VirtualClock clock;
    TaobaoModule module(controls, dialogs, clock, sim.Hosts());
    module.Http().SetDefaultTimeoutMs(20000);

    WebEngineBrowser browser;
    QCOMPARE(browser.objectName(), QString("互联网浏览器1"));
    browser.resize(840, 408);
    browser.show();
    int shown = 0;
    module.AttachBrowser(browser, [&] { ++shown; });
    QSignalSpy loaded(&browser, &QWebEngineView::loadFinished);
    module.OpenLoginPage();
    QTRY_VERIFY_WITH_TIMEOUT(loaded.size() >= 1, 60000);
    QCOMPARE(loaded.last().value(0).toBool(), true);
    QCOMPARE(browser.url().path(), QString("/member/login.jhtml"));
    QVERIFY(!browser.IsHidden());
    QCOMPARE(module.ReadOrderList().size(), 0);  // not logged in yet

    browser.page()->runJavaScript(
        QStringLiteral("document.getElementById('TPL_username').value = 'demo';"
                       "document.getElementById('TPL_password').value = 'demo';"
                       "document.getElementById('login-form').submit();"));
    QTRY_VERIFY_WITH_TIMEOUT(browser.IsHidden(), 60000);
    QVERIFY(browser.isHidden());
    QCOMPARE(shown, 1);
    QVERIFY(browser.url().toString().contains("my_taobao"));

    // The HttpOnly login cookie came over from the browser's store.
    auto hasLogin = [&] {
        for (const QNetworkCookie& c : module.Http().cookieJar()->AllCookies()) {
            if (c.name() == "cookie2" && c.isHttpOnly())
                return true;
        }
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(hasLogin(), 10000);

    const OrderList orders = module.ReadOrderList();
    QCOMPARE(orders.size(), 2);
    QCOMPARE(orders[0].orderNumber, QString("201411140001"));
    QCOMPARE(orders[0].amount, QString("24"));
    QCOMPARE(orders[1].buyerEmail, QString());

    module.ConfirmShipment(orders[0]);
    const OrderList after = module.ReadOrderList();
    QCOMPARE(after.size(), 1);
    QCOMPARE(after[0].orderId, QString("7002"));
    QVERIFY(sim.Orders()[0].toObject()["shipped"].toBool());

    // Cookies a response of the program sets reach the browser too: a login through the HTTP
    // client renews the token the page sees.
    QVERIFY(test::TaobaoSim::LogIn(module.Http(), module.hosts()));
    QByteArray token;
    for (const QNetworkCookie& c : module.Http().cookieJar()->AllCookies()) {
        if (c.name() == "_tb_token_")
            token = c.value();
    }
    QVERIFY(!token.isEmpty());
    auto pageCookies = [&browser] {
        auto result = std::make_shared<std::optional<QString>>();
        browser.page()->runJavaScript(QStringLiteral("document.cookie"),
                                      [result](const QVariant& v) { *result = v.toString(); });
        QElapsedTimer waited;
        waited.start();
        while (!result->has_value() && waited.elapsed() < 5000)
            QTest::qWait(20);
        return result->value_or(QString());
    };
    QTRY_VERIFY_WITH_TIMEOUT(pageCookies().contains("_tb_token_=" + QString::fromLatin1(token)),
                             10000);

    // A refresh keeps the browser on the seller's page, hidden.
    loaded.clear();
    module.RefreshBrowser();
    QTRY_VERIFY_WITH_TIMEOUT(loaded.size() >= 1, 30000);
    QVERIFY(browser.IsHidden());
    QCOMPARE(shown, 1);
}

QTEST_MAIN(BrowserLoginTest)
#include "BrowserLoginTest.moc"
