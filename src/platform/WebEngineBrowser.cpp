#include "platform/WebEngineBrowser.h"

#include <QWebEngineCookieStore>
#include <QWebEngineProfile>

namespace fahuo {
namespace {

// The origin a cookie belongs to, for a store that wants one.
QUrl OriginOf(const QNetworkCookie& cookie) {
    QString host = cookie.domain();
    if (host.startsWith(QLatin1Char('.')))
        host.remove(0, 1);
    QUrl origin;
    origin.setScheme(cookie.isSecure() ? QStringLiteral("https") : QStringLiteral("http"));
    origin.setHost(host);
    return origin;
}

}  // namespace

WebEngineBrowser::WebEngineBrowser(QWidget* parent, QWebEngineProfile* profile)
    : QWebEngineView(parent), profile_(profile ? profile : QWebEngineProfile::defaultProfile()) {
    setObjectName(QStringLiteral("互联网浏览器1"));
    if (profile)
        setPage(new QWebEnginePage(profile, this));
    QWebEngineCookieStore* store = profile_->cookieStore();
    connect(store, &QWebEngineCookieStore::cookieAdded, this, [this](const QNetworkCookie& c) {
        if (cookieAdded)
            cookieAdded(c);
    });
    connect(store, &QWebEngineCookieStore::cookieRemoved, this, [this](const QNetworkCookie& c) {
        if (cookieRemoved)
            cookieRemoved(c);
    });
    connect(this, &QWebEngineView::loadFinished, this, [this](bool) {
        if (navigationCompleted)
            navigationCompleted(url());
    });
    store->loadAllCookies();
}

WebEngineBrowser::~WebEngineBrowser() = default;

void WebEngineBrowser::Navigate(const QUrl& url) {
    load(url);
}

void WebEngineBrowser::Reload() {
    reload();
}

QUrl WebEngineBrowser::CurrentUrl() const {
    return url();
}

void WebEngineBrowser::Hide() {
    hidden_ = true;
    hide();
}

bool WebEngineBrowser::IsHidden() const {
    return hidden_;
}

void WebEngineBrowser::SetCookie(const QNetworkCookie& cookie) {
    profile_->cookieStore()->setCookie(cookie, OriginOf(cookie));
}

void WebEngineBrowser::DeleteCookie(const QNetworkCookie& cookie) {
    profile_->cookieStore()->deleteCookie(cookie, OriginOf(cookie));
}

}  // namespace fahuo
