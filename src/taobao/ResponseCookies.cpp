#include "taobao/ResponseCookies.h"

#include <QStringList>

#include "text/TextRules.h"

namespace fahuo {

QString ReturnedCookieText(const QString& rawHeaders) {
    const QString marker = QStringLiteral("Set-Cookie:");
    QString text;
    if (!rawHeaders.contains(marker))
        return text;
    for (const QString& line : rawHeaders.split(QStringLiteral("\r\n"))) {
        const qsizetype at = line.indexOf(marker);
        if (at < 0)
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='), at);
        if (eq < 0)
            continue;
        const qsizetype semicolon = line.indexOf(QLatin1Char(';'), eq);
        if (semicolon < 0 || semicolon == eq + 1)
            continue;
        if (!text.isEmpty())
            text += QStringLiteral("; ");
        text += Trim(line.mid(at + marker.size(), semicolon - at - marker.size()));
    }
    return text;
}

}  // namespace fahuo
