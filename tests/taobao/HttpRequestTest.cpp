#include <QElapsedTimer>
#include <QFile>
#include <QSslConfiguration>
#include <QSslKey>
#include <QtTest>

#include "RawHttpServer.h"
#include "support/TestPaths.h"
#include "taobao/HttpRequest.h"
#include "taobao/RequestUrl.h"
#include "taobao/ResponseCookies.h"
#include "taobao/SharedCookieJar.h"

using namespace fahuo;
using test::RawHttpServer;

class HttpRequestTest : public QObject {
    Q_OBJECT
  private slots:
    void requestUrl_data();
    void requestUrl();
    void hostPartOfHttpsIsTheScheme();
    void urlWithoutSchemeIsPlainHttp();
    void defaultHeaders_data();
    void defaultHeaders();
    void postHeaders_data();
    void postHeaders();
    void otherMethodsSendNothing();
    void cookies_data();
    void cookies();
    void returnedCookieText_data();
    void returnedCookieText();
    void returnedCookiesAndHeaders();
    void redirectIsFollowed();
    void bodyOfAnErrorStatusIsReturned();
    void credentialsAreGivenWhenAsked();
    void proxyIsUsed();
    void silentServerTimesOut_data();
    void silentServerTimesOut();
    void httpsWorks();
    void failedTlsHandshakeGivesEmpty();
};

void HttpRequestTest::requestUrl_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");  // QUrl in full, empty for invalid

    QTest::newRow("no scheme is http on 80") << "www.taobao.com/x?a=1"
                                             << "http://www.taobao.com/x?a=1";
    QTest::newRow("port and path") << "http://host:8080/p"
                                   << "http://host:8080/p";
    QTest::newRow("ends with the host") << "http://host"
                                        << "http://host/";
    QTest::newRow("host lower-cased") << "http://WuLiu.TAOBAO.com/A"
                                      << "http://wuliu.taobao.com/A";
    QTest::newRow("https on 443") << "https://wuliu.taobao.com/user/x.htm"
                                  << "https://wuliu.taobao.com/user/x.htm";
    QTest::newRow("https with port") << "HTTPS://h:8443/"
                                     << "https://h:8443/";
    QTest::newRow("address inside the query stays in the query")
        << "h/p?back=http://other/x"
        << "http://h/p?back=http://other/x";
    QTest::newRow("query without a path") << "http://h?a=1"
                                          << "http://h/?a=1";
    QTest::newRow("unencoded ampersand kept") << "http://h/c.htm?trade_id=1&order_id=2&x"
                                              << "http://h/c.htm?trade_id=1&order_id=2&x";
    QTest::newRow("no host") << "http:///p"
                             << "";
    QTest::newRow("bad port") << "http://h:99999/p"
                              << "";
}

void HttpRequestTest::requestUrl() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const QUrl url = RequestUrl(text);
    QCOMPARE(url.isValid() ? url.toString(QUrl::FullyEncoded) : QString(), expected);
}

void HttpRequestTest::hostPartOfHttpsIsTheScheme() {
    QCOMPARE(UrlHostPart("https://login.taobao.com/member/login.jhtml"), QString("https:"));
    QCOMPARE(UrlHostPart("http://127.0.0.1:81/member/login.jhtml"), QString("127.0.0.1:81"));
    QCOMPARE(UrlHostPart("host"), QString("host"));
}

void HttpRequestTest::urlWithoutSchemeIsPlainHttp() {
    RawHttpServer server;
    server.responses = {RawHttpServer::Response("plain")};
    HttpClient http;
    HttpRequestArgs args;
    args.url = QStringLiteral("127.0.0.1:%1/q?x=1").arg(server.port());
    QCOMPARE(http.Request(args), QByteArray("plain"));
    QCOMPARE(server.requests.value(0).requestLine, QByteArray("GET /q?x=1 HTTP/1.1"));
}

void HttpRequestTest::defaultHeaders_data() {
    QTest::addColumn<QString>("extraHeaders");
    QTest::addColumn<QByteArray>("accept");
    QTest::addColumn<QByteArray>("refererOverride");  // empty: the request's own URL
    QTest::addColumn<QByteArray>("language");

    const QByteArray defaultAccept =
        "image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
        "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, */*";
    QTest::newRow("defaults") << QString() << defaultAccept << QByteArray() << QByteArray("zh-cn");
    QTest::newRow("own referer suppresses the default")
        << "Referer: http://shop/\r\n"
        << defaultAccept << QByteArray("http://shop/") << QByteArray("zh-cn");
    QTest::newRow("lower-case accept suppresses the default")
        << "accept: text/html\r\n"
        << QByteArray("text/html") << QByteArray() << QByteArray("zh-cn");
    QTest::newRow("own language") << "Accept-Language: en\r\nX-Extra: 1\r\n"
                                  << defaultAccept << QByteArray() << QByteArray("en");
}

