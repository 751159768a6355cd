#pragma once

#include <QString>

namespace fahuo {

// The "name=value" pairs of the Set-Cookie lines of a raw header text, joined by "; ". A line
// whose value is empty, or that has no ";" after its "=", gives nothing.
QString ReturnedCookieText(const QString& rawHeaders);

}  // namespace fahuo
