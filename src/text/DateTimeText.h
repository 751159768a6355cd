#pragma once

#include <QDateTime>
#include <QString>

namespace fahuo {

// 2014-11-05 08:03:09: every field but the year two digits wide, hours 0 to 23.
QString FormatDateTime(const QDateTime& when);

// Reads the FormatDateTime form back; an unreadable text gives an invalid date-time.
QDateTime ParseDateTime(const QString& text);

// The stamp that starts the name of an export file: 2014年5月3日12时30分, 2014年5月3日9时5分7秒;
// trailing zero fields are left out, numbers have no leading zeros.
QString ExportStamp(const QDateTime& when);

}  // namespace fahuo
