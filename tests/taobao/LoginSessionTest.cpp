// The login logic against a scripted browser; the real browser runs in BrowserLoginTest.
#include <QtTest>

#include "RawHttpServer.h"
#include "platform/Browser.h"
#include "support/MapControls.h"
#include "support/RecordingDialogs.h"
#include "support/VirtualClock.h"
#include "taobao/HttpRequest.h"
#include "taobao/SessionCookie.h"
#include "taobao/SharedCookieJar.h"
#include "taobao/TaobaoModule.h"

using namespace fahuo;

namespace {

// A browser that does what it is told and reports loads when the test says so.
class ScriptedBrowser : public Browser {
  public:
    void Navigate(const QUrl& url) override {
        navigated.append(url);
        current = url;
    }
    void Reload() override { ++reloads; }
    QUrl CurrentUrl() const override { return current; }
    void Hide() override { ++hides; }
    bool IsHidden() const override { return hides > 0; }
    void SetCookie(const QNetworkCookie& c) override { set.append(c); }
    void DeleteCookie(const QNetworkCookie& c) override { deleted.append(c); }

    void Complete(const QString& url) {
        current = QUrl(url);
        if (navigationCompleted)
            navigationCompleted(current);
    }

    QList<QUrl> navigated;
    QUrl current;
    int reloads = 0;
    int hides = 0;
    QList<QNetworkCookie> set;
    QList<QNetworkCookie> deleted;
};

QNetworkCookie Cookie(const QByteArray& name, const QByteArray& value, const QString& domain) {
    QNetworkCookie c(name, value);
    c.setDomain(domain);
    c.setPath("/");
    return c;
}

}  // namespace

class LoginSessionTest : public QObject {
    Q_OBJECT
  private slots:
    void opensTheLoginHostOverHttps();
    void hidesAtTheSellersPages_data();
    void hidesAtTheSellersPages();
    void staysHiddenAndRefreshes();
    void browserCookiesReachTheRequests();
    void responseCookiesReachTheBrowser();
    void aLateRemovalKeepsTheRenewedCookie();
    void sessionCookieTextIsEmptyForTheRealLoginHost();
    void hostsFromArguments_data();
    void hostsFromArguments();

  private:
    test::MapControls controls_;
    test::RecordingDialogs dialogs_;
    test::VirtualClock clock_;
};

void LoginSessionTest::opensTheLoginHostOverHttps() {
    ScriptedBrowser browser;
    TaobaoModule module(controls_, dialogs_, clock_, TaobaoHosts());
    module.OpenLoginPage();  // no browser yet: nothing happens
    module.AttachBrowser(browser);
    module.OpenLoginPage();
    QCOMPARE(browser.navigated, QList<QUrl>{QUrl("https://login.taobao.com/")});
}

void LoginSessionTest::hidesAtTheSellersPages_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("hides");
    QTest::newRow("my_taobao") << "https://i.taobao.com/my_taobao.htm?nekot=1" << true;
    QTest::newRow("quicklogin") << "https://login.taobao.com/member/quicklogin.jhtml" << true;
    QTest::newRow("login page") << "https://login.taobao.com/member/login.jhtml" << false;
    QTest::newRow("case counts") << "https://i.taobao.com/My_Taobao.htm" << false;
}

void LoginSessionTest::hidesAtTheSellersPages() {
    QFETCH(QString, address);
    QFETCH(bool, hides);
    ScriptedBrowser browser;
    int shown = 0;
    TaobaoModule module(controls_, dialogs_, clock_, TaobaoHosts());
    module.AttachBrowser(browser, [&] { ++shown; });
    module.OpenLoginPage();
    browser.Complete("https://login.taobao.com/");
    QCOMPARE(browser.hides, 0);
    browser.Complete(address);
    QCOMPARE(browser.hides, hides ? 1 : 0);
    QCOMPARE(shown, hides ? 1 : 0);
}

void LoginSessionTest::staysHiddenAndRefreshes() {
    ScriptedBrowser browser;
    int shown = 0;
    TaobaoModule module(controls_, dialogs_, clock_, TaobaoHosts());
    module.AttachBrowser(browser, [&] { ++shown; });
    browser.Complete("https://i.taobao.com/my_taobao.htm");
    browser.Complete("https://login.taobao.com/");  // logged out later: the browser stays hidden
    browser.Complete("https://i.taobao.com/my_taobao.htm");
    QCOMPARE(browser.hides, 1);
    QCOMPARE(shown, 1);
    module.RefreshBrowser();
    module.RefreshBrowser();
    QCOMPARE(browser.reloads, 2);
}

void LoginSessionTest::browserCookiesReachTheRequests() {
    test::RawHttpServer server;
    server.responses = {test::RawHttpServer::Response("list")};
    ScriptedBrowser browser;
    TaobaoModule module(controls_, dialogs_, clock_, TaobaoHosts());
    module.AttachBrowser(browser);
    QNetworkCookie login = Cookie("cookie2", "s3cret", "127.0.0.1");
    login.setHttpOnly(true);
    browser.cookieAdded(login);
    browser.cookieAdded(Cookie("_nk_", "seller", ".other.example"));

    HttpRequestArgs args;
    args.url = server.Url("/user/order_list_new.htm");
    QCOMPARE(module.Http().Request(args), QByteArray("list"));
    QCOMPARE(server.requests.value(0).Header("Cookie"), QByteArray("cookie2=s3cret"));
    QVERIFY2(browser.set.isEmpty(), "the browser's own cookies are not echoed back to it");

    browser.cookieRemoved(login);
    QCOMPARE(module.Http().Request(args), QByteArray("list"));
    QVERIFY(!server.requests.value(1).HasHeader("Cookie"));
}

