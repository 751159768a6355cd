#pragma once

#include <QString>

#include "taobao/OrderRecord.h"

namespace fahuo {

class Clock;

// The text the logistics order list shows when no paid order awaits shipment.
inline constexpr char16_t kNoOrdersText[] = u"没有符合条件的物流订单";

// Reads the orders of the logistics order list page (already decoded from GBK). The k-th match
// of each field's pattern belongs to the k-th buyer nick on the page: a buyer who left no
// e-mail shifts the addresses of the orders after it, as the page itself gives no other tie.
// A page with the no-orders text, a login page or an empty body gives no order. The clock,
// when given, handles waiting window events after each order.
OrderList ParseOrderList(const QString& page, Clock* clock = nullptr);

}  // namespace fahuo