void HttpRequestTest::defaultHeaders() {
    QFETCH(QString, extraHeaders);
    QFETCH(QByteArray, accept);
    QFETCH(QByteArray, refererOverride);
    QFETCH(QByteArray, language);
    RawHttpServer server;
    server.responses = {RawHttpServer::Response("ok")};
    HttpClient http;
    HttpRequestArgs args;
    args.url = server.Url("/page?a=1");
    args.extraHeaders = extraHeaders;
    QCOMPARE(http.Request(args), QByteArray("ok"));
    QCOMPARE(server.requests.size(), 1);
    const test::RawRequest& r = server.requests[0];
    QCOMPARE(r.requestLine, QByteArray("GET /page?a=1 HTTP/1.1"));
    QCOMPARE(r.Header("Accept"), accept);
    QCOMPARE(r.Header("Referer"),
             refererOverride.isEmpty() ? args.url.toLatin1() : refererOverride);
    QCOMPARE(r.Header("Accept-Language"), language);
    QCOMPARE(r.Header("User-Agent"), QByteArray(HttpClient::kUserAgent));
    if (extraHeaders.contains("X-Extra"))
        QCOMPARE(r.Header("X-Extra"), QByteArray("1"));
}

void HttpRequestTest::postHeaders_data() {
    QTest::addColumn<QString>("method");
    QTest::addColumn<QByteArray>("postData");
    QTest::addColumn<QString>("extraHeaders");
    QTest::addColumn<QByteArray>("contentType");  // empty: none sent

    QTest::newRow("form body") << "POST" << QByteArray("a=1&b=%C4%FA") << QString()
                               << QByteArray("application/x-www-form-urlencoded");
    QTest::newRow("method in lower case") << "post" << QByteArray("a=1") << QString()
                                          << QByteArray("application/x-www-form-urlencoded");
    QTest::newRow("own content type kept")
        << "POST" << QByteArray("{}") << "Content-Type: application/json\r\n"
        << QByteArray("application/json");
    QTest::newRow("empty body adds no form headers")
        << "POST" << QByteArray() << QString() << QByteArray();
}

void HttpRequestTest::postHeaders() {
    QFETCH(QString, method);
    QFETCH(QByteArray, postData);
    QFETCH(QString, extraHeaders);
    QFETCH(QByteArray, contentType);
    RawHttpServer server;
    server.responses = {RawHttpServer::Response("posted")};
    HttpClient http;
    HttpRequestArgs args;
    args.url = server.Url("/post");
    args.method = method;
    args.postData = postData;
    args.extraHeaders = extraHeaders;
    QCOMPARE(http.Request(args), QByteArray("posted"));
    QCOMPARE(server.requests.size(), 1);
    const test::RawRequest& r = server.requests[0];
    QCOMPARE(r.requestLine, QByteArray("POST /post HTTP/1.1"));
    QCOMPARE(r.body, postData);
    QCOMPARE(r.Header("Content-Type"), contentType);
    if (postData.isEmpty())
        QVERIFY(r.Header("Content-Length").toInt() == 0);
    else
        QCOMPARE(r.Header("Content-Length"), QByteArray::number(postData.size()));
}

void HttpRequestTest::otherMethodsSendNothing() {
    RawHttpServer server;
    server.responses = {RawHttpServer::Response("should not be read")};
    HttpClient http;
    HttpRequestArgs args;
    args.url = server.Url("/x");
    args.method = QStringLiteral("PUT");
    QCOMPARE(http.Request(args), QByteArray());
    QTest::qWait(50);
    QCOMPARE(server.requests.size(), 0);
}

void HttpRequestTest::cookies_data() {
    QTest::addColumn<QString>("cookieText");
    QTest::addColumn<bool>("storeCookies");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<bool>("responseCookieKept");

    QTest::newRow("jar's cookies when no text")
        << QString() << false << QByteArray("login=abc") << true;
    QTest::newRow("cookie text replaces the jar's")
        << " x=9; y=8 " << false << QByteArray("x=9; y=8") << false;
    QTest::newRow("cookie text with storing")
        << "x=9" << true << QByteArray("x=9; login=abc") << true;
}