void LoginSessionTest::responseCookiesReachTheBrowser() {
    test::RawHttpServer server;
    server.responses = {test::RawHttpServer::Response(
        "ok",
        "Set-Cookie: _tb_token_=renewed; Path=/\r\nSet-Cookie: old=; Path=/; "
        "Expires=Thu, 01 Jan 1970 00:00:00 GMT\r\n")};
    ScriptedBrowser browser;
    TaobaoModule module(controls_, dialogs_, clock_, TaobaoHosts());
    module.AttachBrowser(browser);
    browser.cookieAdded(Cookie("old", "1", "127.0.0.1"));
    HttpRequestArgs args;
    args.url = server.Url("/x");
    module.Http().Request(args);
    QCOMPARE(browser.set.size(), 1);
    QCOMPARE(browser.set[0].name(), QByteArray("_tb_token_"));
    QCOMPARE(browser.set[0].value(), QByteArray("renewed"));
    QCOMPARE(browser.deleted.size(), 1);
    QCOMPARE(browser.deleted[0].name(), QByteArray("old"));
}

void LoginSessionTest::aLateRemovalKeepsTheRenewedCookie() {
    // The browser's store reports an overwrite as removing the old value and adding the new,
    // after our own response has stored the renewed token.
    test::RawHttpServer server;
    server.responses = {
        test::RawHttpServer::Response("ok", "Set-Cookie: _tb_token_=renewed; Path=/\r\n")};
    ScriptedBrowser browser;
    TaobaoModule module(controls_, dialogs_, clock_, TaobaoHosts());
    module.AttachBrowser(browser);
    const QNetworkCookie old = Cookie("_tb_token_", "old", "127.0.0.1");
    browser.cookieAdded(old);
    HttpRequestArgs args;
    args.url = server.Url("/x");
    module.Http().Request(args);
    auto token = [&] {
        for (const QNetworkCookie& c : module.Http().cookieJar()->AllCookies()) {
            if (c.name() == "_tb_token_")
                return c.value();
        }
        return QByteArray();
    };
    QCOMPARE(token(), QByteArray("renewed"));
    browser.cookieRemoved(old);
    QCOMPARE(token(), QByteArray("renewed"));
    browser.cookieAdded(Cookie("_tb_token_", "renewed", "127.0.0.1"));
    QCOMPARE(token(), QByteArray("renewed"));
    // A removal of the value the jar holds still takes it away.
    browser.cookieRemoved(Cookie("_tb_token_", "renewed", "127.0.0.1"));
    QCOMPARE(token(), QByteArray());
}

void LoginSessionTest::sessionCookieTextIsEmptyForTheRealLoginHost() {
    TaobaoModule module(controls_, dialogs_, clock_, TaobaoHosts());
    auto* jar = module.Http().cookieJar();
    jar->InsertFromBrowser(Cookie("cookie2", "x", ".taobao.com"));
    jar->InsertFromBrowser(Cookie("c", "y", "login.taobao.com"));
    // The https login address has no "http://" host part, so no cookie is named.
    QCOMPARE(module.SessionCookieText(), QString());

    const TaobaoHosts test = *TaobaoHosts::ForBase("http://127.0.0.1:8080");
    jar->InsertFromBrowser(Cookie("cookie2", "z", "127.0.0.1"));
    QCOMPARE(SessionCookieText(*jar, test), QString("cookie2=z"));
}

void LoginSessionTest::hostsFromArguments_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("orderList");
    QTest::addColumn<QString>("itemHost");

    QTest::newRow("real hosts") << QStringList{"fahuo", "--data-dir", "d"} << true
                                << "https://wuliu.taobao.com/user/order_list_new.htm"
                                << "item.taobao.com";
    QTest::newRow("test shop") << QStringList{"fahuo", "--taobao-base", "http://127.0.0.1:81/"}
                               << true << "http://127.0.0.1:81/user/order_list_new.htm"
                               << "127.0.0.1:81";
    QTest::newRow("with =") << QStringList{"--taobao-base=https://Shop.Example"} << true
                            << "https://shop.example/user/order_list_new.htm"
                            << "shop.example";
    QTest::newRow("missing URL") << QStringList{"fahuo", "--taobao-base"} << false << ""
                                 << "";
    QTest::newRow("not http") << QStringList{"--taobao-base", "ftp://x"} << false << ""
                              << "";
    QTest::newRow("no host") << QStringList{"--taobao-base", "127.0.0.1:81"} << false << ""
                             << "";
}

void LoginSessionTest::hostsFromArguments() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, valid);
    QFETCH(QString, orderList);
    QFETCH(QString, itemHost);
    QString error;
    const std::optional<TaobaoHosts> hosts = HostsFromArguments(arguments, &error);
    QCOMPARE(hosts.has_value(), valid);
    QCOMPARE(error.isEmpty(), valid);
    if (!hosts)
        return;
    QCOMPARE(hosts->OrderListUrl(), orderList);
    QCOMPARE(hosts->itemHost, itemHost);
    if (arguments.join(' ').contains("--taobao-base"))
        QCOMPARE(hosts->login + "/user/order_list_new.htm", orderList);
    else
        QCOMPARE(hosts->LoginRootUrl(), QString("https://login.taobao.com/"));
}

QTEST_GUILESS_MAIN(LoginSessionTest)
#include "LoginSessionTest.moc"
