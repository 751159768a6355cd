#include "taobao/OrderListReader.h"

#include <array>

#include "platform/Clock.h"
#include "text/RegexMatcher.h"
#include "text/TextRules.h"

namespace fahuo {
namespace {

// The whitespace runs of the page's markup, written out: the page indents with spaces and tabs.
const QString kSpaces16 = QString(16, QLatin1Char(' '));
const QString kSpaces4 = QString(4, QLatin1Char(' '));
QString Tabs(int n) {
    return QString(n, QLatin1Char('\t'));
}

// Between "<li class="total">" and the price line, and between that line and "</li>".
QString TotalLineOpening() {
    return QStringLiteral("<li class=\"total\">\r\n") + kSpaces16 + Tabs(4) + kSpaces4 + Tabs(1);
}
QString TotalLineClosing() {
    return QStringLiteral("\r\n") + kSpaces16 + Tabs(4) + kSpaces4 + "</li>";
}

enum Field { kNick, kEmail, kOrderNumber, kUnitPrice, kQuantity, kOrderId, kTitle, kFieldCount };

std::array<QString, kFieldCount> Patterns() {
    return {
        QStringLiteral("<span class=\"ww ww:token\" ww:params=\"nick=([\\s\\S]*?)&amp;"),
        QStringLiteral("买家留言：</label>\r\n") + kSpaces16 + Tabs(6) +
            QStringLiteral("<span >\r\n") + Tabs(10) +
            QStringLiteral("([a-z0-9_]+@[a-z|0-9]+\\.[a-z0-9_]+)"),
        QStringLiteral("<span class=\"order-number\">订单编号：([\\s\\S]*?)</span>"),
        TotalLineOpening() + QStringLiteral("(.*?)× .*?") + TotalLineClosing(),
        TotalLineOpening() + QStringLiteral(".*?× (.*?)") + TotalLineClosing(),
        QStringLiteral("order_id=([\\s\\S]*?)&"),
        QStringLiteral("<a style=\"line-height:16px;\" target=\"_blank\" title=\"([\\s\\S]*?)\""),
    };
}

// Group 1 of the field's match that belongs to each order. When the field shows for every order
// the k-th match is the k-th order's. When some orders lack it (a buyer who left no e-mail) the
// k-th match would belong to a later order, so each match goes to the order whose order number
// precedes it instead, and the orders without one get an empty text.
QStringList FieldPerOrder(const RegexMatcher& field, const RegexMatcher& orderNumbers,
                          int orderCount) {
    QStringList values;
    values.reserve(orderCount);
    const int matches = field.MatchCount();
    if (matches == orderCount || orderNumbers.MatchCount() != orderCount) {
        for (int i = 1; i <= orderCount; ++i)
            values.append(field.SubmatchText(i, 1));
        return values;
    }
    for (int i = 0; i < orderCount; ++i)
        values.append(QString());
    if (orderCount == 0)
        return values;
    int order = 0;
    for (int j = 1; j <= matches; ++j) {
        const qsizetype at = field.MatchStart(j);
        while (order + 1 < orderCount && orderNumbers.MatchStart(order + 2) <= at)
            ++order;
        if (orderNumbers.MatchStart(order + 1) <= at && values[order].isEmpty())
            values[order] = field.SubmatchText(j, 1);
    }
    return values;
}

}  // namespace

OrderList ParseOrderList(const QString& page, Clock* clock) {
    OrderList orders;
    if (page.contains(QString::fromUtf16(kNoOrdersText), Qt::CaseInsensitive))
        return orders;
    static const std::array<QString, kFieldCount> patterns = Patterns();
    std::array<RegexMatcher, kFieldCount> m;
    for (int f = 0; f < kFieldCount; ++f)
        m[f].Create(patterns[f], page);

    const int count = m[kNick].MatchCount();
    std::array<QStringList, kFieldCount> v;
    for (int f = 0; f < kFieldCount; ++f)
        v[f] = FieldPerOrder(m[f], m[kOrderNumber], count);
    orders.reserve(count);
    for (int i = 0; i < count; ++i) {
        OrderRecord o;
        o.buyerNick = Trim(v[kNick][i]);
        o.buyerEmail = Trim(v[kEmail][i]);
        o.orderNumber = RemoveAllSpaces(v[kOrderNumber][i]);
        o.unitPrice = Trim(v[kUnitPrice][i]);
        o.quantity = TextToInteger(Trim(v[kQuantity][i]));
        o.amount = AmountOf(o.unitPrice, o.quantity);
        o.orderId = RemoveAllSpaces(v[kOrderId][i]);
        o.itemTitle = Trim(v[kTitle][i]);
        orders.append(o);
        if (clock)
            clock->ProcessEvents();
    }
    return orders;
}

}  // namespace fahuo
