#pragma once

#include <QString>
#include <QUrl>

namespace fahuo {

// The host part of an address as the session cookie lookup reads it: what follows the first
// "http://" (the whole text when there is none) up to the next "/". An https address has no
// "http://", so its host part is "https:".
QString UrlHostPart(const QString& url);

// The address a request goes to. "http://" or "https://" at the start (in any case) names the
// scheme; without one the address is plain http. The host (lower-cased) ends at the first "/"
// or "?"; a ":" in it gives the port (else 80, or 443 for https); the rest, query included, is
// the path ("/" when empty), kept as written: "&" and "=" inside a value stay as they are; only
// what a request line cannot carry (a space, "#", non-ASCII) is percent-encoded. An address
// without a host, or with a port that is not one, gives an invalid URL.
QUrl RequestUrl(const QString& url);

}  // namespace fahuo