void HttpRequestTest::cookies() {
    QFETCH(QString, cookieText);
    QFETCH(bool, storeCookies);
    QFETCH(QByteArray, sent);
    QFETCH(bool, responseCookieKept);
    RawHttpServer server;
    server.responses = {RawHttpServer::Response("c", "Set-Cookie: fresh=1; Path=/\r\n")};
    HttpClient http;
    QNetworkCookie login("login", "abc");
    login.setDomain("127.0.0.1");
    login.setPath("/");
    QVERIFY(http.cookieJar()->insertCookie(login));

    HttpRequestArgs args;
    args.url = server.Url("/c");
    args.cookieText = cookieText;
    args.storeCookies = storeCookies;
    QCOMPARE(http.Request(args), QByteArray("c"));
    QCOMPARE(server.requests.value(0).Header("Cookie"), sent);
    bool kept = false;
    for (const QNetworkCookie& c : http.cookieJar()->cookiesForUrl(QUrl(server.Url())))
        kept = kept || c.name() == "fresh";
    QCOMPARE(kept, responseCookieKept);
}

void HttpRequestTest::returnedCookieText_data() {
    QTest::addColumn<QString>("headers");
    QTest::addColumn<QString>("expected");

    QTest::newRow("two cookies") << "HTTP/1.1 200 OK\r\nSet-Cookie: a=1; path=/\r\n"
                                    "Set-Cookie: b=2; path=/\r\n\r\n"
                                 << "a=1; b=2";
    QTest::newRow("empty value left out") << "Set-Cookie: a=; path=/\r\nSet-Cookie: b=2; path=/\r\n"
                                          << "b=2";
    QTest::newRow("no semicolon after the value") << "Set-Cookie: a=1\r\nSet-Cookie: b=2;\r\n"
                                                  << "b=2";
    QTest::newRow("lower-case header ignored") << "set-cookie: a=1; path=/\r\n"
                                               << "";
    QTest::newRow("none") << "HTTP/1.1 200 OK\r\n\r\n"
                          << "";
}

void HttpRequestTest::returnedCookieText() {
    QFETCH(QString, headers);
    QFETCH(QString, expected);
    QCOMPARE(ReturnedCookieText(headers), expected);
}

void HttpRequestTest::returnedCookiesAndHeaders() {
    RawHttpServer server;
    server.responses = {RawHttpServer::Response(
        "body", "Set-Cookie: a=1; path=/\r\nSet-Cookie: b=2; path=/\r\nX-Shop: yes\r\n")};
    HttpClient http;
    QString cookies = QStringLiteral("unchanged");
    QString headers;
    HttpRequestArgs args;
    args.url = server.Url("/h");
    args.returnedCookies = &cookies;
    args.returnedHeaders = &headers;
    QCOMPARE(http.Request(args), QByteArray("body"));
    QCOMPARE(cookies, QString("a=1; b=2"));
    QVERIFY2(headers.startsWith("HTTP/1.1 200 OK\r\n"), qPrintable(headers));
    QVERIFY(headers.contains("X-Shop: yes\r\n"));
    QVERIFY(headers.contains("Set-Cookie: a=1; path=/\r\n"));
    QVERIFY(headers.contains("Set-Cookie: b=2; path=/\r\n"));
}

void HttpRequestTest::redirectIsFollowed() {
    RawHttpServer server;
    server.responses = {
        RawHttpServer::Response("", "Location: /final\r\nSet-Cookie: r=1; Path=/\r\n", "302 Found"),
        RawHttpServer::Response("arrived")};
    HttpClient http;
    HttpRequestArgs args;
    args.url = server.Url("/start");
    args.method = QStringLiteral("POST");
    args.postData = "x=1";
    QCOMPARE(http.Request(args), QByteArray("arrived"));
    QCOMPARE(server.requests.size(), 2);
    QCOMPARE(server.requests[1].requestLine, QByteArray("GET /final HTTP/1.1"));
    // A cookie set on the way is kept and sent to the next page.
    QCOMPARE(server.requests[1].Header("Cookie"), QByteArray("r=1"));
}

void HttpRequestTest::bodyOfAnErrorStatusIsReturned() {
    RawHttpServer server;
    server.responses = {RawHttpServer::Response("gone", {}, "404 Not Found")};
    HttpClient http;
    HttpRequestArgs args;
    args.url = server.Url("/missing");
    QCOMPARE(http.Request(args), QByteArray("gone"));
}

void HttpRequestTest::credentialsAreGivenWhenAsked() {
    RawHttpServer server;
    server.responses = {
        RawHttpServer::Response("who?", "WWW-Authenticate: Basic realm=\"shop\"\r\n",
                                "401 Unauthorized"),
        RawHttpServer::Response("welcome")};
    HttpClient http;
    HttpRequestArgs args;
    args.url = server.Url("/private");
    args.userName = QStringLiteral("seller");
    args.password = QStringLiteral("secret");
    QCOMPARE(http.Request(args), QByteArray("welcome"));
    QCOMPARE(server.requests.last().Header("Authorization"),
             "Basic " + QByteArray("seller:secret").toBase64());
}

