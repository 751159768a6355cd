#include "taobao/SessionCookie.h"

#include "taobao/RequestUrl.h"
#include "taobao/SharedCookieJar.h"
#include "taobao/TaobaoHosts.h"

namespace fahuo {

QString SessionCookieText(const SharedCookieJar& jar, const TaobaoHosts& hosts) {
    const QUrl url(QStringLiteral("http://") + UrlHostPart(hosts.LoginPageUrl()));
    if (!url.isValid() || url.host().isEmpty())
        return {};
    QString text;
    for (const QNetworkCookie& c : jar.cookiesForUrl(url)) {
        if (!text.isEmpty())
            text += QStringLiteral("; ");
        text += QString::fromLatin1(c.toRawForm(QNetworkCookie::NameAndValueOnly));
    }
    return text;
}

}  // namespace fahuo
