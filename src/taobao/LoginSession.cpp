#include "taobao/LoginSession.h"

#include <QObject>

#include "platform/Browser.h"
#include "taobao/SharedCookieJar.h"

namespace fahuo {

LoginSession::LoginSession(Browser& browser, SharedCookieJar& jar, TaobaoHosts hosts,
                           std::function<void()> whenHidden)
    : browser_(browser), jar_(jar), hosts_(std::move(hosts)), whenHidden_(std::move(whenHidden)) {
    browser_.navigationCompleted = [this](const QUrl& url) { NavigationCompleted(url); };
    browser_.cookieAdded = [this](const QNetworkCookie& c) {
        syncing_ = true;
        jar_.InsertFromBrowser(c);
        syncing_ = false;
    };
    browser_.cookieRemoved = [this](const QNetworkCookie& c) {
        syncing_ = true;
        jar_.RemoveFromBrowser(c);
        syncing_ = false;
    };
    // Cookies that the program's own requests receive go to the browser as well, so a renewed
    // login token is what the browser sends at its next refresh.
    stored_ = QObject::connect(&jar_, &SharedCookieJar::cookieStored, &jar_,
                               [this](const QNetworkCookie& c) {
                                   if (!syncing_)
                                       browser_.SetCookie(c);
                               });
    deleted_ = QObject::connect(&jar_, &SharedCookieJar::cookieDeleted, &jar_,
                                [this](const QNetworkCookie& c) {
                                    if (!syncing_)
                                        browser_.DeleteCookie(c);
                                });
}

LoginSession::~LoginSession() {
    QObject::disconnect(stored_);
    QObject::disconnect(deleted_);
    browser_.navigationCompleted = nullptr;
    browser_.cookieAdded = nullptr;
    browser_.cookieRemoved = nullptr;
}

void LoginSession::OpenLoginPage() {
    browser_.Navigate(QUrl(hosts_.LoginRootUrl()));
}

void LoginSession::Refresh() {
    browser_.Reload();
}

bool LoginSession::IsLoggedInAddress(const QUrl& url) {
    const QString address = url.toString();
    return address.contains(QLatin1String("quicklogin")) ||
           address.contains(QLatin1String("my_taobao"));
}

void LoginSession::NavigationCompleted(const QUrl& url) {
    Q_UNUSED(url);
    // The browser's own address is read, as the completed load may have been redirected.
    if (browser_.IsHidden() || !IsLoggedInAddress(browser_.CurrentUrl()))
        return;
    browser_.Hide();
    if (whenHidden_)
        whenHidden_();
}

}  // namespace fahuo
