#include "taobao/TaobaoHosts.h"

#include <QUrl>

namespace fahuo {

std::optional<TaobaoHosts> TaobaoHosts::ForBase(const QString& base) {
    const QUrl url(base.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")) ||
        url.host().isEmpty())
        return std::nullopt;
    QString authority = url.host();
    if (url.port() != -1)
        authority += QLatin1Char(':') + QString::number(url.port());
    const QString root = scheme + QStringLiteral("://") + authority;
    TaobaoHosts hosts;
    hosts.login = root;
    hosts.logistics = root;
    hosts.seller = root;
    hosts.itemHost = authority;
    return hosts;
}

std::optional<TaobaoHosts> HostsFromArguments(const QStringList& arguments, QString* error) {
    const QString option = QStringLiteral("--taobao-base");
    std::optional<QString> base;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == option) {
            if (i + 1 >= arguments.size()) {
                if (error)
                    *error = QStringLiteral("--taobao-base needs a URL");
                return std::nullopt;
            }
            base = arguments[++i];
        } else if (a.startsWith(option + QLatin1Char('='))) {
            base = a.mid(option.size() + 1);
        }
    }
    if (!base)
        return TaobaoHosts();
    std::optional<TaobaoHosts> hosts = TaobaoHosts::ForBase(*base);
    if (!hosts && error)
        *error = QStringLiteral("--taobao-base %1 is not an http or https address").arg(*base);
    return hosts;
}

}  // namespace fahuo
