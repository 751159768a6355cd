#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

class QNetworkAccessManager;

namespace fahuo {

class SharedCookieJar;

// What one request may ask for besides its URL. The Taobao readers give only the method, the
// post data and the cookie text; the rest keeps its default.
struct HttpRequestArgs {
    QString url;     // "http://host[:port]/path?query", "https://…", or "host/path" (plain http)
    QString method;  // "GET" or "POST" in any case; empty means GET
    QByteArray postData;  // form body sent with POST, as it is
    QString cookieText;   // "a=1; b=2": sent instead of the jar's cookies for this request
    QString* returnedCookies = nullptr;  // receives "a=1; b=2" from the response's Set-Cookie
    QString proxy;                       // "host:port" for http; https and empty go direct
    int timeoutSeconds = 0;              // 0 means the client's default (90 s)
    bool serviceMessages = false;        // also handle the seller's clicks and keys while waiting
    QString extraHeaders;  // "Name: value\r\n" lines; they win over the default headers
    QString userName;      // credentials for a server that asks for them
    QString password;
    QString* returnedHeaders = nullptr;  // receives the status line and headers, CR LF separated
    bool storeCookies = false;  // keep the response's cookies even when cookieText is given
};

// The one HTTP client of the program: one network access manager whose cookie jar the embedded
// browser fills, so every request carries the seller's Taobao login.
class HttpClient : public QObject {
    Q_OBJECT
  public:
    explicit HttpClient(QObject* parent = nullptr);
    ~HttpClient() override;

    // Fetches or posts one URL and returns the body of the final response whatever its status
    // (redirects are followed). Empty when the request could not be made, the method is neither
    // GET nor POST, or the time-out passed; on a time-out the request is aborted and its
    // connection closed. The caller waits in a local event loop, so the window keeps painting
    // and its timers and the browser run; the seller's clicks wait for the end of the request
    // (bounded by the time-out) unless serviceMessages is set.
    QByteArray Request(const HttpRequestArgs& args);

    SharedCookieJar* cookieJar() const { return jar_; }
    QNetworkAccessManager* manager() const { return manager_; }

    // The wait used when a request gives no time-out of its own: 90 s unless a test shortens it.
    void SetDefaultTimeoutMs(int milliseconds) { defaultTimeoutMs_ = milliseconds; }

    static constexpr const char* kUserAgent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";

  private:
    QNetworkAccessManager* ManagerFor(const QString& proxy);

    SharedCookieJar* jar_;
    QNetworkAccessManager* manager_;
    QHash<QString, QNetworkAccessManager*> proxied_;  // by proxy text, sharing the jar
    int defaultTimeoutMs_ = 90000;
};

}  // namespace fahuo
