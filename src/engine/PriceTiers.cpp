#include "engine/PriceTiers.h"

#include <cmath>
#include <limits>

#include "text/TextRules.h"

namespace fahuo {
namespace {

qint64 Price(const ProductRecord& p, int tier) {
    return TextToInteger(p.tierPrice(tier));
}
qint64 Value(const ProductRecord& p, int tier) {
    return TextToInteger(p.tierValue(tier));
}

bool TierSet(const ProductRecord& p, int tier) {
    return Price(p, tier) != 0 && Value(p, tier) != 0;
}

// The highest-numbered tier 2 to 7 that is set and whose price passes the test, or 0.
template <typename Test>
int FirstTier(const ProductRecord& p, Test passes) {
    for (int tier = 7; tier >= 2; --tier) {
        if (TierSet(p, tier) && passes(Price(p, tier)))
            return tier;
    }
    return 0;
}

qint64 Saturate(double value) {
    if (std::isnan(value))
        return 0;
    constexpr double kMax = 9.2e18;
    if (value >= kMax)
        return std::numeric_limits<qint64>::max();
    if (value <= -kMax)
        return std::numeric_limits<qint64>::min();
    return static_cast<qint64>(value);  // truncates toward zero
}

bool HasRest(double rest) {
    return std::fabs(rest) > 0.0000001;
}

}  // namespace

qint64 KeyCountForOrder(const OrderRecord& order, const ProductRecord& product) {
    const qint64 paid = TextToInteger(order.unitPrice);
    const int tier = FirstTier(product, [paid](qint64 price) { return paid == price; });
    const qint64 value = Value(product, tier == 0 ? 1 : tier);
    const double keys = static_cast<double>(order.quantity) * static_cast<double>(value) +
                        static_cast<double>(TextToInteger(product.field(ProductRecord::GiftCount)));
    return Saturate(keys);
}

QString CardPeriodByAmount(const OrderRecord& order, const ProductRecord& product) {
    const qint64 paid = TextToInteger(order.amount);
    const int tier = FirstTier(product, [paid](qint64 price) { return paid >= price; });
    return product.tierValue(tier == 0 ? 1 : tier);
}

QString CardPeriodByUnitPrice(const OrderRecord& order, const ProductRecord& product) {
    const qint64 paid = TextToInteger(order.unitPrice);
    const int tier = FirstTier(product, [paid](qint64 price) { return paid == price; });
    return product.tierValue(tier == 0 ? 1 : tier);
}

TimedGrantResult TimedGrant(const OrderRecord& order, const ProductRecord& product,
                            const QDateTime& now) {
    TimedGrantResult grant;
    const double paid = static_cast<double>(TextToInteger(order.amount));
    const double giftDays =
        static_cast<double>(TextToInteger(product.field(ProductRecord::GiftDays)));
    const qint64 giftHours = TextToInteger(product.field(ProductRecord::GiftHours));
    const double lowest = static_cast<double>(Price(product, 1));

    const qint64 paidInt = TextToInteger(order.amount);
    const int tier = FirstTier(product, [paidInt](qint64 price) { return paidInt >= price; });
    if (tier != 0) {
        const double price = static_cast<double>(Price(product, tier));
        // A tier priced below its number of days has a per-day price that truncates to 0;
        // such a tier is charged at the smallest whole price per day, 1, so the days stay
        // finite and never exceed what was paid.
        qint64 rate = Price(product, tier) / Value(product, tier);
        if (rate == 0)
            rate = 1;
        const double rest = std::fmod(paid, price);
        double days = paid / static_cast<double>(rate) + giftDays;
        if (HasRest(rest))
            days += 1;
        grant.days = Saturate(days);
        grant.tier = tier;
        grant.bought = QStringLiteral("0");
        grant.kind = QStringLiteral("计时");
    } else {
        // With 最低价 reading 0 there is no remainder to speak of: no extra day, nothing bought
        // by count.
        double days = static_cast<double>(Value(product, 1)) + giftDays;
        if (lowest != 0 && HasRest(std::fmod(paid, lowest)))
            days += 1;
        grant.days = Saturate(days);
        grant.tier = 1;
        const double perLowest =
            static_cast<double>(TextToInteger(product.field(ProductRecord::LowestCount)));
        grant.bought = lowest == 0 ? QStringLiteral("0") : NumberToText(perLowest * paid / lowest);
        grant.kind = QStringLiteral("计数");
    }
    grant.given = product.field(ProductRecord::GiftCount);

    // Whole seconds, as the date-time texts written to the seller's database carry them.
    const QDateTime start = now.addMSecs(-now.time().msec());
    grant.start = start;
    grant.end = start.addDays(grant.days).addSecs(giftHours * 3600);
    return grant;
}

}  // namespace fahuo
