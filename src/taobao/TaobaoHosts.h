#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace fahuo {

// Where the Taobao pages live. Each base is a scheme and host (and port), without a trailing
// "/". Today's Taobao answers only over https, so the real bases use it; a test shop such as
// taobao-sim is reached by sending every base to one plain-http address.
struct TaobaoHosts {
    QString login = QStringLiteral("https://login.taobao.com");
    QString logistics = QStringLiteral("https://wuliu.taobao.com");
    QString seller = QStringLiteral("https://sell.taobao.com");
    // Host (and port) of the item pages as the on-sale page writes it in its item links.
    QString itemHost = QStringLiteral("item.taobao.com");

    // All four sent to one base such as "http://127.0.0.1:8080"; nothing for a text that is not
    // an absolute http or https address.
    static std::optional<TaobaoHosts> ForBase(const QString& base);

    QString LoginRootUrl() const { return login + QLatin1Char('/'); }
    QString LoginPageUrl() const { return login + QStringLiteral("/member/login.jhtml"); }
    QString OrderListUrl() const { return logistics + QStringLiteral("/user/order_list_new.htm"); }
    QString ConsignmentUrl() const { return logistics + QStringLiteral("/user/consign_dummy.htm"); }
    QString OnSaleUrl() const {
        return seller + QStringLiteral("/auction/merchandise/auction_list.htm");
    }

    bool operator==(const TaobaoHosts&) const = default;
};

// The hosts named on a program's command line by "--taobao-base URL" (or "--taobao-base=URL"),
// the real ones when the option is absent. A bad or missing URL gives nothing and names the
// fault in error.
std::optional<TaobaoHosts> HostsFromArguments(const QStringList& arguments,
                                              QString* error = nullptr);

}  // namespace fahuo
