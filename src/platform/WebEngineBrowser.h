#pragma once

#include <QWebEngineView>

#include "platform/Browser.h"

class QWebEngineProfile;

namespace fahuo {

// The embedded browser "互联网浏览器1" in which the seller logs in to Taobao. Its cookie store
// reports every cookie, HttpOnly ones included, through the Browser callbacks.
class WebEngineBrowser : public QWebEngineView, public Browser {
    Q_OBJECT
  public:
    // Without a profile the default one is used (in memory: nothing is kept on disk).
    explicit WebEngineBrowser(QWidget* parent = nullptr, QWebEngineProfile* profile = nullptr);
    ~WebEngineBrowser() override;

    void Navigate(const QUrl& url) override;
    void Reload() override;
    QUrl CurrentUrl() const override;
    void Hide() override;
    bool IsHidden() const override;
    void SetCookie(const QNetworkCookie& cookie) override;
    void DeleteCookie(const QNetworkCookie& cookie) override;

  private:
    QWebEngineProfile* profile_;
    bool hidden_ = false;
};

}  // namespace fahuo
