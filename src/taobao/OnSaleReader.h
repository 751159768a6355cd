#pragma once

#include <QList>
#include <QString>

namespace fahuo {

class Clock;

// An item on sale in the shop, as its first on-sale page lists it.
struct OnSaleItem {
    QString title;
    QString id;
    QString price;

    bool operator==(const OnSaleItem&) const = default;
};

using OnSaleList = QList<OnSaleItem>;

// The text the on-sale page shows when nothing is on sale.
inline constexpr char16_t kNothingOnSaleText[] = u"找不到出售中的宝贝";

bool SaysNothingOnSale(const QString& page);

// Items of the on-sale page (decoded from GBK): titles and ids from the item links to
// itemHost ("item.taobao.com", or "127.0.0.1:PORT" for a test shop), prices paired with them
// by position; extra prices are dropped, missing ones stay empty.
OnSaleList ParseOnSaleItems(const QString& page, const QString& itemHost, Clock* clock = nullptr);

}  // namespace fahuo
