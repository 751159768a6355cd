#include "taobao/SharedCookieJar.h"

namespace fahuo {

void SharedCookieJar::InsertFromBrowser(const QNetworkCookie& cookie) {
    fromBrowser_ = true;
    insertCookie(cookie);
    fromBrowser_ = false;
}

void SharedCookieJar::RemoveFromBrowser(const QNetworkCookie& cookie) {
    // The browser reports an overwritten cookie as removed, and it may do so after a response
    // of ours has already stored the new value: only the value the browser had may go.
    for (const QNetworkCookie& held : allCookies()) {
        if (held.hasSameIdentifier(cookie) && held.value() != cookie.value())
            return;
    }
    fromBrowser_ = true;
    deleteCookie(cookie);
    fromBrowser_ = false;
}

bool SharedCookieJar::insertCookie(const QNetworkCookie& cookie) {
    replacing_ = true;
    const bool inserted = QNetworkCookieJar::insertCookie(cookie);
    replacing_ = false;
    if (!fromBrowser_) {
        // An expired cookie in a response is how a server deletes it.
        if (inserted)
            emit cookieStored(cookie);
        else
            emit cookieDeleted(cookie);
    }
    return inserted;
}

bool SharedCookieJar::deleteCookie(const QNetworkCookie& cookie) {
    const bool deleted = QNetworkCookieJar::deleteCookie(cookie);
    if (deleted && !replacing_ && !fromBrowser_)
        emit cookieDeleted(cookie);
    return deleted;
}

}  // namespace fahuo
