#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "platform/ControlAction.h"
#include "taobao/OnSaleReader.h"
#include "taobao/OrderRecord.h"
#include "taobao/TaobaoHosts.h"

class QNetworkCookieJar;

namespace fahuo {

class Browser;
class Clock;
class Controls;
class HttpClient;
class LoginSession;
class SharedCookieJar;
class UserDialogs;

// Everything the window and the engine need of Taobao, in one place.
//
// Wiring in the window (src/app):
//   TaobaoModule taobao(controls, dialogs, ProgramClock(), *HostsFromArguments(args));
//   auto* browser = new WebEngineBrowser(page1);        // object name "互联网浏览器1"
//   browser->setGeometry(...);  browser->raise();       // 840 × 408, over page 1's controls
//   taobao.AttachBrowser(*browser, [=] { /* show page 1's controls */ });
//   taobao.OpenLoginPage();                             // at start-up, after the settings load
//   for (const ControlAction& a : taobao.Actions()) connect a.control's a.event to a.run;
// The engine takes the module by reference and, at every pass, calls RefreshBrowser(),
// ReadOrderList() and, per delivered order with 淘宝发货开关 ticked, ConfirmShipment(order).
// Without a browser (the engine's tests) a login form posted through Http() puts the login
// cookies into the same jar, so the readers see the orders all the same.
class TaobaoModule {
  public:
    TaobaoModule(Controls& controls, UserDialogs& dialogs, Clock& clock, TaobaoHosts hosts);
    ~TaobaoModule();
    TaobaoModule(const TaobaoModule&) = delete;
    TaobaoModule& operator=(const TaobaoModule&) = delete;

    // The browser the seller logs in with; whenHidden runs once it hides at the seller's pages
    // (the window then shows the controls it covered). The browser must outlive the module or
    // be detached by attaching another.
    void AttachBrowser(Browser& browser, std::function<void()> whenHidden = {});
    // Opens the login host's root page in the attached browser (nothing without one).
    void OpenLoginPage();
    // Reloads the browser's page, which keeps the login fresh (nothing without a browser).
    void RefreshBrowser();

    // The paid orders awaiting shipment, in page order; empty when not logged in, on a time-out
    // or when the page changed.
    OrderList ReadOrderList();
    // Marks the order shipped without logistics. Taobao's answer is not looked at: an order that
    // stays in the list is found again at the next pass.
    void ConfirmShipment(const OrderRecord& order);
    // Fills the combo box's drop-down list with the titles of the items on sale and keeps them
    // with their ids and prices; clears the combo box's text.
    void ReadOnSaleItems(const QString& comboBox);
    const OnSaleList& onSaleList() const { return onSale_; }

    // The five "获取" buttons, the selection in 组合框_在售产品 and the copy button 按钮3.
    ControlActions Actions();

    QString SessionCookieText() const;
    HttpClient& Http() { return *http_; }
    QNetworkCookieJar* cookieJar() const;
    const TaobaoHosts& hosts() const { return hosts_; }

  private:
    void FetchInto(const QString& comboBox);
    void ShowChosenItem();

    Controls& controls_;
    UserDialogs& dialogs_;
    Clock& clock_;
    TaobaoHosts hosts_;
    std::unique_ptr<HttpClient> http_;
    std::unique_ptr<LoginSession> login_;
    Browser* browser_ = nullptr;
    OnSaleList onSale_;
};

}  // namespace fahuo
