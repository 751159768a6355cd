#include "taobao/RequestUrl.h"

namespace fahuo {

QString UrlHostPart(const QString& url) {
    const QString prefix = QStringLiteral("http://");
    const qsizetype at = url.indexOf(prefix);
    const qsizetype start = at < 0 ? 0 : at + prefix.size();
    const qsizetype slash = url.indexOf(QLatin1Char('/'), start);
    return url.mid(start, slash < 0 ? -1 : slash - start);
}

QUrl RequestUrl(const QString& text) {
    QString rest = text.trimmed();
    QString scheme = QStringLiteral("http");
    int port = 80;
    if (rest.startsWith(QLatin1String("https://"), Qt::CaseInsensitive)) {
        scheme = QStringLiteral("https");
        port = 443;
        rest = rest.mid(8);
    } else if (rest.startsWith(QLatin1String("http://"), Qt::CaseInsensitive)) {
        rest = rest.mid(7);
    }
    qsizetype end = 0;
    while (end < rest.size() && rest[end] != QLatin1Char('/') && rest[end] != QLatin1Char('?'))
        ++end;
    QString host = rest.left(end).toLower();
    QString path = rest.mid(end);
    const qsizetype colon = host.indexOf(QLatin1Char(':'));
    if (colon >= 0) {
        bool ok = false;
        const int given = host.mid(colon + 1).toInt(&ok);
        if (!ok || given <= 0 || given > 65535)
            return QUrl();
        port = given;
        host.truncate(colon);
    }
    if (host.isEmpty())
        return QUrl();

    QUrl url;
    url.setScheme(scheme);
    url.setHost(host, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty())
        return QUrl();
    if (port != (scheme == QLatin1String("https") ? 443 : 80))
        url.setPort(port);
    if (!path.startsWith(QLatin1Char('/')))
        path.prepend(QLatin1Char('/'));
    const qsizetype question = path.indexOf(QLatin1Char('?'));
    url.setPath(question < 0 ? path : path.left(question), QUrl::TolerantMode);
    if (question >= 0)
        url.setQuery(path.mid(question + 1), QUrl::TolerantMode);
    return url;
}

}  // namespace fahuo
