#include "taobao/OrderRecord.h"

#include <limits>

#include "text/TextRules.h"

namespace fahuo {

QString AmountOf(const QString& unitPrice, qint64 quantity) {
    const qint64 price = TextToInteger(unitPrice);
    qint64 amount = 0;
    if (__builtin_mul_overflow(price, quantity, &amount))
        amount = (price < 0) != (quantity < 0) ? std::numeric_limits<qint64>::min()
                                               : std::numeric_limits<qint64>::max();
    return NumberToText(amount);
}

}  // namespace fahuo
