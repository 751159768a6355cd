#include "store/SmtpHost.h"

#include <QList>
#include <utility>

namespace fahuo {

QString SmtpHostForAddress(const QString& address) {
    // Tested in this order; the first service whose domain the address contains decides.
    static const QList<std::pair<QString, QString>> services = {
        {QStringLiteral("@163.com"), QStringLiteral("smtp.163.com")},
        {QStringLiteral("@qq.com"), QStringLiteral("smtp.qq.com")},
        {QStringLiteral("@126.com"), QStringLiteral("smtp.126.com")},
    };
    for (const auto& [domain, host] : services) {
        if (address.contains(domain, Qt::CaseInsensitive))
            return host;
    }
    return kEnterpriseSmtpHost;
}

}  // namespace fahuo
