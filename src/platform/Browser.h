#pragma once

#include <QNetworkCookie>
#include <QUrl>
#include <functional>

namespace fahuo {

// The embedded web browser in which the seller logs in to Taobao, as the program drives it:
// the real one is WebEngineBrowser (built with the window); tests may drive a stand-in.
class Browser {
  public:
    virtual ~Browser() = default;

    virtual void Navigate(const QUrl& url) = 0;
    virtual void Reload() = 0;
    virtual QUrl CurrentUrl() const = 0;
    virtual void Hide() = 0;
    virtual bool IsHidden() const = 0;
    // Puts a cookie that a response of the program set into the browser's own store, or takes
    // one out, so both keep the same login.
    virtual void SetCookie(const QNetworkCookie& cookie) = 0;
    virtual void DeleteCookie(const QNetworkCookie& cookie) = 0;

    // Set by the one user of the browser (the login session).
    std::function<void(const QUrl&)> navigationCompleted;    // after every finished page load
    std::function<void(const QNetworkCookie&)> cookieAdded;  // HttpOnly ones included
    std::function<void(const QNetworkCookie&)> cookieRemoved;
};

}  // namespace fahuo