void HttpRequestTest::proxyIsUsed() {
    RawHttpServer proxy;
    proxy.responses = {RawHttpServer::Response("via proxy")};
    HttpClient http;
    HttpRequestArgs args;
    args.url = QStringLiteral("http://shop.invalid/list.htm");
    args.proxy = QStringLiteral(" 127.0.0.1 : %1").arg(proxy.port());
    QCOMPARE(http.Request(args), QByteArray("via proxy"));
    QCOMPARE(proxy.requests.value(0).requestLine,
             QByteArray("GET http://shop.invalid/list.htm HTTP/1.1"));
}

void HttpRequestTest::silentServerTimesOut_data() {
    QTest::addColumn<int>("timeoutSeconds");
    QTest::addColumn<int>("defaultTimeoutMs");
    QTest::newRow("request's own time-out") << 1 << 90000;
    QTest::newRow("0 means the default") << 0 << 300;
}

void HttpRequestTest::silentServerTimesOut() {
    QFETCH(int, timeoutSeconds);
    QFETCH(int, defaultTimeoutMs);
    RawHttpServer server;  // no responses: it reads and never answers
    HttpClient http;
    http.SetDefaultTimeoutMs(defaultTimeoutMs);
    HttpRequestArgs args;
    args.url = server.Url("/slow");
    args.timeoutSeconds = timeoutSeconds;
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(http.Request(args), QByteArray());
    QVERIFY2(timer.elapsed() < 10000, "the wait is bounded by the time-out");
    QCOMPARE(server.requests.size(), 1);
    // The connection is closed by the client, not left hanging.
    QVERIFY(!server.sockets.isEmpty());
    QTRY_VERIFY(server.sockets[0]->state() == QAbstractSocket::UnconnectedState);
}

namespace {

QSslConfiguration ServerTls() {
    QFile cert(test::SourcePath("tests/fixtures/taobao/localhost-cert.pem"));
    QFile key(test::SourcePath("tests/fixtures/taobao/localhost-key.pem"));
    if (!cert.open(QIODevice::ReadOnly) || !key.open(QIODevice::ReadOnly))
        qFatal("missing TLS fixture");
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setLocalCertificate(QSslCertificate(cert.readAll()));
    tls.setPrivateKey(QSslKey(key.readAll(), QSsl::Rsa));
    return tls;
}

}  // namespace

void HttpRequestTest::httpsWorks() {
    const QSslConfiguration tls = ServerTls();
    // The client trusts the test's own certificate, as it trusts Taobao's through the system.
    QSslConfiguration clientTls = QSslConfiguration::defaultConfiguration();
    clientTls.addCaCertificate(tls.localCertificate());
    QSslConfiguration::setDefaultConfiguration(clientTls);

    auto* ssl = new QSslServer;
    ssl->setSslConfiguration(tls);
    RawHttpServer server(ssl);
    server.responses = {RawHttpServer::Response("secure order list")};
    HttpClient http;
    HttpRequestArgs args;
    args.url = QStringLiteral("https://127.0.0.1:%1/user/order_list_new.htm").arg(server.port());
    args.timeoutSeconds = 10;
    args.proxy = QStringLiteral("127.0.0.1:1");  // a proxy for http only: https goes direct
    QCOMPARE(http.Request(args), QByteArray("secure order list"));
    QCOMPARE(server.requests.value(0).requestLine,
             QByteArray("GET /user/order_list_new.htm HTTP/1.1"));
}

void HttpRequestTest::failedTlsHandshakeGivesEmpty() {
    // A server that answers the TLS greeting in plain http.
    QTcpServer plain;
    QVERIFY(plain.listen(QHostAddress::LocalHost));
    connect(&plain, &QTcpServer::newConnection, this, [&plain] {
        QTcpSocket* s = plain.nextPendingConnection();
        connect(s, &QTcpSocket::readyRead, s, [s] {
            s->readAll();
            s->write(RawHttpServer::Response("not tls"));
        });
    });
    HttpClient http;
    HttpRequestArgs args;
    args.url = QStringLiteral("https://127.0.0.1:%1/").arg(plain.serverPort());
    args.timeoutSeconds = 30;
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(http.Request(args), QByteArray());
    QVERIFY2(timer.elapsed() < 20000, "a failed handshake ends the request, not the time-out");
}

QTEST_GUILESS_MAIN(HttpRequestTest)
#include "HttpRequestTest.moc"
