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
    orders.reserve(count);
    for (int i = 1; i <= count; ++i) {
        OrderRecord o;
        o.buyerNick = Trim(m[kNick].SubmatchText(i, 1));
        o.buyerEmail = Trim(m[kEmail].SubmatchText(i, 1));
        o.orderNumber = RemoveAllSpaces(m[kOrderNumber].SubmatchText(i, 1));
        o.unitPrice = Trim(m[kUnitPrice].SubmatchText(i, 1));
        o.quantity = TextToInteger(Trim(m[kQuantity].SubmatchText(i, 1)));
        o.amount = AmountOf(o.unitPrice, o.quantity);
        o.orderId = RemoveAllSpaces(m[kOrderId].SubmatchText(i, 1));
        o.itemTitle = Trim(m[kTitle].SubmatchText(i, 1));
        orders.append(o);
        if (clock)
            clock->ProcessEvents();
    }
    return orders;
}

}  // namespace fahuo
