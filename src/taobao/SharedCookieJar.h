#pragma once

#include <QNetworkCookie>
#include <QNetworkCookieJar>

namespace fahuo {

// The cookie jar that the HTTP client and the embedded browser share. Cookies the browser
// reports come in through the *FromBrowser calls; cookies a response sets (or that a request
// stores on purpose) are announced by cookieStored so the browser can take them too.
class SharedCookieJar : public QNetworkCookieJar {
    Q_OBJECT
  public:
    using QNetworkCookieJar::QNetworkCookieJar;

    void InsertFromBrowser(const QNetworkCookie& cookie);
    void RemoveFromBrowser(const QNetworkCookie& cookie);

    bool insertCookie(const QNetworkCookie& cookie) override;
    bool deleteCookie(const QNetworkCookie& cookie) override;

    QList<QNetworkCookie> AllCookies() const { return allCookies(); }

  signals:
    void cookieStored(const QNetworkCookie& cookie);
    void cookieDeleted(const QNetworkCookie& cookie);

  private:
    bool fromBrowser_ = false;
    bool replacing_ = false;  // the base class deletes the old cookie before inserting the new
};

}  // namespace fahuo
