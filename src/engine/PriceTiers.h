#pragma once

#include <QDateTime>
#include <QString>

#include "engine/ProductRecord.h"
#include "taobao/OrderRecord.h"

namespace fahuo {

// The one place where the price paid becomes keys, a card period or days. Tiers are examined
// 7 down to 2 and tier 1 is the last resort; every number is read with TextToInteger.

// 直接计数: count keys owed (exact unit price, quantity times the tier's value plus the gift).
qint64 KeyCountForOrder(const OrderRecord& order, const ProductRecord& product);

// 卡密有卡期: the period text bought by at least the amount paid.
QString CardPeriodByAmount(const OrderRecord& order, const ProductRecord& product);

// 卡密多规格可多张: the period text of the tier whose price equals the unit price.
QString CardPeriodByUnitPrice(const OrderRecord& order, const ProductRecord& product);

struct TimedGrantResult {
    qint64 days = 0;
    QDateTime start;
    QDateTime end;
    int tier = 1;  // the tier chosen: 2 to 7, or 1 when none of them passed
    QString bought;  // 计数计时网验: "0" for tiers 2 to 7, else 最低价数量 × paid ÷ 最低价
    QString given;  // 计数计时网验: 赠送数 as stored
    QString kind;   // 计数计时网验: "计时" for tiers 2 to 7, else "计数"
};

// 计时网验 and 计数计时网验: days by the per-day rate of the tier reached by the amount,
// start = now, end = now + days + 赠送时 hours (whole seconds).
TimedGrantResult TimedGrant(const OrderRecord& order, const ProductRecord& product,
                            const QDateTime& now);

}  // namespace fahuo
