#pragma once

#include <QList>
#include <QString>

namespace fahuo {

// One paid order awaiting shipment, as read from the shop's logistics order list.
struct OrderRecord {
    QString itemTitle;
    QString buyerNick;
    QString buyerEmail;
    QString orderNumber;
    QString unitPrice;  // as shown on the page, cents included: "12.50"
    qint64 quantity = 0;
    QString amount;  // integer part of the unit price times the quantity, as text
    QString orderId;

    bool operator==(const OrderRecord&) const = default;
};

using OrderList = QList<OrderRecord>;

// The amount the shop counts for an order: the cents of the unit price are dropped before
// multiplying, so 12.50 × 2 gives "24".
QString AmountOf(const QString& unitPrice, qint64 quantity);

}  // namespace fahuo
