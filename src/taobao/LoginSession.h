#pragma once

#include <QMetaObject>
#include <QUrl>
#include <functional>

#include "taobao/TaobaoHosts.h"

namespace fahuo {

class Browser;
class SharedCookieJar;

// The seller's Taobao login in the embedded browser: it opens the login host, hides once the
// browser reaches the seller's own pages, keeps the browser's cookies in the HTTP client's jar
// (and the other way round) and refreshes the page at every pass so the login stays fresh.
class LoginSession {
  public:
    LoginSession(Browser& browser, SharedCookieJar& jar, TaobaoHosts hosts,
                 std::function<void()> whenHidden = {});
    ~LoginSession();
    LoginSession(const LoginSession&) = delete;
    LoginSession& operator=(const LoginSession&) = delete;

    // The root page of the login host, over https on the real site.
    void OpenLoginPage();
    void Refresh();

    // The addresses at which the login is taken as done.
    static bool IsLoggedInAddress(const QUrl& url);

  private:
    void NavigationCompleted(const QUrl& url);

    Browser& browser_;
    SharedCookieJar& jar_;
    TaobaoHosts hosts_;
    std::function<void()> whenHidden_;
    bool syncing_ = false;  // a cookie on its way from the browser to the jar
    QMetaObject::Connection stored_;
    QMetaObject::Connection deleted_;
};

}  // namespace fahuo
