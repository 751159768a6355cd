#pragma once

#include <QString>

namespace fahuo {

struct TaobaoHosts;
class SharedCookieJar;

// The cookie text the Taobao requests pass: the jar's cookies for "http://" followed by the host
// part of the login page address, where the host part is whatever follows "http://" up to the
// next "/". For the real https login page that gives "http://https:", for which no cookie
// exists, so the text is empty and every request carries the cookies the jar holds for its own
// host, which are the browser's login. For a plain-http test shop it names the shop's cookies,
// which are the same ones.
QString SessionCookieText(const SharedCookieJar& jar, const TaobaoHosts& hosts);

}  // namespace fahuo
