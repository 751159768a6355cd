#include "text/DateTimeText.h"

namespace fahuo {

QString FormatDateTime(const QDateTime& when) {
    const QDate d = when.date();
    const QTime t = when.time();
    return QStringLiteral("%1-%2-%3 %4:%5:%6")
        .arg(d.year())
        .arg(d.month(), 2, 10, QLatin1Char('0'))
        .arg(d.day(), 2, 10, QLatin1Char('0'))
        .arg(t.hour(), 2, 10, QLatin1Char('0'))
        .arg(t.minute(), 2, 10, QLatin1Char('0'))
        .arg(t.second(), 2, 10, QLatin1Char('0'));
}

QDateTime ParseDateTime(const QString& text) {
    return QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString ExportStamp(const QDateTime& when) {
    const QDate d = when.date();
    const QTime t = when.time();
    QString stamp = QStringLiteral("%1年%2月%3日").arg(d.year()).arg(d.month()).arg(d.day());
    if (t.second() != 0)
        stamp += QStringLiteral("%1时%2分%3秒").arg(t.hour()).arg(t.minute()).arg(t.second());
    else if (t.minute() != 0)
        stamp += QStringLiteral("%1时%2分").arg(t.hour()).arg(t.minute());
    else if (t.hour() != 0)
        stamp += QStringLiteral("%1时").arg(t.hour());
    return stamp;
}

}  // namespace fahuo
