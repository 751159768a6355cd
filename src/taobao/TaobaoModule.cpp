#include "taobao/TaobaoModule.h"

#include "platform/Browser.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/UserDialogs.h"
#include "taobao/Consignment.h"
#include "taobao/HttpRequest.h"
#include "taobao/LoginSession.h"
#include "taobao/OrderListReader.h"
#include "taobao/SessionCookie.h"
#include "taobao/SharedCookieJar.h"
#include "text/Gbk.h"

namespace fahuo {
namespace {

const QString kOnSaleCombo = QStringLiteral("组合框_在售产品");

struct FetchButton {
    const char16_t* button;
    const char16_t* comboBox;
};

// Each "获取" button fills the combo box beside it.
constexpr FetchButton kFetchButtons[] = {
    {u"按钮18", u"组合框_在售产品"},  {u"按钮7", u"组合框_产品产品"},
    {u"按钮9", u"组合框_卡密产品"},   {u"按钮17", u"组合框_直接计数产品"},
    {u"按钮8", u"组合框_发件箱产品"},
};

}  // namespace

TaobaoModule::TaobaoModule(Controls& controls, UserDialogs& dialogs, Clock& clock,
                           TaobaoHosts hosts)
    : controls_(controls),
      dialogs_(dialogs),
      clock_(clock),
      hosts_(std::move(hosts)),
      http_(std::make_unique<HttpClient>()) {}

TaobaoModule::~TaobaoModule() = default;

void TaobaoModule::AttachBrowser(Browser& browser, std::function<void()> whenHidden) {
    login_.reset();
    browser_ = &browser;
    login_ =
        std::make_unique<LoginSession>(browser, *http_->cookieJar(), hosts_, std::move(whenHidden));
}

void TaobaoModule::OpenLoginPage() {
    if (login_)
        login_->OpenLoginPage();
}

void TaobaoModule::RefreshBrowser() {
    if (login_)
        login_->Refresh();
}

QString TaobaoModule::SessionCookieText() const {
    return fahuo::SessionCookieText(*http_->cookieJar(), hosts_);
}

QNetworkCookieJar* TaobaoModule::cookieJar() const {
    return http_->cookieJar();
}

OrderList TaobaoModule::ReadOrderList() {
    HttpRequestArgs args;
    args.url = hosts_.OrderListUrl();
    args.method = QStringLiteral("GET");
    args.cookieText = SessionCookieText();
    return ParseOrderList(DecodeGbk(http_->Request(args)), &clock_);
}

void TaobaoModule::ConfirmShipment(const OrderRecord& order) {
    HttpRequestArgs args;
    args.url = ConsignmentUrl(hosts_, order);
    args.method = QStringLiteral("POST");
    args.postData = ConsignmentFormBody();
    args.cookieText = SessionCookieText();
    http_->Request(args);
}

void TaobaoModule::ReadOnSaleItems(const QString& comboBox) {
    HttpRequestArgs args;
    args.url = hosts_.OnSaleUrl();
    args.method = QStringLiteral("GET");
    args.cookieText = SessionCookieText();
    const QString page = DecodeGbk(http_->Request(args));

    controls_.SetItems(comboBox, {});
    controls_.SetText(comboBox, QString());
    onSale_.clear();
    if (SaysNothingOnSale(page)) {
        dialogs_.ShowMessage(QStringLiteral("没有在售产品！"));
        return;
    }
    onSale_ = ParseOnSaleItems(page, hosts_.itemHost, &clock_);
    QStringList titles;
    titles.reserve(onSale_.size());
    for (const OnSaleItem& item : onSale_)
        titles.append(item.title);
    controls_.SetItems(comboBox, titles);
}

void TaobaoModule::FetchInto(const QString& comboBox) {
    ReadOnSaleItems(comboBox);
    if (!controls_.Items(comboBox).isEmpty())
        controls_.SetText(comboBox, QStringLiteral("有了！请选择"));
    else
        dialogs_.ShowMessage(QStringLiteral("在监控淘宝窗口先登录一下，获取才成功"));
}

void TaobaoModule::ShowChosenItem() {
    const QString title = controls_.Text(kOnSaleCombo);
    OnSaleItem found;
    for (const OnSaleItem& item : onSale_) {
        if (item.title == title) {
            found = item;
            break;
        }
    }
    dialogs_.ShowMessage(QStringLiteral("标题：") + title + QLatin1Char(';') + found.id +
                         QStringLiteral("单价；") + found.price);
}

ControlActions TaobaoModule::Actions() {
    ControlActions actions;
    for (const FetchButton& b : kFetchButtons) {
        const QString combo = QString::fromUtf16(b.comboBox);
        actions.append({QString::fromUtf16(b.button), ControlAction::Event::Clicked,
                        [this, combo] { FetchInto(combo); }});
    }
    actions.append({kOnSaleCombo, ControlAction::Event::ItemChosen, [this] { ShowChosenItem(); }});
    actions.append({QStringLiteral("按钮3"), ControlAction::Event::Clicked,
                    [this] { dialogs_.SetClipboardText(controls_.Text(kOnSaleCombo)); }});
    return actions;
}

}  // namespace fahuo
