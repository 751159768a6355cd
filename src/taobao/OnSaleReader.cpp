#include "taobao/OnSaleReader.h"

#include "platform/Clock.h"
#include "text/RegexMatcher.h"
#include "text/TextRules.h"

namespace fahuo {

bool SaysNothingOnSale(const QString& page) {
    return page.contains(QString::fromUtf16(kNothingOnSaleText), Qt::CaseInsensitive);
}

OnSaleList ParseOnSaleItems(const QString& page, const QString& itemHost, Clock* clock) {
    QString host = itemHost;
    host.replace(QLatin1Char('.'), QStringLiteral("\\."));
    // Today's item links are https; the page of old wrote them as http.
    const QString linkPattern = QStringLiteral("<a href=\"https?://") + host +
                                QStringLiteral(
                                    "/item\\.htm\\?id=([\\s\\S]*?)\" target=_blank "
                                    "title=\"([\\s\\S]*?)\"");
    OnSaleList items;
    RegexMatcher links;
    links.Create(linkPattern, page);
    const int n = links.MatchCount();
    items.reserve(n);
    for (int i = 1; i <= n; ++i) {
        items.append({Trim(links.SubmatchText(i, 2)), Trim(links.SubmatchText(i, 1)), QString()});
        if (clock)
            clock->ProcessEvents();
    }
    RegexMatcher prices;
    prices.Create(QStringLiteral("class=\"price-now\" data-price=\"([\\s\\S]*?)\""), page);
    for (int j = 1; j <= prices.MatchCount() && j <= n; ++j) {
        items[j - 1].price = Trim(prices.SubmatchText(j, 1));
        if (clock)
            clock->ProcessEvents();
    }
    return items;
}

}  // namespace fahuo
