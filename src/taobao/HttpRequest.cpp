#include "taobao/HttpRequest.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>

#include "taobao/RequestUrl.h"
#include "taobao/ResponseCookies.h"
#include "taobao/SharedCookieJar.h"
#include "text/Gbk.h"
#include "text/TextRules.h"

namespace fahuo {
namespace {

const QString kDefaultAccept = QStringLiteral(
    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
    "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, */*\r\n");

// The header lines to send: the caller's, then each default whose name they do not carry.
QString HeaderText(const HttpRequestArgs& args) {
    QString text = args.extraHeaders;
    auto addUnlessPresent = [&text](const QString& name, const QString& line) {
        if (!text.contains(name, Qt::CaseInsensitive))
            text += line;
    };
    addUnlessPresent(QStringLiteral("Accept: "), kDefaultAccept);
    addUnlessPresent(QStringLiteral("Referer: "),
                     QStringLiteral("Referer: ") + args.url + QStringLiteral("\r\n"));
    addUnlessPresent(QStringLiteral("Accept-Language: "),
                     QStringLiteral("Accept-Language: zh-cn\r\n"));
    return text;
}

void SetHeaderLines(QNetworkRequest& request, const QString& text) {
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon <= 0)
            continue;
        const QString name = line.left(colon).trimmed();
        const QString value = line.mid(colon + 1).trimmed();
        if (!name.isEmpty())
            request.setRawHeader(name.toLatin1(), EncodeGbk(value));
    }
}

// Status line and headers of the final response, one per line; each Set-Cookie on its own.
QString RawHeaders(QNetworkReply* reply) {
    QString text =
        QStringLiteral("HTTP/1.1 %1 %2\r\n")
            .arg(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt())
            .arg(QString::fromLatin1(
                reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray()));
    for (const auto& [name, value] : reply->rawHeaderPairs()) {
        const QString n = QString::fromLatin1(name);
        // Several Set-Cookie headers reach us joined by line feeds.
        for (const QByteArray& part : value.split('\n'))
            text += n + QStringLiteral(": ") + DecodeGbk(part) + QStringLiteral("\r\n");
    }
    return text + QStringLiteral("\r\n");
}

// The proxy serves plain http only; https goes direct, as the proxy is named for http.
class HttpOnlyProxy : public QNetworkProxyFactory {
  public:
    explicit HttpOnlyProxy(QNetworkProxy proxy) : proxy_(std::move(proxy)) {}
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override {
        if (query.url().scheme() == QLatin1String("http"))
            return {proxy_};
        return {QNetworkProxy(QNetworkProxy::NoProxy)};
    }

  private:
    QNetworkProxy proxy_;
};

}  // namespace

HttpClient::HttpClient(QObject* parent)
    : QObject(parent), jar_(new SharedCookieJar(this)), manager_(new QNetworkAccessManager(this)) {
    manager_->setProxy(QNetworkProxy::NoProxy);  // the system's proxy settings are not used
    manager_->setCookieJar(jar_);
    jar_->setParent(this);  // shared with the proxied managers, owned here
}

HttpClient::~HttpClient() = default;

QNetworkAccessManager* HttpClient::ManagerFor(const QString& proxy) {
    const QString address = RemoveAllSpaces(proxy);
    if (address.isEmpty())
        return manager_;
    if (QNetworkAccessManager* m = proxied_.value(address))
        return m;
    const qsizetype colon = address.lastIndexOf(QLatin1Char(':'));
    const QString host = colon < 0 ? address : address.left(colon);
    const int port = colon < 0 ? 80 : address.mid(colon + 1).toInt();
    auto* m = new QNetworkAccessManager(this);
    m->setProxyFactory(new HttpOnlyProxy(
        QNetworkProxy(QNetworkProxy::HttpProxy, host, static_cast<quint16>(port))));
    m->setCookieJar(jar_);
    jar_->setParent(this);
    proxied_.insert(address, m);
    return m;
}

QByteArray HttpClient::Request(const HttpRequestArgs& args) {
    const QString method = args.method.trimmed().toUpper();
    if (!method.isEmpty() && method != QLatin1String("GET") && method != QLatin1String("POST"))
        return {};
    QUrl url = RequestUrl(args.url);
    if (!url.isValid())
        return {};
    if (!RemoveAllSpaces(args.userName).isEmpty()) {
        url.setUserName(args.userName);
        url.setPassword(args.password);
    }

    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, QString::fromLatin1(kUserAgent));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    const QString headers = HeaderText(args);
    SetHeaderLines(request, headers);

    const QString cookieText = Trim(args.cookieText);
    if (!cookieText.isEmpty()) {
        // A cookie text of the caller's replaces the jar's cookies for this request.
        QByteArray cookieHeader = EncodeGbk(cookieText);
        if (args.storeCookies) {
            for (const QNetworkCookie& c : jar_->cookiesForUrl(url))
                cookieHeader += "; " + c.toRawForm(QNetworkCookie::NameAndValueOnly);
        }
        request.setRawHeader("Cookie", cookieHeader);
        request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
        if (!args.storeCookies)
            request.setAttribute(QNetworkRequest::CookieSaveControlAttribute,
                                 QNetworkRequest::Manual);
    }

    QNetworkAccessManager* manager = ManagerFor(args.proxy);
    QNetworkReply* reply = nullptr;
    if (method == QLatin1String("POST")) {
        if (args.postData.isEmpty()) {
            reply = manager->sendCustomRequest(request, "POST");
        } else {
            if (!headers.contains(QStringLiteral("Content-Type: "), Qt::CaseInsensitive))
                request.setHeader(QNetworkRequest::ContentTypeHeader,
                                  QStringLiteral("application/x-www-form-urlencoded"));
            reply = manager->post(request, args.postData);
        }
    } else {
        reply = manager->get(request);
    }

    const int timeoutMs = args.timeoutSeconds > 0 ? args.timeoutSeconds * 1000 : defaultTimeoutMs_;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        loop.quit();
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timer.start(timeoutMs);
    if (!reply->isFinished())
        loop.exec(args.serviceMessages ? QEventLoop::AllEvents
                                       : QEventLoop::ExcludeUserInputEvents);
    timer.stop();

    QByteArray body;
    if (timedOut && !reply->isFinished()) {
        QObject::disconnect(reply, nullptr, &loop, nullptr);
        reply->abort();  // closes the connection; nothing of it is kept
    } else {
        body = reply->readAll();
        if (args.returnedHeaders || args.returnedCookies) {
            const QString raw = RawHeaders(reply);
            if (args.returnedHeaders)
                *args.returnedHeaders = raw;
            if (args.returnedCookies)
                *args.returnedCookies = ReturnedCookieText(raw);
        }
    }
    reply->deleteLater();
    return body;
}

}  // namespace fahuo
